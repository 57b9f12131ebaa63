#include "mouse_state.h"

#include <algorithm>

#include "mouse_macro_state.h"
#include "mouse_profiles.h"
#include "mousepad_state.h"

namespace {
constexpr uint8_t kStartPointerSpeed = 10;
constexpr uint8_t kStartWheelLines = 3;
}  // namespace

std::array<MouseSettingsBlock, MOUSE_PROFILES> MouseSettingsBlocks{};
std::array<MouseKeyTable, MOUSE_PROFILES> MouseKeyTables{};
MouseKeyTable MouseFactoryKeyTable{};
MouseLiveSettingsRecord MouseLiveSettings{};
DeviceInfo MouseDeviceInfo;
std::atomic<uint8_t> MousePointerSpeed{kStartPointerSpeed};
std::atomic<uint8_t> MouseWheelLines{kStartWheelLines};
std::atomic<int> MouseFlashRequest{0};

bool IsMouseProfileIndex(int profile) { return profile >= 0 && profile < MOUSE_PROFILES; }

MouseSettingsBlock* MouseBlockOfProfile(int profile) {
  return IsMouseProfileIndex(profile) ? &MouseSettingsBlocks[profile] : nullptr;
}

MouseKeyTable* MouseKeyTableOfProfile(int profile) {
  return IsMouseProfileIndex(profile) ? &MouseKeyTables[profile] : nullptr;
}

void BoundMouseProfileByte(MouseSettingsBlock& block) {
  if (!IsMouseProfileIndex(block[0])) block[0] = 0;
}

void StoreMouseLiveSettings(MouseSettingsBlock& block) {
  std::copy(MouseLiveSettings.begin(), MouseLiveSettings.end(), block.begin());
}

void TakeMouseLiveSettings(const MouseSettingsBlock& block) {
  std::copy(block.begin(), block.begin() + MOUSE_LIVE_SETTINGS_SIZE, MouseLiveSettings.begin());
}

void ResetMouseState() {
  for (MouseSettingsBlock& block : MouseSettingsBlocks) block.fill(0);
  for (MouseKeyTable& table : MouseKeyTables) table.fill(0);
  MouseFactoryKeyTable.fill(0);
  MouseLiveSettings.fill(0);
  MouseDeviceInfo = DeviceInfo{};
  MousePointerSpeed = kStartPointerSpeed;
  MouseWheelLines = kStartWheelLines;
  MouseFlashRequest = 0;
  MousePadFlashRequest = 0;
  MouseMacroRecorder.Reset();
  MouseMacroInsertTabClosed.fill(1);
  MouseKeyEditState = MouseKeyEdit{};
  MouseSelectedFunctionCode = 0;
  ForgetLoadedMouseProfiles();
}
