// The mouse pad's light profile list in the main window built from the panel's skin, from a first
// run in an empty data folder: what differs from the keyboard's lists (the reset's 56 bytes, the
// link row, the import over the selected profile, the watcher) and a refused import.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <mutex>

#include "data_folders.h"
#include "file_dialogs.h"
#include "foreground_program.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "mousepad_page_state.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "program_folder.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

struct InjectedForegroundProgram : ForegroundProgram {
  std::wstring Path() override { return path; }
  std::wstring path;
};

class MousePadProfilePageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    InstallHidBackend(&bus);
    InstallForegroundProgram(&foreground);
    folder = DeviceProfileFolder(nullptr, L"mp");
    RemoveTree(folder);
    PanelWindowTest::SetUp();
    OpenWindow();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      messages.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(1);
    });
    // The watcher selects the saved profile on its first pass.
    ASSERT_TRUE(PumpUntil([this] { return Combo()->GetCurSel() == 0; }, 10000));
    // The pad's page and its profile panel shown, as with the pad plugged in.
    dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"))->SelectItem(Find(L"mp_page"));
    NotifyClick(Find(L"mp_profile_fun_spread_btn"));
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallForegroundProgram(nullptr);
    InstallHidBackend(nullptr);
  }

  // Ends the watcher, so that no pass of its runs between a test's steps.
  void StopWatcher() {
    SetEvent(window->m_stopEvents[kWatcher]);
    ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[kWatcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  }
  static constexpr int kWatcher = 13;  // its place in the workers' start order

  CComboUI* Combo() { return dynamic_cast<CComboUI*>(Find(L"mp_deng_profile_combo")); }
  // "Profile 2" added and linked to a game, "Profile 1" the user's choice.
  void AddASecondProfileLinkedToTheRacer() {
    NotifyClick(Find(L"mp_pro_deng_add_btn"));
    Combo()->SelectItem(0);
    WritePrivateProfileStringW(L"PROFILELIKEDENGEXE", L"1", L"1", (folder + L"mpProfile.ini").c_str());
    WritePrivateProfileStringW(L"DENGPROCESS", L"1", L"C:\\Games\\Racer.exe", (folder + L"mpProfile.ini").c_str());
  }
  COptionUI* LinkCheck() { return dynamic_cast<COptionUI*>(Find(L"mp_deng_profile_link_check")); }
  std::wstring Entry(const wchar_t* section, const wchar_t* key) {
    return ReadIniText(folder + L"mpProfile.ini", section, key, L"<none>");
  }
  std::vector<unsigned char> Payload(const wchar_t* name) {
    const std::vector<unsigned char> file = ReadBytes(folder + name + L".led");
    return file.size() == 80 ? std::vector<unsigned char>(file.begin() + 16, file.end()) : file;
  }

  SimulatedHidBackend bus;
  InjectedForegroundProgram foreground;
  std::wstring folder;
  std::vector<std::wstring> messages;
};

TEST_F(MousePadProfilePageTest, AFirstRunListsProfile1AndAddedProfilesLoadWhenSelected) {
  StopWatcher();
  ASSERT_EQ(1, Combo()->GetCount());
  EXPECT_EQ(80u, ReadBytes(folder + L"Profile 1.led").size());
  EXPECT_EQ(L"1", Entry(L"PROFILEDENGCOUNT", L"count"));
  EXPECT_EQ(L"Profile 1", Find(L"mp_deng_profile_name_edit")->GetText().str());

  MousePadPageState().live.red = 0x42;
  window->m_mousePadDirty = 0;
  NotifyClick(Find(L"mp_pro_deng_add_btn"));
  EXPECT_EQ(2, Combo()->GetCount());
  EXPECT_EQ(1, Combo()->GetCurSel());
  EXPECT_EQ(L"1", Entry(L"PROFILEDENGSELECT", L"select"));
  const std::vector<unsigned char> added = Payload(L"Profile 2");
  ASSERT_EQ(64u, added.size());
  EXPECT_EQ(Payload(L"Profile 1"), added) << "made from the factory file";
  EXPECT_EQ(added[6], MousePadPageState().live.red) << "the select loaded it";
  EXPECT_EQ(1, window->m_mousePadDirty.load());
  EXPECT_TRUE(messages.empty());
}

TEST_F(MousePadProfilePageTest, TheResetTakesTheFactoryStartIntoTheLoadedProfileAndSendsNothing) {
  StopWatcher();
  auto pad = MakeSimulatedMousePad();
  bus.Attach(pad);
  // Found, read and then seen: the detection's own load is past, and its pass has ended.
  ASSERT_TRUE(
      PumpUntil([this] { return MousePadPageState().MousePadSeen == 1 && Find(L"mp_tab")->IsVisible(); }, 5000));
  { std::lock_guard<std::recursive_mutex> passDone(window->m_mousePadChannel.m_lock); }
  std::vector<unsigned char> custom(64);
  for (size_t i = 0; i < custom.size(); ++i) custom[i] = static_cast<unsigned char>(0x80 + i);
  custom[0] = 1;
  WriteProfileFile(folder + L"Profile 1.led", custom.data(), custom.size(), PROFILE_KIND_MOUSEPAD);
  ASSERT_EQ(0, window->LoadMousePadLightProfile(0));
  PumpFor(300);
  pad->ClearWireLog();

  NotifyClick(Find(L"mp_pro_deng_reset_btn"));

  const std::vector<unsigned char> file = Payload(L"Profile 1");
  ASSERT_EQ(64u, file.size());
  const std::vector<unsigned char> factory = ReadBytes(ProgramFolder() + L"mpdengdefault.led");
  ASSERT_EQ(80u, factory.size());
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + 56, factory.begin() + 16));
  EXPECT_TRUE(std::equal(file.begin() + 56, file.end(), custom.begin() + 56)) << "bytes 56..63 kept";
  EXPECT_EQ(factory[16 + 6], MousePadPageState().live.red);
  for (const CommandReport& r : pad->Requests()) EXPECT_EQ(0x12, r[COMMAND_FIELD_COMMAND]) << "frames only";
}

TEST_F(MousePadProfilePageTest, APadFoundWithASavedSelectionOutsideTheListGetsTheFirstProfile) {
  StopWatcher();
  Combo()->SelectItem(-1);
  WriteIniText(folder + L"mpProfile.ini", L"PROFILEDENGSELECT", L"select", L"1");
  bus.Attach(MakeSimulatedMousePad());
  ASSERT_TRUE(PumpUntil([this] { return Find(L"mp_tab")->IsVisible(); }, 5000));
  EXPECT_TRUE(PumpUntil([this] { return Combo()->GetCurSel() == 0; }, 2000));
}

TEST_F(MousePadProfilePageTest, UncheckingTheLinkHidesItsRowAndTheCancelButtonKeepsItShown) {
  StopWatcher();
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"C:\\Games\\Racer.exe"); });
  LinkCheck()->Selected(true, true);
  EXPECT_EQ(L"1", Entry(L"PROFILELIKEDENGEXE", L"0"));
  EXPECT_EQ(L"C:\\Games\\Racer.exe", Entry(L"DENGPROCESS", L"0"));
  EXPECT_TRUE(Find(L"mp_deng_profile_link_name_hor")->IsVisible());

  LinkCheck()->Selected(false, true);
  EXPECT_FALSE(Find(L"mp_deng_profile_link_name_hor")->IsVisible());
  EXPECT_EQ(L"0", Entry(L"PROFILELIKEDENGEXE", L"0"));

  LinkCheck()->Selected(true, true);
  NotifyClick(Find(L"mp_deng_cancle_link_btn"));
  EXPECT_FALSE(LinkCheck()->IsSelected());
  EXPECT_TRUE(Find(L"mp_deng_profile_link_name_hor")->IsVisible());
  EXPECT_EQ(L"0", Entry(L"PROFILELIKEDENGEXE", L"0"));
  EXPECT_EQ(L"", Entry(L"DENGPROCESS", L"0")) << "one blank, read back trimmed";
}

TEST_F(MousePadProfilePageTest, AnImportReplacesTheSelectedProfileAndARefusedOneChangesNothing) {
  StopWatcher();
  NotifyClick(Find(L"mp_pro_deng_add_btn"));
  Combo()->SelectItem(0);
  std::vector<unsigned char> imported(64, 0x21);
  imported[0] = 2;
  const std::wstring source = folder + L"from elsewhere.led";
  WriteProfileFile(source, imported.data(), imported.size(), PROFILE_KIND_MOUSEPAD);
  AnswerFileDialogsWith([&source](const FileDialogRequest&) { return source; });

  NotifyClick(Find(L"mp_pro_deng_import_btn"));
  EXPECT_EQ(2, Combo()->GetCount());
  EXPECT_EQ(L"2", Entry(L"PROFILEDENGCOUNT", L"count"));
  EXPECT_EQ(imported, Payload(L"Profile 1"));
  EXPECT_EQ(0x21, MousePadPageState().live.red);
  EXPECT_TRUE(Find(L"mp_pro_deng_import_btn")->IsEnabled());

  // A keyboard's light profile has another length: refused, nothing written.
  std::vector<unsigned char> other(1958, 0x55);
  WriteProfileFile(source, other.data(), other.size(), PROFILE_KIND_KEYBOARD);
  NotifyClick(Find(L"mp_pro_deng_import_btn"));
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(messages[0].find(L"not a valid profile"), std::wstring::npos) << "message_text_9 in English";
  EXPECT_EQ(imported, Payload(L"Profile 1"));
  EXPECT_TRUE(Find(L"mp_pro_deng_import_btn")->IsEnabled());
}

TEST_F(MousePadProfilePageTest, TheWatcherSelectsALinkedProgramsProfileAndKeepsTheUsersChoice) {
  AddASecondProfileLinkedToTheRacer();
  foreground.path = L"c:\\games\\RACER.EXE";

  // Selected and loaded on the watcher's thread; its saves then go to the profile shown.
  EXPECT_TRUE(PumpUntil([this] { return Combo()->GetCurSel() == 1 && LastLoadedMousePadProfile() == L"Profile 2"; },
                        3000))
      << "within one pass";
  EXPECT_EQ(L"0", Entry(L"PROFILEDENGSELECT", L"select"));
}

// Going back from a linked profile, the watcher unchecks the link box with notification on its own
// thread: the box's route stores the unlinked profile, and a pending keyboard macro edit or a key
// capture is none of its business.
TEST_F(MousePadProfilePageTest, AWatcherUncheckingTheLinkMeetsNoGuard) {
  AddASecondProfileLinkedToTheRacer();
  foreground.path = L"C:\\Games\\Racer.exe";
  ASSERT_TRUE(PumpUntil([this] { return Combo()->GetCurSel() == 1 && LinkCheck()->IsSelected(); }, 6000));

  // The keyboard's macro page shown with an edit pending.
  dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"))->SelectItem(0);
  dynamic_cast<CTabLayoutUI*>(Find(L"kb_tab_switch"))->SelectItem(1);
  Find(L"kb_macro_tab_saveorcancel")->SetVisible(true);
  ASSERT_TRUE(Find(L"kb_macro_tab_saveorcancel")->IsVisible());
  const bool keyboardTabBefore = dynamic_cast<COptionUI*>(Find(L"kb_tab"))->IsSelected();
  ASSERT_TRUE(window->SetHook(HOOK_MODE_MOU_SINGLEKEY, true, true, false));
  messages.clear();
  foreground.path = L"C:\\Tools\\Editor.exe";
  ASSERT_TRUE(PumpUntil([this] { return Combo()->GetCurSel() == 0 && !LinkCheck()->IsSelected(); }, 6000));
  PumpFor(300);

  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(keyboardTabBefore, dynamic_cast<COptionUI*>(Find(L"kb_tab"))->IsSelected()) << "no tab brought back";
  EXPECT_TRUE(window->m_deviceHook.IsInstalled()) << "the capture goes on";
  EXPECT_EQ(L"0", Entry(L"PROFILELIKEDENGEXE", L"0"));
  EXPECT_EQ(L"1", Entry(L"PROFILELIKEDENGEXE", L"1")) << "the linked profile keeps its link";
  window->SetHook(HOOK_MODE_MOU_SINGLEKEY, false, true, false);
  Find(L"kb_macro_tab_saveorcancel")->SetVisible(false);
}

}  // namespace
