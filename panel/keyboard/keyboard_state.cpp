#include "keyboard_state.h"

namespace {
// Until the first read-back the factory table holds an assignment that matches no layout entry.
constexpr uint8_t kUnreadFactoryByte = 0x05;
constexpr size_t kUnreadFactoryBytes = 510;
}  // namespace

void KeyboardState::Reset() {
  model = KEYBOARD_MODEL_RGB2;
  info = DeviceInfo{};
  KEYBOARD_FACTORY_KEY_TABLE.fill(0);
  std::fill(KEYBOARD_FACTORY_KEY_TABLE.begin(), KEYBOARD_FACTORY_KEY_TABLE.begin() + kUnreadFactoryBytes,
            kUnreadFactoryByte);
  for (KeyboardKeyTable& table : keyTables) table.fill(0);
  for (KeyboardSettingsBlock& block : settingsBlocks) block.fill(0);
  KeyboardLiveSettings.fill(0);
  KeyboardCustomPaint.fill(0);
  for (auto& layout : KeyboardCustomLayouts) layout.fill(0);
  KeyboardUiKeyMap.fill(KEYBOARD_NO_SLOT);
  loadedDeviceProfile = -1;
}

int BoundedProfileIndex(int index) { return index >= 0 && index < KEYBOARD_PROFILES ? index : 0; }

int KeyboardState::LiveProfileIndex() const { return BoundedProfileIndex(KeyboardLiveSettings[0]); }

void KeyboardState::SetLiveProfileIndex(int index) {
  KeyboardLiveSettings[0] = static_cast<uint8_t>(BoundedProfileIndex(index));
}

int KeyboardState::KeySlotCount() const {
  const int count = info.KeySlotCount();
  return count > KEYBOARD_MOST_SLOTS ? KEYBOARD_MOST_SLOTS : count;
}

KeyAssignment KeyboardState::FactoryAssignment(int slot) const {
  const size_t at = static_cast<size_t>(slot) * 3;
  return {KEYBOARD_FACTORY_KEY_TABLE[at], KEYBOARD_FACTORY_KEY_TABLE[at + 1], KEYBOARD_FACTORY_KEY_TABLE[at + 2]};
}

KeyAssignment KeyboardState::Assignment(int table, int slot) const {
  const KeyboardKeyTable& keys = keyTables[BoundedProfileIndex(table)];
  const size_t at = static_cast<size_t>(slot) * 3;
  return {keys[at], keys[at + 1], keys[at + 2]};
}
