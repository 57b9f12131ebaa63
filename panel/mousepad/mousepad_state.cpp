#include "mousepad_state.h"

#include <cstring>

std::atomic<int> MousePadFlashRequest{0};

void MousePadState::Reset() {
  info = DeviceInfo{};
  for (MousePadSettingsBlock& block : blocks) block.fill(0);
  std::memset(&live, 0, sizeof live);
  MousePadSeen = 0;
}

void MousePadState::FoldLiveInto(MousePadSettingsBlock& block) const {
  std::memcpy(block.data(), &live, sizeof live);
}

void MousePadState::TakeLiveFrom(const MousePadSettingsBlock& block) {
  std::memcpy(&live, block.data(), sizeof live);
}

bool IsMousePadProfile(int index) { return index >= 0 && index < MOUSEPAD_PROFILES; }
