// The keyboard's profile lists in the main window built from the panel's skin, with a simulated
// keyboard on the HID seam: add, rename and select through the page's controls.
#include <gtest/gtest.h>
#include <windows.h>

#include "data_folders.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

class KeyboardProfilePageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    keyboard = MakeSimulatedKeyboard();
    bus.Attach(keyboard);
    InstallHidBackend(&bus);
    folder = DeviceProfileFolder(nullptr, L"kb");
    RemoveTree(folder);
    PanelWindowTest::SetUp();
    OpenWindow();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      messages.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(1);
    });
    // The device list's watcher selects the saved profile on its first pass; then both watchers
    // end, so that no pass of theirs runs between a test's steps.
    ASSERT_TRUE(PumpUntil([this] { return Text(L"kb_device_profile_name_edit") == L"Profile 1"; }, 10000));
    ASSERT_TRUE(PumpUntil([this] { return Find(L"kb_tab")->IsVisible(); }, 10000));
    for (int watcher : {kDeviceWatcher, kKeyWatcher}) {
      SetEvent(window->m_stopEvents[watcher]);
      ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[watcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    }
    NotifyClick(Find(L"kb_profile_fun_spread_btn"));
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  // Their places in the workers' start order.
  static constexpr int kDeviceWatcher = 9, kKeyWatcher = 10;

  std::wstring Text(const wchar_t* name) { return Find(name)->GetText().str(); }
  CComboUI* Combo() { return dynamic_cast<CComboUI*>(Find(L"kb_device_profile_combo")); }
  std::wstring Entry(const wchar_t* section, const wchar_t* key) {
    return ReadIniText(folder + L"kbProfile.ini", section, key, L"<none>");
  }
  std::vector<int> Commands() {
    std::vector<int> commands;
    for (const CommandReport& r : keyboard->Requests())
      if (commands.empty() || commands.back() != r[COMMAND_FIELD_COMMAND]) commands.push_back(r[COMMAND_FIELD_COMMAND]);
    return commands;
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard;
  std::wstring folder;
  std::vector<std::wstring> messages;
};

TEST_F(KeyboardProfilePageTest, AddRenameAndSelectThroughThePage) {
  ASSERT_NE(Find(L"kb_deng_profile_combo"), nullptr);
  EXPECT_EQ(dynamic_cast<CComboUI*>(Find(L"kb_deng_profile_combo"))->GetCount(), 1);

  keyboard->ClearWireLog();
  NotifyClick(Find(L"kb_pro_device_add_btn"));
  EXPECT_EQ(Combo()->GetCount(), 2);
  EXPECT_EQ(Combo()->GetCurSel(), 1);
  EXPECT_EQ(Text(L"kb_device_profile_name_edit"), L"Profile 2");
  EXPECT_EQ(Entry(L"PROFILEDEVICESELECT", L"select"), L"1");
  EXPECT_TRUE(PathExists(folder + L"Profile 2.kconfig"));
  EXPECT_EQ(Commands(), (std::vector<int>{0x06, 0x09})) << "the new profile is sent";

  Find(L"kb_device_profile_name_edit")->SetText(L"Racing");
  NotifyClick(Find(L"kb_device_profile_edit_save_btn"));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Combo()->GetItemAt(1)->GetText().str(), L"Racing");
  EXPECT_EQ(Entry(L"PROFILEDEVICENAME", L"1"), L"Racing");
  EXPECT_TRUE(PathExists(folder + L"Racing.kconfig"));
  EXPECT_FALSE(PathExists(folder + L"Profile 2.kconfig"));

  Combo()->SelectItem(0);
  EXPECT_EQ(Text(L"kb_device_profile_name_edit"), L"Profile 1");
  EXPECT_EQ(Entry(L"PROFILEDEVICESELECT", L"select"), L"0");
}

TEST_F(KeyboardProfilePageTest, ANameThatCannotBeAFileNameIsRefusedWithItsMessage) {
  Find(L"kb_device_profile_name_edit")->SetText(L"a:b");
  NotifyClick(Find(L"kb_device_profile_edit_save_btn"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(L"file name"), std::wstring::npos) << "message_text_14 in English";
  EXPECT_EQ(Combo()->GetItemAt(0)->GetText().str(), L"Profile 1");
  EXPECT_EQ(Entry(L"PROFILEDEVICENAME", L"0"), L"Profile 1");
}

TEST_F(KeyboardProfilePageTest, TheLinkCheckBoxLinksTheSelectedProfileToTheChosenProgram) {
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"C:\\Games\\Racer.exe"); });
  dynamic_cast<COptionUI*>(Find(L"kb_device_profile_link_check"))->Selected(true, true);
  EXPECT_EQ(Entry(L"PROFILELIKEDEVICEEXE", L"0"), L"1");
  EXPECT_EQ(Entry(L"DEVICEPROCESS", L"0"), L"C:\\Games\\Racer.exe");
  EXPECT_EQ(Text(L"kb_device_profile_link_edit"), L"Racer.exe");
  NotifyClick(Find(L"kb_device_cancle_link_btn"));
  EXPECT_FALSE(dynamic_cast<COptionUI*>(Find(L"kb_device_profile_link_check"))->IsSelected());
  EXPECT_EQ(Entry(L"PROFILELIKEDEVICEEXE", L"0"), L"0");
}

}  // namespace
