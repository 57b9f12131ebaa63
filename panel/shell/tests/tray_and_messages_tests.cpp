// The main window's own messages: power, progress, the capture hook's messages, the tray icon's
// menu with its languages, the about window and the menu command's record check.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "about_window.h"
#include "panel_message.h"
#include "panel_settings.h"
#include "panel_window_fixture.h"
#include "timer_ids.h"
#include "ui/tracked_allocations.h"
#include "window_messages.h"

namespace {

TEST_F(PanelWindowTest, SuspendStopsLedFramesUntilTheAutomaticResume) {
  OpenWindow();
  window->SendMessage(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  EXPECT_EQ(window->m_ledFramesEnabled, 0);
  window->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  EXPECT_EQ(window->m_ledFramesEnabled, 0) << "only the automatic resume switches them on";
  window->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(window->m_ledFramesEnabled, 1);
}

TEST_F(PanelWindowTest, ProgressIsShownAndHiddenASecondAfterItsEnd) {
  OpenWindow();
  CControlUI* progress = Find(L"setting_progress");
  window->SendMessage(WM_SHOW_PROGRESS);
  EXPECT_TRUE(progress->IsVisible());
  window->SendMessage(WM_HIDE_PROGRESS);
  EXPECT_TRUE(progress->IsVisible());
  EXPECT_TRUE(PumpUntil([&] { return !progress->IsVisible(); }, 3000));
}

TEST_F(PanelWindowTest, LosingTheLastDeviceShowsAClosingNoticeThenHidesTheWindow) {
  OpenWindow();
  ShowWindow(window->GetHWND(), SW_SHOW);
  std::vector<std::wstring> shown;
  WatchMessageBoxesWith([&](CMsgWnd& box) { shown.push_back(box.FindControl(L"MessageText")->GetText().str()); });
  window->SendMessage(WM_LAST_DEVICE_LOST);  // returns once the box closed by itself
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], L"The device has been disconnected.");
  EXPECT_FALSE(IsWindowVisible(window->GetHWND()));
}

// Keys typed while the page captures one reach the window as hook messages; they are swallowed.
TEST_F(PanelWindowTest, CapturedKeysArriveAsHookMessagesUntilTheHookIsRemoved) {
  OpenWindow();
  DebugLogCapture log;
  auto type = [](WORD key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    std::thread sender([&inputs] { SendInput(2, inputs, sizeof(INPUT)); });
    PumpFor(300);
    sender.join();
    PumpFor(50);
  };
  ASSERT_TRUE(window->SetHook(HOOK_MODE_KEY_SINGLEKEY, true, true, false));
  type('G');
  EXPECT_EQ(log.Count(L"WM_HOOK_KEY_SINGLEKEY"), 2) << "press and release";
  ASSERT_TRUE(window->SetHook(HOOK_MODE_MOU_MACRO, true, true, false));
  type('H');
  EXPECT_EQ(log.Count(L"WM_HOOK_MOU_MACRO"), 2);
  window->SetHook(0, false, false, false);
  type('J');
  EXPECT_EQ(log.Count(L"WM_HOOK_MOU_MACRO"), 2);
}

TEST_F(PanelWindowTest, TheCaptureHookIsSwitchedOnlyFromTheWindowThread) {
  OpenWindow();
  auto fromAnotherThread = [this](bool enable) {
    bool result = true;
    std::thread([&] { result = window->SetHook(HOOK_MODE_KEY_SINGLEKEY, enable, true, false); }).join();
    return result;
  };
  EXPECT_FALSE(fromAnotherThread(true));
  EXPECT_FALSE(window->m_deviceHook.IsInstalled()) << "a hook set there would wait on a thread that never pumps";
  ASSERT_TRUE(window->SetHook(HOOK_MODE_KEY_SINGLEKEY, true, true, false));
  EXPECT_FALSE(fromAnotherThread(false));
  EXPECT_TRUE(window->m_deviceHook.IsInstalled());
  window->SetHook(0, false, false, false);
  EXPECT_FALSE(window->m_deviceHook.IsInstalled());
}

void LeftClickTrayIcon(TestMainWnd& window) { window.PostMessage(WM_TRAYICON_NOTIFY, 0, WM_LBUTTONUP); }

// Another program's window has the foreground; the panel is minimised in the tray.
TEST_F(PanelWindowTest, TrayLeftClickWithADeviceBringsTheWindowForward) {
  OpenWindow();
  int boxes = 0;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    ++boxes;
    box.Close(0);
  });
  const HWND panel = window->GetHWND();
  ShowWindow(panel, SW_SHOWMINIMIZED);
  ShowWindow(panel, SW_HIDE);
  const HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                     nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);
  window->m_mouseChannel.m_connected = 1;

  window->SendMessage(WM_TRAYICON_NOTIFY, 0, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_FALSE(IsIconic(panel)) << "restored";
  EXPECT_EQ(GetForegroundWindow(), panel);
  EXPECT_FALSE(GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_TOPMOST) << "but not kept topmost";
  EXPECT_TRUE(KillTimer(panel, TIMER_REPAINT)) << "and repainted shortly";
  EXPECT_EQ(boxes, 0);
  window->m_mouseChannel.m_connected = 0;
  DestroyWindow(other);
}

std::vector<HWND> openBoxes;
void CALLBACK CloseOpenBoxes(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  for (auto box = openBoxes.rbegin(); box != openBoxes.rend(); ++box) PostMessageW(*box, WM_CLOSE, 0, 0);
  openBoxes.clear();
}

// The tray's notice has its own guard: a click while it is open shows no second one, a box opened
// through the registered message does not hold it back, and once closed it shows again.
TEST_F(PanelWindowTest, TrayLeftClickWithoutADeviceShowsTheNoticeOnceWhileItIsOpen) {
  OpenWindow();
  ShowWindow(window->GetHWND(), SW_SHOW);
  std::vector<std::wstring> shown;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    shown.push_back(box.FindControl(L"MessageText")->GetText().str());
    openBoxes.push_back(box.GetHWND());
    if (openBoxes.size() == 1) SetTimer(nullptr, 0, 600, CloseOpenBoxes);
  });
  window->PostMessage(PanelRegisteredMessage, 0, 0);
  LeftClickTrayIcon(*window);
  LeftClickTrayIcon(*window);
  PumpFor(1000);
  ASSERT_EQ(shown.size(), 2u) << "one for the registered message, one for the tray";
  EXPECT_EQ(shown[1], L"No device is connected. Please connect a device and try again.");
  EXPECT_FALSE(IsWindowVisible(window->GetHWND()));

  LeftClickTrayIcon(*window);
  PumpFor(1000);
  EXPECT_EQ(shown.size(), 3u) << "closed, the tray's notice shows again";
}

std::vector<std::wstring> ItemNames(CMenuWnd& menu) {
  std::vector<std::wstring> names;
  CMenuUI* items = menu.GetMenuUI();
  for (int i = 0; items && i < items->GetCount(); ++i) names.push_back(items->GetItemAt(i)->GetName().str());
  return names;
}

// A loaded machine can take long to show a window or to relabel one.
constexpr DWORD kShownMs = 10000;

// The menu, once it shows and has taken the activation (a click elsewhere then closes it).
CMenuWnd& RightClickTrayIcon(TestMainWnd& window) {
  window.SendMessage(WM_TRAYICON_NOTIFY, 0, WM_RBUTTONUP);
  EXPECT_TRUE(PumpUntil(
      [&window] {
        const HWND menu = window.m_trayMenu ? window.m_trayMenu->GetHWND() : nullptr;
        return IsWindowVisible(menu) && GetForegroundWindow() == menu;
      },
      kShownMs));
  return *window.m_trayMenu;
}

void Choose(CMenuWnd& menu, const wchar_t* item) {
  CControlUI* element = menu.GetMenuUI()->GetManager()->FindControl(item);
  ASSERT_NE(element, nullptr) << item;
  element->GetManager()->SendNotify(element, L"itemclick");
}

TEST_F(PanelWindowTest, TrayRightClickOffersExitFirstAndTheLanguagesAboveTheCursor) {
  OpenWindow();
  WriteSkinImageValue(iniPath, L"LANGUAGE", L"1");
  SetCursorPos(400, 300);
  CMenuWnd& menu = RightClickTrayIcon(*window);
  ASSERT_TRUE(IsWindowVisible(menu.GetHWND()));
  const std::vector<std::wstring> expected = {L"exit", L"lan_en", L"lan_de", L"lan_fr", L"About_setting"};
  EXPECT_EQ(ItemNames(menu), expected);
  EXPECT_EQ(menu.GetMenuUI()->GetItemAt(0)->GetText(), L"Schli\u00DFen");
  RECT rc;
  GetWindowRect(menu.GetHWND(), &rc);
  EXPECT_EQ(rc.bottom, 250) << "it ends 50 pixels above the cursor";
  EXPECT_EQ(rc.right, 400);

  CMenuWnd* first = &menu;
  CMenuWnd& second = RightClickTrayIcon(*window);
  EXPECT_NE(&second, first) << "each right click makes a new menu";
  EXPECT_EQ(FindWindowW(L"MenuWnd", nullptr), second.GetHWND()) << "and only that one is open";
}

TEST_F(PanelWindowTest, ChoosingGermanInTheMenuRelabelsWindowAndMenuAndIsKept) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegCloseKey(key);
  OpenWindow();
  DebugLogCapture log;
  CMenuWnd& english = RightClickTrayIcon(*window);
  EXPECT_EQ(english.GetMenuUI()->GetItemAt(0)->GetText(), L"Close");
  EXPECT_EQ(english.GetMenuUI()->GetItemAt(4)->GetText(), L"About");
  Choose(english, L"lan_de");
  ASSERT_TRUE(PumpUntil([&] { return Find(L"main_title")->GetText() == L"KARVO Treiber"; }, kShownMs));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(english.GetHWND()); }, kShownMs)) << "the menu closes with the choice";
  EXPECT_EQ(CResourceManager::GetInstance()->GetLanguage(), L"de");
  EXPECT_EQ(ReadSkinImageText(iniPath, L"LANGUAGE"), L"1");
  std::wstring registry;
  ASSERT_TRUE(ReadRegistryLanguage(registry));
  EXPECT_EQ(registry, L"2020");
  EXPECT_EQ(log.Count(L"\u5199\u6210\u529F\uFF01"), 1);

  CMenuWnd& german = RightClickTrayIcon(*window);
  EXPECT_EQ(german.GetMenuUI()->GetItemAt(0)->GetText(), L"Schli\u00DFen");
  EXPECT_EQ(german.GetMenuUI()->GetItemAt(4)->GetText(), L"\u00DCber");

  Choose(german, L"lan_fr");
  ASSERT_TRUE(PumpUntil([&] { return Find(L"main_title")->GetText() == L"Pilote KARVO"; }, kShownMs));
  ASSERT_TRUE(ReadRegistryLanguage(registry));
  EXPECT_EQ(registry, L"3030");
}

TEST_F(PanelWindowTest, LanguageSwitchWithoutTheRegistryKeyStillChangesTheTexts) {
  OpenWindow();
  Choose(RightClickTrayIcon(*window), L"lan_fr");
  ASSERT_TRUE(PumpUntil([&] { return Find(L"main_title")->GetText() == L"Pilote KARVO"; }, 2000));
  EXPECT_EQ(ReadSkinImageText(iniPath, L"LANGUAGE"), L"2");
  std::wstring registry;
  EXPECT_FALSE(ReadRegistryLanguage(registry)) << "the key is not created";
}

MenuCommandRecord* IssuedRecord(const wchar_t* name, const wchar_t* text = L"") {
  auto* record = NewTrackedRecord<MenuCommandRecord>();
  wcscpy(record->name, name);
  wcscpy(record->text, text);
  return record;
}

int CountWindows(const wchar_t* className) {
  int count = 0;
  for (HWND found = FindWindowExW(nullptr, nullptr, className, nullptr); found;
       found = FindWindowExW(nullptr, found, className, nullptr))
    ++count;
  return count;
}

TEST_F(PanelWindowTest, MenuCommandsTakeOnlyRecordsTheMenuIssued) {
  OpenWindow();
  MenuCommandRecord forged{};
  wcscpy(forged.name, L"exit");
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(&forged), 0);
  window->SendMessage(WM_MENU_COMMAND, 0, 0);
  PumpFor(100);
  EXPECT_TRUE(IsWindow(window->GetHWND())) << "a record of its own does not end the panel";

  std::vector<std::wstring> shown;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    shown.push_back(box.FindControl(L"MessageText")->GetText().str());
    box.Close(0);
  });
  MenuCommandRecord* issued = IssuedRecord(L"Menu_Other", L"message_text_8");
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(issued), 0);
  EXPECT_FALSE(IsTrackedRecord(issued)) << "freed by the receiver";
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(IssuedRecord(L"Menu_Import")), 0);
  ASSERT_EQ(shown.size(), 1u) << "an unknown item shows its text; import shows nothing";
  EXPECT_EQ(shown[0], L"The file cannot be read.");
}

TEST_F(PanelWindowTest, OneAboutWindowAtATime) {
  OpenWindow();
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(IssuedRecord(L"about_SETTING")), 0);
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(IssuedRecord(L"About_setting")), 0);
  PumpFor(100);
  ASSERT_EQ(CountWindows(L"UICOPYRIGHT"), 1);
  HWND about = FindWindowW(L"UICOPYRIGHT", nullptr);
  EXPECT_TRUE(IsWindowVisible(about));
  auto* shown = dynamic_cast<Ccopyright*>(reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(about, GWLP_USERDATA)));
  ASSERT_NE(shown, nullptr);
  NotifyClick(shown->FindControl(L"closebtn"));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(about); }, 2000));
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(IssuedRecord(L"About_setting")), 0);
  EXPECT_EQ(CountWindows(L"UICOPYRIGHT"), 1) << "closed, it opens again";
}

}  // namespace
