// The mouse's button assignments across a restart, as a user makes them: the demo panel starts with
// the mouse plugged in (found before the watchers' first pass), a button of on-board profile 1 and
// one of profile 2 get other functions and each is saved to the mouse, the panel ends through its
// tray menu and starts again with the same data folder and the same mouse; then a lighting change.
// Both assignments must still be in the mouse's memory and the first in the device profile file.
// Real X input, in a fresh prefix beside the walk-through (run_walkthrough.sh); the mouse keeps its
// memory between the two runs as a real one does (KARVO_DEMO_DEVICE_MEMORY).
#include <gtest/gtest.h>

#include <array>

#include "data_folders.h"
#include "demo_device_set.h"
#include "demo_panel_driver.h"
#include "diagnostics.h"
#include "program_folder.h"
#include "simulated_device_models.h"
#include "test_files.h"

namespace {

using Assignment = std::array<int, 3>;  // code, p1, p2

std::wstring BuildFolder() {
  std::wstring folder = ProgramFolder();
  folder.pop_back();
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

// Key `key` of a 512-byte table that starts at `table` of `bytes`.
Assignment KeyAt(const std::vector<unsigned char>& bytes, size_t table, int key) {
  const size_t at = table + 3 * static_cast<size_t>(key);
  if (bytes.size() < at + 3) return {-1, -1, -1};
  return {bytes[at], bytes[at + 1], bytes[at + 2]};
}

// Key `key` as the last request of the wire log that wrote the chunk at `offset` sent it.
Assignment KeyWritten(const std::vector<std::string>& wire, const std::string& offset, int key) {
  std::vector<std::string> writes;
  for (const std::string& line : wire)
    if (line.find("write key table") != std::string::npos && line.find("off " + offset) != std::string::npos)
      writes.push_back(line);
  Assignment assignment;
  for (int i = 0; i < 3; ++i) assignment[i] = LastRequestByte(writes, "write key table", 3 * key + i);
  return assignment;
}

// The buttons remapped: the back button on on-board profile 1, forward on profile 2.
constexpr int kBack = 4, kForward = 3;
constexpr size_t kBankStride = 126;
constexpr size_t kProfileFileHeader = 16;

class MouseJourney : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(journey);
    for (const std::wstring& folder : {BuildFolder() + L"artefacts\\", journey, devices})
      CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring kept = devices;
    kept.pop_back();
    SetEnvironmentVariableW(L"KARVO_DEMO_DEVICE_MEMORY", kept.c_str());
  }

  // The panel started with the mouse plugged in, shown with its tab.
  void StartWithTheMouse(DemoPanelDriver& panel) {
    ASSERT_TRUE(panel.Start("mouse"));
    ASSERT_TRUE(WaitFor([&] { return panel.Control("ms_tab").visible && IsWindowVisible(panel.MainWindow()); }, 60000))
        << "the mouse found at start brings the window forward";
    ASSERT_TRUE(panel.WaitUntilTheStartUpReadsAreShown());
    ASSERT_TRUE(panel.Pick("ms_tab"));
  }
  // Gives `key` the third function of the buttons page and saves the keys to the mouse; the key
  // table of on-board profile `bank` goes out.
  void RemapAndSave(DemoPanelDriver& panel, int key, int bank) {
    const std::string row = "ms_key_" + std::to_string(key);
    ASSERT_TRUE(panel.Pick("ms_key_Op_tab"));
    ASSERT_TRUE(panel.ClickUntil(row, [&] { return panel.Visible("ms_key_fct_combo"); })) << row << " opens";
    ASSERT_TRUE(panel.PickInCombo("ms_key_fct_combo", "Home Down", 1)) << "the buttons page";
    ASSERT_TRUE(panel.PickInCombo("ms_key_fct_combo_11", "Home Down Down", 2)) << "its third button";
    const std::string offset = bank == 0 ? "0x0000" : "0x007e";
    const size_t writesBefore = WritesAt(panel, offset);
    ASSERT_TRUE(panel.ClickUntil("ms_key_butt_prosave", [&] { return WritesAt(panel, offset) > writesBefore; }))
        << "the keys of on-board profile " << bank + 1 << " go to the mouse";
  }
  size_t WritesAt(DemoPanelDriver& panel, const std::string& offset) {
    size_t writes = 0;
    for (const std::string& line : panel.WireLog("mouse"))
      writes += line.find("write key table") != std::string::npos && line.find("off " + offset) != std::string::npos;
    return writes;
  }
  // On the DPI page, on-board profile n (counted from 0) becomes the mouse's active one and the
  // one the pages edit; each click asks the mouse for its active profile first.
  void SwitchOnboardProfile(DemoPanelDriver& panel, int n) {
    ASSERT_TRUE(panel.Pick("ms_rich_Op_tab"));
    const std::string button = "ms_profile_" + std::to_string(n);
    const size_t asked = ActiveProfileReads(panel);
    ASSERT_TRUE(panel.ClickUntil(button, [&] { return ActiveProfileReads(panel) > asked; })) << button;
  }
  size_t ActiveProfileReads(DemoPanelDriver& panel) {
    size_t reads = 0;
    for (const std::string& line : panel.WireLog("mouse"))
      reads += line.find("read settings") != std::string::npos && line.find("len  1 off 0x0000") != std::string::npos;
    return reads;
  }
  std::vector<unsigned char> DeviceProfileFile() {
    return ReadBytes(DeviceProfileFolder(nullptr, L"ms") + L"Profile 1.config");
  }
  // The mouse's key memory as the demo kept it at its end.
  std::vector<uint8_t> KeptKeyMemory() {
    SimulatedMemory memory = MakeSimulatedMouse()->Memory();
    const std::vector<unsigned char> record = ReadBytes(devices + L"mouse.memory");
    EXPECT_TRUE(DecodeKeptDeviceMemory(std::vector<uint8_t>(record.begin(), record.end()), memory));
    return memory.keyMemory;
  }
  void Screenshot(DemoPanelDriver& panel, const std::string& file) {
    EXPECT_EQ(panel.Command("screenshot " + ToUtf8(panel.Artefact(FromUtf8(file)))), "done") << file;
  }

  const std::wstring demo = BuildFolder() + L"demo\\";
  const std::wstring journey = BuildFolder() + L"artefacts\\mouse_journey\\";
  const std::wstring devices = journey + L"devices\\";
};

TEST_F(MouseJourney, ButtonsSavedOnTwoOnboardProfilesSurviveARestartAndALightingChange) {
  const std::vector<unsigned char> factory = ReadBytes(demo + L"msdevicedefault.config");
  Assignment first{}, second{};
  std::string firstCaption, secondCaption;
  {
    DemoPanelDriver panel(demo, journey + L"before_restart\\");
    ASSERT_NO_FATAL_FAILURE(StartWithTheMouse(panel));
    ASSERT_NO_FATAL_FAILURE(RemapAndSave(panel, kBack, 0));
    first = KeyWritten(panel.WireLog("mouse"), "0x0000", kBack);
    firstCaption = panel.Control("ms_key_4").text;
    ASSERT_NE(first, KeyAt(factory, kProfileFileHeader, kBack)) << "profile 1's back button has another function";
    EXPECT_EQ(KeyAt(DeviceProfileFile(), kProfileFileHeader, kBack), first) << "and the device profile holds it";

    ASSERT_NO_FATAL_FAILURE(SwitchOnboardProfile(panel, 1));
    ASSERT_NO_FATAL_FAILURE(RemapAndSave(panel, kForward, 1));
    second = KeyWritten(panel.WireLog("mouse"), "0x007e", kForward);
    secondCaption = panel.Control("ms_key_3").text;
    ASSERT_NE(second, KeyAt(factory, kProfileFileHeader, kForward)) << "profile 2's forward button too";
    ASSERT_TRUE(panel.ExitThroughTrayMenu());
  }
  std::vector<uint8_t> keys = KeptKeyMemory();
  EXPECT_EQ(KeyAt(keys, 0, kBack), first) << "the mouse holds profile 1's button";
  EXPECT_EQ(KeyAt(keys, kBankStride, kForward), second) << "and profile 2's";

  DemoPanelDriver panel(demo, journey + L"after_restart\\");
  ASSERT_NO_FATAL_FAILURE(StartWithTheMouse(panel));
  EXPECT_EQ(KeyWritten(panel.WireLog("mouse"), "0x0000", kBack), first) << "the start sends profile 1's button back";
  EXPECT_EQ(KeyAt(DeviceProfileFile(), kProfileFileHeader, kBack), first);

  ASSERT_TRUE(panel.Pick("ms_deng_Op_tab"));
  const int brightness = panel.Control("ms_deng_light_slider").value;
  ASSERT_TRUE(panel.ClickUntil("ms_deng_light_slider",
                               [&] { return panel.Control("ms_deng_light_slider").value != brightness; },
                               brightness > 2 ? 0.1 : 0.9));
  EXPECT_EQ(KeyAt(DeviceProfileFile(), kProfileFileHeader, kBack), first) << "the lighting change's save keeps it";

  // Profile 1 first: leaving it for profile 2 afterwards is a real switch, which shows that
  // profile's buttons.
  ASSERT_NO_FATAL_FAILURE(SwitchOnboardProfile(panel, 0));
  ASSERT_TRUE(panel.Pick("ms_key_Op_tab"));
  EXPECT_EQ(panel.Control("ms_key_4").text, firstCaption) << "profile 1's page names its button's function";
  Screenshot(panel, "mouse_key_page_profile_1.png");
  ASSERT_NO_FATAL_FAILURE(SwitchOnboardProfile(panel, 1));
  ASSERT_TRUE(panel.Pick("ms_key_Op_tab"));
  EXPECT_EQ(panel.Control("ms_key_3").text, secondCaption) << "profile 2's page names its button's function";
  Screenshot(panel, "mouse_key_page_profile_2.png");
  ASSERT_TRUE(panel.ExitThroughTrayMenu());

  keys = KeptKeyMemory();
  EXPECT_EQ(KeyAt(keys, 0, kBack), first) << "after the restart and the lighting change";
  EXPECT_EQ(KeyAt(keys, kBankStride, kForward), second);
  EXPECT_EQ(KeyAt(DeviceProfileFile(), kProfileFileHeader, kBack), first);
}

}  // namespace
