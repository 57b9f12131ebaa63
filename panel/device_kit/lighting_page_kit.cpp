#include "lighting_page_kit.h"

#include <string>

#include "main_wnd.h"
#include "palette_dialog.h"

namespace {
constexpr int kLevelCount = 4;  // sliders show 0..4

void SetPanel(CMainWnd& window, const wchar_t* name, PanelState state) {
  if (!name || state == PanelState::Leave) return;
  CControlUI* panel = window.Find(name);
  if (!panel) return;
  panel->SetVisible(state != PanelState::Hidden);
  if (state != PanelState::Hidden) panel->SetEnabled(state == PanelState::Enabled);
}

void SetLabel(CMainWnd& window, const wchar_t* name, const wchar_t* textId) {
  if (!name) return;
  if (CControlUI* label = window.Find(name)) label->SetText(textId);
}

int SliderValue(CMainWnd& window, const wchar_t* name) {
  CProgressUI* slider = window.Find<CProgressUI>(name);
  return slider ? slider->GetValue() : 0;
}

void SetSliderValue(CMainWnd& window, const wchar_t* name, int value) {
  if (CProgressUI* slider = window.Find<CProgressUI>(name)) slider->SetValue(value);
}

void ClearCheck(CMainWnd& window, const wchar_t* name, bool notify) {
  if (!name) return;
  if (notify) {
    CodeMadeNotifications clearing;
    if (COptionUI* check = window.Find<COptionUI>(name)) check->Selected(false, true);
  } else if (CCheckBoxUI* check = window.Find<CCheckBoxUI>(name)) {
    check->SetCheck(false);
  }
}

RouteAction WithKit(const LightingPageKit& kit, void (*handler)(CMainWnd&, const LightingPageKit&, int), int value) {
  return [&kit, handler, value](CMainWnd& window, const RouteCall&) { handler(window, kit, value); };
}

void Direction(CMainWnd& window, const LightingPageKit& kit, int left) { OnLightingDirectionCheck(window, kit, left != 0); }
void Slider(CMainWnd& window, const LightingPageKit& kit, int light) { OnLightingSlider(window, kit, light != 0); }
}  // namespace

void ApplyLightingPlan(CMainWnd& window, const LightingPanelNames& names, const LightingPlanRow& row) {
  SetPanel(window, names.direction, row.direction);
  SetPanel(window, names.colour, row.colour);
  SetPanel(window, names.multicolour, row.multicolour);
  SetPanel(window, names.speed, row.speed);
  SetPanel(window, names.sameMode, row.sameMode);
  if (row.labelLeft) SetLabel(window, names.labelLeft, row.labelLeft);
  if (row.labelRight) SetLabel(window, names.labelRight, row.labelRight);
}

DWORD LightingArgb(uint8_t red, uint8_t green, uint8_t blue) {
  return 0xFF000000u | static_cast<DWORD>(red) << 16 | static_cast<DWORD>(green) << 8 | blue;
}

uint8_t ArgbComponent(DWORD argb, int component) { return static_cast<uint8_t>(argb >> (16 - 8 * component)); }

void ShowLightingColour(CMainWnd& window, const LightingPageKit& kit, const LightingColourFamily& family, DWORD argb) {
  if (CControlUI* button = window.Find(family.colourButton)) {
    button->SetBkImage(L"");
    button->SetBkColor(argb);
  }
  for (int component = 0; component < 3; ++component)
    if (CControlUI* edit = window.Find(kit.edits[component]))
      edit->SetText(std::to_wstring(ArgbComponent(argb, component)).c_str());
}

void SetOptionSilently(CMainWnd& window, const wchar_t* name, bool selected) {
  if (COptionUI* option = window.Find<COptionUI>(name)) option->Selected(selected, false);
}

void ShowLightingSettings(CMainWnd& window, const LightingPageKit& kit, uint8_t level, uint8_t speed, uint8_t forward,
                          uint8_t multicolour) {
  SetSliderValue(window, kit.lightSlider, level);
  SetSliderValue(window, kit.speedSlider, kLevelCount - speed);
  SetOptionSilently(window, kit.multicolourCheck, multicolour != 0);
  SetOptionSilently(window, kit.leftCheck, forward != 0);
  SetOptionSilently(window, kit.rightCheck, forward == 0);
}

void OnLightingMulticolourCheck(CMainWnd& window, const LightingPageKit& kit, CControlUI* check) {
  auto* option = dynamic_cast<COptionUI*>(check);
  kit.hooks.multicolour(window, option && option->IsSelected() ? 1 : 0);
}

// The pair acts as radio buttons whatever the notified state: a click on the selected one selects
// it again and stores the direction again.
void OnLightingDirectionCheck(CMainWnd& window, const LightingPageKit& kit, bool left) {
  SetOptionSilently(window, left ? kit.leftCheck : kit.rightCheck, true);
  SetOptionSilently(window, left ? kit.rightCheck : kit.leftCheck, false);
  kit.hooks.direction(window, left ? 1 : 0);
}

void OnLightingSlider(CMainWnd& window, const LightingPageKit& kit, bool light) {
  if (light) {
    kit.hooks.brightness(window, static_cast<uint8_t>(SliderValue(window, kit.lightSlider)));
    return;
  }
  int speed = kLevelCount - SliderValue(window, kit.speedSlider);
  if (kit.speedClamped && speed < 0) speed = 0;
  kit.hooks.speed(window, static_cast<uint8_t>(speed));
}

void OnLightingColourEdit(CMainWnd& window, const LightingPageKit& kit, int component) {
  const int value = window.ClampEditValue(kit.edits[component], 255);
  const LightingColourFamily& family = kit.hooks.colourFamily(window);
  CControlUI* button = window.Find(family.colourButton);
  const DWORD shift = 16 - 8 * component;
  const DWORD old = button ? button->GetBkColor() : 0;
  const DWORD argb = 0xFF000000u | (old & 0x00FFFFFFu & ~(0xFFu << shift)) | static_cast<DWORD>(value) << shift;
  if (button) button->SetBkColor(argb);
  if (CColorPaletteUI* palette = window.Find<CColorPaletteUI>(family.palette)) palette->SetSelectColor(argb);
  ClearCheck(window, family.clearedCheck, component == 0 && family.redEditClearsWithNotify);
  family.storeComponent(window, component, static_cast<uint8_t>(value));
}

void OnLightingSwatch(CMainWnd& window, const LightingPageKit& kit, int number) {
  if (number < 0 || number >= kDpiSwatchCount) return;
  const DWORD argb = DPI_SWATCH_COLORS[number];
  if (kit.swatchSelectsInPalette)
    if (CColorPaletteUI* palette = window.Find<CColorPaletteUI>(kit.palette)) palette->SetSelectColor(argb);
  kit.hooks.applyColour(window, argb);
}

void OnLightingPaletteColour(CMainWnd& window, const LightingPageKit& kit) {
  if (CColorPaletteUI* palette = window.Find<CColorPaletteUI>(kit.palette))
    kit.hooks.applyColour(window, palette->GetSelectColor());
}

RouteTable LightingKitRoutes(const LightingPageKit& kit) {
  const LightingPageKit* k = &kit;
  RouteTable routes = {
      ExactRoute(NotifyType::SelectChanged, kit.multicolourCheck,
                 [k](CMainWnd& window, const RouteCall& call) { OnLightingMulticolourCheck(window, *k, call.sender); },
                 SelectPhase::ActThenGuard),
      ExactRoute(NotifyType::SelectChanged, kit.leftCheck, WithKit(kit, Direction, 1), SelectPhase::ActThenGuard),
      ExactRoute(NotifyType::SelectChanged, kit.rightCheck, WithKit(kit, Direction, 0), SelectPhase::ActThenGuard),
      ExactRoute(NotifyType::ValueChanged, kit.lightSlider, WithKit(kit, Slider, 1)),
      ExactRoute(NotifyType::ValueChanged, kit.speedSlider, WithKit(kit, Slider, 0)),
      NumberedRoute(NotifyType::Click, kit.swatchPrefix, 0, kDpiSwatchCount - 1,
                    [k](CMainWnd& window, const RouteCall& call) { OnLightingSwatch(window, *k, call.number); }),
  };
  for (int component = 0; component < 3; ++component)
    routes.push_back(ExactRoute(NotifyType::TextChanged, kit.edits[component], WithKit(kit, OnLightingColourEdit, component)));
  if (kit.palette)
    routes.push_back(ExactRoute(NotifyType::ColorChanged, kit.palette,
                                [k](CMainWnd& window, const RouteCall&) { OnLightingPaletteColour(window, *k); }));
  return routes;
}
