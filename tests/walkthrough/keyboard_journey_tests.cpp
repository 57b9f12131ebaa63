// The keyboard journey: a user whose keyboard is plugged in when the panel starts remaps a key,
// saves it to the keyboard, exits through the tray menu and starts the panel again on the same data.
// The remap stays on the keyboard and in the device profile, also after a lighting change. Real X
// input throughout; screenshots and logs stay in artefacts\keyboard_journey.
#include <gtest/gtest.h>

#include <algorithm>

#include "data_folders.h"
#include "demo_panel_steps.h"
#include "diagnostics.h"
#include "keyboard_device_profile.h"

namespace {

const char* const kRemappedKey = "kb_key_64";
constexpr int kMouseButtonTab = 2;  // of "kb_key_fct_combo"
constexpr int kSecondMouseButton = 1;  // of "kb_key_fct_combo_11"

using Bytes = std::vector<uint8_t>;

// The key tables that the wire log shows written to bank 0, in order: each from its chunk at offset
// 0 on, chunk after chunk.
std::vector<Bytes> Bank0KeyTableWrites(const std::vector<std::string>& wire) {
  std::vector<Bytes> tables;
  for (const std::string& line : wire) {
    if (line.rfind("-> ", 0) != 0 || line.find("write key table") == std::string::npos) continue;
    const size_t offsetAt = line.find(" off 0x"), dataAt = line.find(" | ");
    if (offsetAt == std::string::npos || dataAt == std::string::npos) continue;
    const size_t offset = std::stoul(line.substr(offsetAt + 7, 4), nullptr, 16);
    Bytes data;
    for (size_t at = dataAt + 3; at + 2 <= line.size(); at += 3) data.push_back(std::stoul(line.substr(at, 2), nullptr, 16));
    if (offset == 0) tables.push_back(data);
    else if (!tables.empty() && offset == tables.back().size()) tables.back().insert(tables.back().end(), data.begin(), data.end());
  }
  return tables;
}

Bytes SlotOf(const Bytes& table, int slot) {
  const size_t at = 3 * static_cast<size_t>(slot);
  return table.size() < at + 3 ? Bytes{} : Bytes(table.begin() + at, table.begin() + at + 3);
}

class KeyboardJourney : public DemoPanelTest {
 protected:
  KeyboardJourney() : DemoPanelTest(L"keyboard_journey") {}

  // The key table of the first device profile, as the next start loads it; empty when unreadable.
  Bytes StoredKeys() {
    KeyboardState state;
    if (LoadKeyboardDeviceProfile(state, DeviceProfileFolder(nullptr, L"kb"), 0) != 0) return {};
    return Bytes(state.LiveKeyTable().begin(), state.LiveKeyTable().end());
  }
  int StoredMode() {
    KeyboardState state;
    return LoadKeyboardDeviceProfile(state, DeviceProfileFolder(nullptr, L"kb"), 0) == 0 ? state.KeyboardLiveSettings[1]
                                                                                         : -1;
  }
  // Every key table written to bank 0 that the keyboard's wire log holds has the remap, and there is one.
  ::testing::AssertionResult KeyboardHoldsTheRemap() {
    const std::vector<Bytes> writes = Bank0KeyTableWrites(WireLog("keyboard"));
    if (writes.empty()) return ::testing::AssertionFailure() << "no key table was written to bank 0";
    for (size_t i = 0; i < writes.size(); ++i)
      if (SlotOf(writes[i], slot) != remap) return ::testing::AssertionFailure() << "key table write " << i << " lacks the remap";
    return ::testing::AssertionSuccess();
  }
  void StartWithTheKeyboardPlugged() {
    ASSERT_TRUE(panel.Start("keyboard"));
    ASSERT_TRUE(WaitFor([&] { return Visible("kb_tab") && IsWindowVisible(panel.MainWindow()); }, 60000))
        << "the keyboard found at start brings the window forward";
    ASSERT_TRUE(panel.WaitUntilTheStartUpReadsAreShown());
  }
  void ShowTheRemappedKey() {
    Pick("kb_key_Op_tab");
    ClickUntil(kRemappedKey, [&] { return Visible("kb_tab_function"); });
  }

  void RemapAKeyAndSaveItToTheKeyboard();
  void StartAgainOnTheSameData();
  void ChangeTheLighting();

  int slot = -1;  // the key slot remapped, and what it holds now
  Bytes remap;
};

void KeyboardJourney::RemapAKeyAndSaveItToTheKeyboard() {
  ASSERT_TRUE(WaitFor([&] { return !StoredKeys().empty(); }, 10000)) << "the first run's device profile";
  const Bytes before = StoredKeys();
  ShowTheRemappedKey();
  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_key_fct_combo", "Home Down Down", kMouseButtonTab));
  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_key_fct_combo_11", "Home Down", kSecondMouseButton));
  ClickUntil("kb_key_butt_prosave", [&] { return StoredKeys() != before; });
  EXPECT_TRUE(panel.WaitForControl("setting_progress", [](const ControlState& c) { return !c.visible; }))
      << "the download's progress goes";

  // The keyboard's own slots: what the save sent. The bytes after them are carried as read.
  const std::vector<Bytes> writes = Bank0KeyTableWrites(WireLog("keyboard"));
  ASSERT_FALSE(writes.empty()) << "the save sent the key table";
  const Bytes after = StoredKeys();
  for (int s = 0; 3 * s + 2 < static_cast<int>(writes.back().size()); ++s) {
    if (SlotOf(after, s) == SlotOf(before, s)) continue;
    EXPECT_EQ(slot, -1) << "one key changes, not also slot " << s;
    slot = s;
  }
  ASSERT_GE(slot, 0);
  remap = SlotOf(after, slot);
  EXPECT_EQ(SlotOf(writes.back(), slot), remap) << "the save sent it";
}

void KeyboardJourney::StartAgainOnTheSameData() {
  ASSERT_NO_FATAL_FAILURE(StartWithTheKeyboardPlugged());
  ASSERT_TRUE(WaitFor([&] { return !Bank0KeyTableWrites(WireLog("keyboard")).empty(); }, 10000))
      << "the saved device profile goes to the keyboard";
  EXPECT_TRUE(KeyboardHoldsTheRemap());
  // The watchers' first pass, and the start-up read-back 500 ms after the start, are over.
  Sleep(1500);
  EXPECT_TRUE(KeyboardHoldsTheRemap()) << "after the watchers' first pass";
  EXPECT_EQ(SlotOf(StoredKeys(), slot), remap);
}

void KeyboardJourney::ChangeTheLighting() {
  Pick("kb_deng_Op_tab");
  const int mode = panel.Control("kb_deng_combo_modeSelect").selected == 1 ? 2 : 1;
  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_deng_combo_modeSelect", mode == 1 ? "Home Down" : "Home Down Down", mode));
  ASSERT_TRUE(WaitFor([&] { return StoredMode() == mode; }, 10000)) << "the lighting change is saved";
  EXPECT_EQ(SlotOf(StoredKeys(), slot), remap) << "with the remap";
  EXPECT_TRUE(KeyboardHoldsTheRemap());
}

TEST_F(KeyboardJourney, ARemapSavedToTheKeyboardSurvivesARestartAndALightingChange) {
  ASSERT_NO_FATAL_FAILURE(StartWithTheKeyboardPlugged());
  ASSERT_NO_FATAL_FAILURE(RemapAKeyAndSaveItToTheKeyboard());
  ASSERT_NO_FATAL_FAILURE(ExitThroughTheTrayMenu());
  ASSERT_NO_FATAL_FAILURE(StartAgainOnTheSameData());
  ASSERT_NO_FATAL_FAILURE(ChangeTheLighting());

  ASSERT_NO_FATAL_FAILURE(ShowTheRemappedKey());
  EXPECT_TRUE(panel.WaitForControl("kb_key_fct_combo", [](const ControlState& c) { return c.selected == kMouseButtonTab; }))
      << "the key page shows the remap";
  EXPECT_EQ(panel.Control("kb_key_fct_combo_11").selected, kSecondMouseButton);
  EXPECT_EQ(panel.Command("screenshot " + ToUtf8(panel.Artefact(L"key_page_after_restart.png"))), "done");
}

}  // namespace
