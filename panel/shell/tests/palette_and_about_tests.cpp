// The colour picker run modally, and pictures of the pop-ups for a person to look at.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "demo_window.h"
#include "palette_dialog.h"
#include "panel_window_fixture.h"
#include "window_messages.h"
#include "ui/tracked_allocations.h"

namespace {

constexpr DWORD kInitial = 0xFF123456;

struct PickerRun {
  UINT result;
  DWORD selected;
  DWORD shownBeforeClosing;
};

// Opens the picker with the initial colour, lets `act` work on it from inside its modal loop and
// then clicks `closingButton`.
PickerRun RunPicker(const std::function<void(CPalletDialog&)>& act, const wchar_t* closingButton) {
  SetUpPanelUi();
  CPalletDialog dialog(L"GmPalletDialog.xml", kInitial);
  dialog.Create(nullptr, L"pallet", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW);
  dialog.CenterWindow();
  PickerRun run{};
  ActInsideModalLoop([&] {
    act(dialog);
    run.shownBeforeClosing = dialog.FindControl(L"color_show_btn")->GetBkColor();
    NotifyClick(dialog.FindControl(closingButton));
  });
  run.result = dialog.ShowModal();
  run.selected = dialog.GetSelectedColor();
  return run;
}

void ClickSwatch(CPalletDialog& dialog, int number) {
  NotifyClick(dialog.FindControl((L"ms_dpi_color_png_" + std::to_wstring(number)).c_str()));
}

TEST(PaletteDialog, ClosingKeepsTheInitialColourAndOkTakesTheShownOne) {
  const PickerRun closed = RunPicker([](CPalletDialog& d) { ClickSwatch(d, 4); }, L"closebtn");
  EXPECT_EQ(closed.result, 2u);
  EXPECT_EQ(closed.selected, kInitial);
  EXPECT_EQ(closed.shownBeforeClosing, 0xFF008AFFu);

  const PickerRun untouched = RunPicker([](CPalletDialog&) {}, L"okbtn");
  EXPECT_EQ(untouched.result, 1u);
  EXPECT_EQ(untouched.selected, kInitial) << "the initial colour is shown from the start";

  const PickerRun swatch = RunPicker([](CPalletDialog& d) { ClickSwatch(d, 13); }, L"okbtn");
  EXPECT_EQ(swatch.result, 1u);
  EXPECT_EQ(swatch.selected, 0xFFFF0000u) << "swatch 13 repeats swatch 0";
  EXPECT_EQ(swatch.selected, DPI_SWATCH_COLORS[0]);
}

TEST(PaletteDialog, APaletteColourShowsAtOnceAndSwatchesOutOfRangeAreIgnored) {
  const PickerRun picked = RunPicker(
      [](CPalletDialog& d) {
        auto* palette = static_cast<CColorPaletteUI*>(d.FindControl(L"Pallet"));
        palette->SetSelectColor(0xFF20A040);
        palette->GetManager()->SendNotify(palette, L"colorchanged");
      },
      L"okbtn");
  EXPECT_EQ(picked.shownBeforeClosing, 0xFF20A040u);
  EXPECT_EQ(picked.selected, 0xFF20A040u);

  const PickerRun outside = RunPicker(
      [](CPalletDialog& d) {
        CControlUI* swatch = d.FindControl(L"ms_dpi_color_png_29");
        swatch->SetName(L"ms_dpi_color_png_30");
        NotifyClick(swatch);
      },
      L"okbtn");
  EXPECT_EQ(outside.selected, kInitial);
}

RECT WindowRect(HWND window) {
  RECT rc{};
  GetWindowRect(window, &rc);
  return rc;
}

// Saved only when UI_SCREENSHOT_DIR names a folder.
TEST_F(PanelWindowTest, PicturesOfThePickerTheAboutWindowAndThePalette) {
  OpenWindow();
  ShowWindow(window->GetHWND(), SW_SHOW);
  PumpFor(200);
  NotifyClick(Find(L"skinbtn"));
  PumpFor(300);
  SaveScreenArea(WindowRect(window->GetHWND()), L"main_with_skin_picker.png");
  if (HWND picker = FindWindowW(L"UISkinFrame", nullptr)) DestroyWindow(picker);

  auto* record = NewTrackedRecord<MenuCommandRecord>();
  wcscpy(record->name, L"About_setting");
  window->SendMessage(WM_MENU_COMMAND, reinterpret_cast<WPARAM>(record), 0);
  PumpFor(300);
  HWND about = FindWindowW(L"UICOPYRIGHT", nullptr);
  ASSERT_NE(about, nullptr);
  SaveScreenArea(WindowRect(about), L"about_window.png");
  DestroyWindow(about);

  CPalletDialog dialog(L"GmPalletDialog.xml", 0xFF0199CB);
  dialog.Create(window->GetHWND(), L"pallet", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW);
  dialog.CenterWindow();
  ActInsideModalLoop([&] {
    PumpFor(300);
    SaveScreenArea(WindowRect(dialog.GetHWND()), L"palette_dialog.png");
    NotifyClick(dialog.FindControl(L"closebtn"));
  });
  EXPECT_EQ(dialog.ShowModal(), 2u);
}

}  // namespace
