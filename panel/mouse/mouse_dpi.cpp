#include "mouse_dpi.h"

#include <algorithm>

#include "mouse_state.h"

namespace {
constexpr int kSteepFrom = 49;  // positions from here on move 200 DPI
constexpr int kSteepStep = 200;
constexpr int kSteepOffset = 4800;
}  // namespace

const std::array<MouseSensorDpiRow, 4> MouseSensorDpiTable = {{
    {0x3325, 200, 10000, 10000},
    {0x3050, 250, 4000, 4000},
    {0x3360, 100, 12000, 12000},
    {0x3310, 50, 10000, 5000},
}};

const MouseSensorDpiRow* FindMouseSensorDpiRow(uint16_t sensorId) {
  for (const MouseSensorDpiRow& row : MouseSensorDpiTable)
    if (row.sensorId == sensorId) return &row;
  return nullptr;
}

int MouseDpiValue(int position, int minimum, int step) {
  if (position < kSteepFrom) return minimum + step * position;
  return minimum + kSteepStep * position - kSteepOffset;
}

std::array<StageHighlight, MOUSE_DPI_STAGES> MouseStageHighlights(uint8_t activeStage) {
  std::array<StageHighlight, MOUSE_DPI_STAGES> marks;
  if (activeStage < MOUSE_DPI_STAGES) {
    marks.fill(StageHighlight::Other);
    marks[activeStage] = StageHighlight::Active;
    return marks;
  }
  // An active stage the page cannot show marks stage 1 and leaves the label-only stages alone.
  marks.fill(StageHighlight::Leave);
  marks[0] = StageHighlight::Active;
  for (int stage = 1; stage < MOUSE_DPI_SLIDER_STAGES; ++stage) marks[stage] = StageHighlight::Other;
  return marks;
}

uint8_t MousePointerSpeedOfSlider(int position) { return static_cast<uint8_t>(2 * std::max(position, 0) + 2); }

int StepMouseWheelLineCount(int lines, bool up) {
  const int low = MOUSE_WHEEL_LINES_MIN;
  const int high = MOUSE_WHEEL_LINES_MAX;
  if (up) return std::min(std::max(lines, low) + 1, high);
  return std::max(std::min(lines, high) - 1, low);
}

void WriteMouseDpiStage(DeviceCommandChannel& channel, int stage, uint8_t position) {
  channel.WriteSettings(&position, 1, static_cast<uint16_t>(MouseLiveDpiStage(stage)));
}

void WriteMouseReportRate(DeviceCommandChannel& channel, uint8_t profile, uint8_t rate) {
  const size_t offset = profile * MOUSE_SETTINGS_BLOCK_SIZE + MOUSE_LIVE_REPORT_RATE;
  channel.WriteSettings(&rate, 1, static_cast<uint16_t>(offset));
}
