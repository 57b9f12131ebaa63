#include "mouse_pointer_settings.h"

namespace {
constexpr uint8_t kStartPointerSpeed = 10;
constexpr uint8_t kStartWheelLines = 3;
}  // namespace

std::atomic<uint8_t> MousePointerSpeed{kStartPointerSpeed};
std::atomic<uint8_t> MouseWheelLines{kStartWheelLines};

void ResetMousePointerRecords() {
  MousePointerSpeed = kStartPointerSpeed;
  MouseWheelLines = kStartWheelLines;
}
