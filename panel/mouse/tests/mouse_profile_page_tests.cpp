// The mouse's profile lists in the main window built from the panel's skin, with a simulated mouse
// on the HID seam and the program in front injected: the detection's select, the device list's
// add, select and link through the page, a refused light import, and the key list's watcher.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "data_folders.h"
#include "file_dialogs.h"
#include "foreground_program.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "mouse_state.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "worker_threads.h"

namespace {

struct InjectedForegroundProgram : ForegroundProgram {
  std::wstring Path() override { return L"C:\\Games\\Racer.exe"; }
};

class MouseProfilePageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    InstallForegroundProgram(&foreground);
    folder = DeviceProfileFolder(nullptr, L"ms");
    RemoveTree(folder);
    folder = DeviceProfileFolder(nullptr, L"ms");
    PanelWindowTest::SetUp();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      messages.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(1);
    });
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallForegroundProgram(nullptr);
    InstallHidBackend(nullptr);
    RemoveTree(folder);
  }

  // Their places in the workers' start order.
  static constexpr int kDeviceWatcher = 11, kKeyWatcher = 12;

  CComboUI* Combo(const wchar_t* name) { return dynamic_cast<CComboUI*>(Find(name)); }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  std::wstring Text(const wchar_t* name) { return Find(name)->GetText().str(); }
  std::wstring Entry(const wchar_t* section, const wchar_t* key) {
    return ReadIniText(folder + L"msProfile.ini", section, key, L"<none>");
  }
  bool MouseShown() { return Option(L"ms_tab")->IsVisible() && Option(L"ms_tab")->IsSelected(); }
  // The device watcher's first pass has selected the saved profile; then it ends, so that no pass
  // of its runs between a test's steps.
  void StopDeviceWatcherOnceItSelected() {
    ASSERT_TRUE(PumpUntil([this] { return Combo(L"ms_device_profile_combo")->GetCurSel() == 0; }, 10000));
    SetEvent(window->m_stopEvents[kDeviceWatcher]);
    ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[kDeviceWatcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  }
  std::shared_ptr<SimulatedDevice> PlugMouse() {
    auto mouse = MakeSimulatedMouse();
    bus.Attach(mouse);
    EXPECT_TRUE(PumpUntil([this] { return MouseShown(); }, 10000));
    std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
    return mouse;
  }

  SimulatedHidBackend bus;
  InjectedForegroundProgram foreground;
  std::wstring folder;
  std::vector<std::wstring> messages;
};

// The detection thread selects the saved profile while it holds the channel's lock; the select's
// commands go through the same lock on the same thread.
TEST_F(MouseProfilePageTest, TheDetectionSelectsTheSavedProfileOnItsOwnThread) {
  OpenWindow();
  StopDeviceWatcherOnceItSelected();
  Combo(L"ms_device_profile_combo")->SelectItem(-1);
  auto mouse = MakeSimulatedMouse();
  std::atomic<DWORD> settingsThread{0};
  mouse->SetRequestObserver([&](const uint8_t* request) {
    if (request[COMMAND_FIELD_COMMAND] == 0x06 && request[COMMAND_FIELD_LENGTH] == 33) settingsThread = GetCurrentThreadId();
  });
  bus.Attach(mouse);
  ASSERT_TRUE(PumpUntil([this] { return MouseShown(); }, 10000));
  std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
  mouse->SetRequestObserver(nullptr);
  EXPECT_EQ(Combo(L"ms_device_profile_combo")->GetCurSel(), 0);
  EXPECT_NE(settingsThread.load(), 0u);
  EXPECT_NE(settingsThread.load(), GetCurrentThreadId());
  std::vector<int> afterSettings;
  bool seen = false;
  for (const CommandReport& r : mouse->Requests()) {
    if (seen) afterSettings.push_back(r[COMMAND_FIELD_COMMAND]);
    seen = seen || (r[COMMAND_FIELD_COMMAND] == 0x06 && r[COMMAND_FIELD_LENGTH] == 33);
  }
  ASSERT_FALSE(afterSettings.empty());
  EXPECT_EQ(afterSettings.front(), 0x09);
}

// A saved selection that names no profile (the list was shortened elsewhere) must not leave the
// saves without a profile: they went into a file named "0.config" that no list shows.
TEST_F(MouseProfilePageTest, ASavedSelectionOutsideTheListSelectsTheFirstProfileOnConnect) {
  for (const wchar_t* name : {L"A", L"B"}) {
    const std::vector<uint8_t> payload(576, 0x21);
    WriteProfileFile(folder + name + L".config", payload.data(), payload.size(), PROFILE_KIND_MOUSE);
  }
  WriteText(folder + L"msProfile.ini",
            "[PROFILEDEVICECOUNT]\r\ncount=2\r\n[PROFILEDEVICENAME]\r\n0=A\r\n1=B\r\n"
            "[PROFILEDEVICESELECT]\r\nselect=2\r\n");
  bus.Attach(MakeSimulatedMouse());
  OpenWindow();
  ASSERT_TRUE(PumpUntil([this] { return MouseShown(); }, 10000));
  std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
  EXPECT_EQ(Combo(L"ms_device_profile_combo")->GetCurSel(), 0);
  EXPECT_EQ(Entry(L"PROFILEDEVICESELECT", L"select"), L"0");
  MouseLiveSettings[1] = 0x5C;
  window->SaveMouseDeviceProfile();
  EXPECT_EQ(ReadBytes(folder + L"A.config").at(16 + 512 + 1), 0x5C);
  EXPECT_FALSE(PathExists(folder + L"0.config"));
}

TEST_F(MouseProfilePageTest, AddSelectAndLinkADeviceProfileThroughThePage) {
  OpenWindow();
  StopDeviceWatcherOnceItSelected();
  auto mouse = PlugMouse();
  NotifyClick(Find(L"ms_profile_fun_spread_btn"));
  EXPECT_TRUE(Find(L"ms_profile_fun_spead_tab")->IsVisible());

  mouse->ClearWireLog();
  NotifyClick(Find(L"ms_pro_device_add_btn"));
  EXPECT_EQ(Combo(L"ms_device_profile_combo")->GetCount(), 2);
  EXPECT_EQ(Text(L"ms_device_profile_name_edit"), L"Profile 2");
  EXPECT_EQ(Entry(L"PROFILEDEVICESELECT", L"select"), L"1");
  ASSERT_FALSE(mouse->Requests().empty());
  const CommandReport first = mouse->Requests().front();
  EXPECT_EQ(first[COMMAND_FIELD_COMMAND], 0x06);
  EXPECT_EQ(first[COMMAND_FIELD_LENGTH], 33);
  EXPECT_EQ(mouse->Requests().back()[COMMAND_FIELD_COMMAND], 0x09);
  EXPECT_TRUE(PumpUntil([] {
    UINT lines = 0;
    return SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) && lines == MouseWheelLines.load();
  }, 5000)) << "the wheel lines reach Windows";

  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"C:\\Games\\Racer.exe"); });
  Option(L"ms_device_profile_link_check")->Selected(true, true);
  EXPECT_EQ(Entry(L"PROFILELIKEDEVICEEXE", L"1"), L"1");
  EXPECT_EQ(Entry(L"DEVICEPROCESS", L"1"), L"C:\\Games\\Racer.exe");
  EXPECT_EQ(Text(L"ms_device_profile_link_edit"), L"Racer.exe");
  EXPECT_TRUE(Find(L"ms_device_profile_link_name_hor")->IsVisible());

  NotifyClick(Find(L"ms_device_cancle_link_btn"));
  EXPECT_FALSE(Option(L"ms_device_profile_link_check")->IsSelected());
  EXPECT_EQ(Entry(L"PROFILELIKEDEVICEEXE", L"1"), L"0");
  EXPECT_TRUE(Find(L"ms_device_profile_link_name_hor")->IsVisible()) << "the device list keeps its row";

  Find(L"ms_deng_Op_tab")->SetFocus();
  EXPECT_FALSE(Find(L"ms_profile_fun_spead_tab")->IsVisible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(MouseProfilePageTest, ALightImportOfAWrongFileIsRefusedAndItsButtonsComeBack) {
  OpenWindow();
  WriteText(folder + L"wrong.led", std::string(16 + 64, 'x'));
  Combo(L"ms_deng_profile_combo")->SelectItem(0);
  AnswerFileDialogsWith([this](const FileDialogRequest&) {
    EXPECT_FALSE(Find(L"ms_pro_deng_import_btn")->IsEnabled());
    return folder + L"wrong.led";
  });
  const std::vector<unsigned char> before = ReadBytes(folder + L"Profile 1.led");
  NotifyClick(Find(L"ms_pro_deng_import_btn"));
  EXPECT_EQ(messages.size(), 1u) << "message_text_9";
  EXPECT_EQ(Combo(L"ms_deng_profile_combo")->GetCount(), 1);
  EXPECT_EQ(ReadBytes(folder + L"Profile 1.led"), before);
  EXPECT_TRUE(Find(L"ms_pro_deng_import_btn")->IsEnabled());
  EXPECT_TRUE(Find(L"ms_pro_deng_export_btn")->IsEnabled());
}

// The key list's links are stored and shown only: its watcher selects nothing, even for the
// program in front.
TEST_F(MouseProfilePageTest, AKeyProfileLinkedToTheProgramInFrontStaysUnselected) {
  WriteIniNumber(folder + L"msProfile.ini", L"PROFILECOUNT", L"count", 2);
  for (const wchar_t* key : {L"0", L"1"}) {
    const std::wstring name = std::wstring(L"Keys ") + key;
    WriteIniText(folder + L"msProfile.ini", L"PROFILENAME", key, name);
    const std::vector<uint8_t> table(512, 0);
    WriteProfileFile(folder + name + L".pro", table.data(), table.size(), PROFILE_KIND_MOUSE);
  }
  WriteIniText(folder + L"msProfile.ini", L"PROFILELIKEEXE", L"1", L"1");
  WriteIniText(folder + L"msProfile.ini", L"PROCESS", L"1", L"C:\\Games\\Racer.exe");
  OpenWindow();
  ASSERT_EQ(Combo(L"ms_key_profile_combo")->GetCount(), 2);
  PumpFor(500);
  EXPECT_EQ(Combo(L"ms_key_profile_combo")->GetCurSel(), -1);
  SetEvent(window->m_stopEvents[kKeyWatcher]);
  EXPECT_EQ(WaitForSingleObject(window->m_threadHandles[kKeyWatcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
}

// A stop set before a watcher's first wait ends it there, and the event stays set.
TEST_F(MouseProfilePageTest, AWatcherNeverClearsItsOwnStopEvent) {
  OpenWindow();
  for (WorkerThreadProc proc : {MouseDeviceProfileWatchThreadProc, MouseKeyProfileWatchThreadProc}) {
    HANDLE stop = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    WorkerThreadParam param{window, stop};
    EXPECT_EQ(0u, proc(&param));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stop, 0));
    CloseHandle(stop);
  }
}

}  // namespace
