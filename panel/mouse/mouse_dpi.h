#pragma once
// The mouse's performance settings as plain rules: DPI stages and their ranges by sensor, the
// highlight of the active stage, the report rate, and the Windows pointer speed and wheel lines
// that the page keeps beside the mouse's own settings.
#include <array>
#include <cstddef>
#include <cstdint>

#include "device_command_channel.h"

// Live-settings bytes of this page.
constexpr size_t MOUSE_LIVE_REPORT_RATE = 14;
constexpr size_t MOUSE_LIVE_ACTIVE_STAGE = 19;
constexpr int MOUSE_DPI_SLIDER_STAGES = 4;  // stages 1..4 have sliders and colours
constexpr int MOUSE_DPI_STAGES = 6;         // stages 5 and 6 are labels and buttons only
constexpr size_t MouseLiveDpiStage(int stage) { return 14 + static_cast<size_t>(stage); }
constexpr size_t MouseLiveStageColour(int stage) { return 20 + 3 * static_cast<size_t>(stage - 1); }

constexpr int MOUSE_DPI_STEP = 100;
constexpr uint8_t MOUSE_WHEEL_LINES_MIN = 1;
constexpr uint8_t MOUSE_WHEEL_LINES_MAX = 100;
constexpr int MOUSE_RESET_POINTER_SLIDER = 5;
constexpr unsigned MOUSE_RESET_POINTER_SPEED = 10;
constexpr unsigned MOUSE_RESET_WHEEL_LINES = 3;

// One row of the sensor table: the DPI minimum the page uses and the range labels it shows.
struct MouseSensorDpiRow {
  uint16_t sensorId;
  uint16_t minimum;
  uint16_t firstStageMaximum;   // stage 1's range label
  uint16_t otherStageMaximum;  // stages 2..6
};
extern const std::array<MouseSensorDpiRow, 4> MouseSensorDpiTable;

// The row of the mouse's sensor, null for a sensor the table does not know.
const MouseSensorDpiRow* FindMouseSensorDpiRow(uint16_t sensorId);

// The DPI of slider position v: 100 (or `step`) per position up to 48, 200 per position above.
int MouseDpiValue(int position, int minimum, int step = MOUSE_DPI_STEP);

// How the refresh colours the two labels of each stage for the active-stage byte.
enum class StageHighlight { Leave, Active, Other };
std::array<StageHighlight, MOUSE_DPI_STAGES> MouseStageHighlights(uint8_t activeStage);

// The Windows pointer speed of a slider position (negative taken as 0).
uint8_t MousePointerSpeedOfSlider(int position);

// The wheel-lines buttons: one line more or less, kept within 1..100.
int StepMouseWheelLineCount(int lines, bool up);

// The writes of this page, one byte with command 0x06: a DPI stage into block 0, the report rate
// into the edited profile's block. A channel that is not connected makes them fail silently.
void WriteMouseDpiStage(DeviceCommandChannel& channel, int stage, uint8_t position);
void WriteMouseReportRate(DeviceCommandChannel& channel, uint8_t profile, uint8_t rate);
