// Pictures of the mouse page with its profile panel open and a device profile linked to a program,
// and of the key, macro and cursor-script pages, to look at. Each is checked for what a broken page
// would show: a blank panel, an empty link, pages that do not differ. Runs the real main window with
// a simulated mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data_folders.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "window_capture.h"

namespace {

class MouseProfileScreen : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    RemoveTree(DeviceProfileFolder(nullptr, L"ms"));
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }
  void Select(const wchar_t* option) { dynamic_cast<COptionUI*>(Find(option))->Selected(true, true); }
  void Picture(const char* file) {
    InvalidateRect(window->GetHWND(), nullptr, TRUE);
    PumpFor(500);
    EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), file));
    std::printf("written: %s\n", file);
  }
  RgbImage Shown(const wchar_t* name) {
    CControlUI* control = Find(name);
    EXPECT_TRUE(control && control->IsVisible()) << std::string(name, name + wcslen(name));
    return control ? CaptureClientRect(window->GetHWND(), control->GetPos()) : RgbImage(0, 0, 0);
  }
  // The page area as the picture shows it, drawn.
  RgbImage ShownPage(const char* file) {
    RgbImage page = Shown(L"ms_tab_switch");
    EXPECT_GE(DistinctColours(page), 16u) << file << ": the page is drawn";
    return page;
  }
  SimulatedHidBackend bus;
};

TEST_F(MouseProfileScreen, ProfilePanelWithALinkedDeviceProfile) {
  bus.Attach(MakeSimulatedMouse());
  OpenWindow();
  ASSERT_TRUE(PumpUntil([this] { return Find(L"ms_tab")->IsVisible(); }, 10000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  NotifyClick(Find(L"ms_profile_fun_spread_btn"));
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"C:\\Games\\Racer.exe"); });
  dynamic_cast<COptionUI*>(Find(L"ms_device_profile_link_check"))->Selected(true, true);
  NotifyClick(Find(L"ms_pro_deng_edit_btn"));
  Picture("mouse_profile_panel.png");
  EXPECT_GE(DistinctColours(Shown(L"ms_profile_fun_spead_tab")), 16u) << "the profile panel is drawn";
  EXPECT_GE(DistinctColours(Shown(L"ms_device_profile_link_edit")), 4u) << "the linked program's name is shown";
}

TEST_F(MouseProfileScreen, KeyMacroAndCursorScriptPages) {
  bus.Attach(MakeSimulatedMouse());
  OpenWindow();
  ASSERT_TRUE(PumpUntil([this] { return Find(L"ms_tab")->IsVisible(); }, 10000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  Select(L"ms_tab");

  Select(L"ms_key_Op_tab");
  NotifyClick(Find(L"ms_key_2"));
  Picture("mouse_key_page.png");
  std::vector<RgbImage> pages = {ShownPage("mouse_key_page.png")};

  Select(L"ms_macro_Op_tab");
  NotifyClick(Find(L"ms_macro_btn_name_add"));
  Select(L"ms_macro_mouse_click");
  Select(L"ms_macro_btn_redio");
  KBDLLHOOKSTRUCT key{};
  key.vkCode = 'A';
  window->RecordMouseMacroKeyEvent(WM_KEYDOWN, reinterpret_cast<LPARAM>(&key));
  window->RecordMouseMacroKeyEvent(WM_KEYUP, reinterpret_cast<LPARAM>(&key));
  window->RecordMouseMacroMouseEvent(WM_LBUTTONDOWN, 0);
  window->RecordMouseMacroMouseEvent(WM_LBUTTONUP, 0);
  dynamic_cast<COptionUI*>(Find(L"ms_macro_btn_redio"))->Selected(false, true);
  NotifyClick(Find(L"ms_macro_inset_rightkeydown_btn"));
  Picture("mouse_macro_page.png");
  pages.push_back(ShownPage("mouse_macro_page.png"));
  NotifyClick(Find(L"ms_macro_btn_save"));

  Select(L"ms_cursor_Op_tab");
  Select(L"ms_gun_op_1");
  Picture("mouse_cursor_page.png");
  pages.push_back(ShownPage("mouse_cursor_page.png"));
  for (size_t a = 0; a < pages.size(); ++a)
    for (size_t b = a + 1; b < pages.size(); ++b)
      EXPECT_GT(ShareOfDifferentPixels(pages[a], pages[b]), 0.05) << "pages " << a << " and " << b << " differ";
  NotifyClick(Find(L"ms_profile_fun_spread_btn"));
  Picture("mouse_cursor_page_with_profiles.png");
  EXPECT_GE(DistinctColours(Shown(L"ms_profile_fun_spead_tab")), 16u) << "the profile panel is drawn";
}

}  // namespace
