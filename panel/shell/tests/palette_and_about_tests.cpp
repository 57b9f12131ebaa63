// The colour picker run modally, pictures of the pop-ups for a person to look at, and how the
// main window's pages place their pickers and colour their texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "demo_window.h"
#include "diagnostics.h"
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

// The lowest bottom edge of the visible controls in and below `control`.
LONG LowestVisibleBottom(CControlUI* control) {
  if (!control || !control->IsVisible()) return LONG_MIN;
  LONG lowest = control->GetPos().bottom;
  if (auto* container = dynamic_cast<CContainerUI*>(control))
    for (int i = 0; i < container->GetCount(); ++i) lowest = std::max(lowest, LowestVisibleBottom(container->GetItemAt(i)));
  return lowest;
}

// A lighting page's colour picker lies below the page's controls, also while the profile panel
// above the page takes its share of the height.
TEST_F(PanelWindowTest, ALightingPagesPaletteStaysClearOfThePageWithTheProfilePanelOpen) {
  const struct {
    const wchar_t* page;
    const wchar_t* profilePanel;
    const wchar_t* palette;
  } pages[] = {
      {L"kb_page", L"kb_profile_fun_spead_tab", L"kb_deng_Color_Pallet"},
      {L"ms_page", L"ms_profile_fun_spead_tab", L"ms_deng_Color_Pallet"},
      {L"mp_page", L"mp_profile_fun_spead_tab", L"mp_deng_Color_Pallet"},
      {L"hs_page", L"hs_profile_fun_spead_tab", L"hs_deng_Color_Pallet"},
  };
  OpenWindow();
  ShowWindow(window->GetHWND(), SW_SHOW);
  for (const auto& p : pages) {
    SCOPED_TRACE(ToUtf8(p.page));
    static_cast<CTabLayoutUI*>(Find(L"tab_switch"))->SelectItem(Find(p.page));
    for (bool panelOpen : {false, true}) {
      Find(p.profilePanel)->SetVisible(panelOpen);
      PumpFor(200);
      CControlUI* palette = Find(p.palette);
      ASSERT_TRUE(palette->IsVisible());
      EXPECT_LT(palette->GetPos().top + 40, palette->GetPos().bottom) << "a picker with room to pick in";
      auto* parent = static_cast<CContainerUI*>(palette->GetParent());
      for (int i = 0; parent->GetItemAt(i) != palette; ++i)
        EXPECT_LE(LowestVisibleBottom(parent->GetItemAt(i)), palette->GetPos().top) << "panel open: " << panelOpen;
    }
  }
}
double RelativeLuminance(DWORD argb) {
  auto channel = [](DWORD value) {
    const double c = (value & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(argb >> 16) + 0.7152 * channel(argb >> 8) + 0.0722 * channel(argb);
}

double Contrast(DWORD a, DWORD b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void CollectTexts(CControlUI* control, std::vector<CLabelUI*>& labels) {
  if (auto* label = dynamic_cast<CLabelUI*>(control)) labels.push_back(label);
  if (auto* container = dynamic_cast<CContainerUI*>(control))
    for (int i = 0; i < container->GetCount(); ++i) CollectTexts(container->GetItemAt(i), labels);
}

// Every text drawn on a colour of its own stays readable there, enabled or not. Dimmed texts may
// be dim, not the colour of what they stand on.
TEST_F(PanelWindowTest, TextsStandOutFromTheColourTheyAreDrawnOn) {
  constexpr double kLeastContrast = 1.75;
  OpenWindow();
  std::vector<CLabelUI*> labels;
  CollectTexts(window->Manager().GetRoot(), labels);
  for (CLabelUI* label : labels) {
    const DWORD background = label->GetBkColor();
    if ((background >> 24) != 0xFF || label->GetText().IsEmpty()) continue;
    const std::string name = ToUtf8(label->GetName().GetData());
    EXPECT_GE(Contrast(label->GetTextColor(), background), kLeastContrast) << name;
    EXPECT_GE(Contrast(label->GetDisabledTextColor(), background), kLeastContrast) << name << " disabled";
  }
}
}  // namespace
