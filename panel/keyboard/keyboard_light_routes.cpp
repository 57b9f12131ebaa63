// The keyboard lighting page's routes and its description for the lighting-page kit.
#include "keyboard_light_page.h"
#include "keyboard_light_settings.h"
#include "keyboard_page_state.h"
#include "keyboard_routes.h"
#include "main_wnd.h"

namespace {
uint8_t* Live() { return KeyboardPageState().KeyboardLiveSettings.data(); }

void StoreLightComponent(CMainWnd& window, int component, uint8_t value) {
  Live()[KB_LIGHT_RED + component] = value;
  Live()[KB_LIGHT_MULTICOLOUR] = 0;
  window.MarkKeyboardLightingChanged();  // saved like every keyboard change
}

void StorePaintComponent(CMainWnd& window, int component, uint8_t value) {
  KeyboardPageState().KeyboardCustomPaint[1 + component] = value;
  window.SaveKeyboardLighting();
}

const LightingColourFamily kLightColour{L"kb_Deng_colordp_btn", L"kb_deng_Color_Pallet", L"kb_Deng_7color_check", true,
                                        StoreLightComponent};
const LightingColourFamily kPaintColour{L"kb_Deng_custom_colordp_btn", L"kb_deng_Color_Pallet", nullptr, false,
                                        StorePaintComponent};

void SetMulticolour(CMainWnd& window, uint8_t on) { window.SetKeyboardMulticolour(on); }

void SetDirection(CMainWnd& window, uint8_t forward) {
  Live()[KB_LIGHT_DIRECTION] = forward;
  window.MarkKeyboardLightingChanged();
}

void SetBrightness(CMainWnd& window, uint8_t level) {
  Live()[KB_LIGHT_LEVEL] = level;
  window.MarkKeyboardLightingChanged();
}

void SetSpeed(CMainWnd& window, uint8_t speed) {
  Live()[KB_LIGHT_SPEED] = speed;
  window.MarkKeyboardLightingChanged();
}

void ApplyColour(CMainWnd& window, DWORD argb) { window.SetKeyboardLightColor(argb, true); }

// The custom mode of the RGB page paints with its own colour.
const LightingColourFamily& EditedFamily(CMainWnd& window) {
  CComboUI* combo = window.Find<CComboUI>(L"kb_deng_combo_modeSelect");
  return combo && combo->GetCurSel() == KEYBOARD_CUSTOM_MODE_RGB ? kPaintColour : kLightColour;
}

const LightingPageKit kKeyboardKit{
    {L"kb_deng_fx_layout", L"kb_deng_color_layout", L"kb_deng_7colorselect_layout", L"kb_deng_speed_layout",
     L"kb_deng_same_mode", L"kb_Deng_label_FXL", L"kb_Deng_label_FXR"},
    {L"kb_Deng_edit_R", L"kb_Deng_edit_G", L"kb_Deng_edit_B"},
    L"kb_Deng_7color_check",
    L"kb_Deng_FXL_check",
    L"kb_Deng_FXR_check",
    L"kb_deng_light_slider",
    L"kb_deng_speed_slider",
    true,
    L"kb_Deng_color_btn_",
    true,
    L"kb_deng_Color_Pallet",
    {SetMulticolour, SetDirection, SetBrightness, SetSpeed, ApplyColour, EditedFamily},
};

RouteAction LayoutCheck(bool fill) {
  return [fill](CMainWnd& window, const RouteCall&) { window.OnKeyboardLayoutCheck(fill); };
}

RouteAction StyleCheck(bool six) {
  return [six](CMainWnd& window, const RouteCall&) { window.OnKeyboardStyleCheck(six); };
}
}  // namespace

const LightingPageKit& KeyboardLightingKit() { return kKeyboardKit; }
const LightingColourFamily& KeyboardLightColourFamily() { return kLightColour; }
const LightingColourFamily& KeyboardPaintColourFamily() { return kPaintColour; }

RouteTable KeyboardLightRoutes() {
  RouteTable routes = LightingKitRoutes(kKeyboardKit);
  const RouteTable own = {
      NumberedRoute(NotifyType::Click, L"kb_dkey_", 0, KEYBOARD_UI_KEYS - 1,
                    CallsWithNumber(&CMainWnd::PaintKeyboardCustomKey)),
      ExactRoute(NotifyType::ItemSelect, L"kb_deng_combo_modeSelect", Calls(&CMainWnd::OnKeyboardLightModeSelect)),
      ExactRoute(NotifyType::ItemSelect, L"kb_deng_onecolor_combo_modeSelect",
                 Calls(&CMainWnd::OnKeyboardOneColorModeSelect)),
      ExactRoute(NotifyType::ItemSelect, L"kb_deng_combo_curtom_count", Calls(&CMainWnd::SelectKeyboardCustomLayout)),
      ExactRoute(NotifyType::SelectChanged, L"kb_Deng_all_kill_check", LayoutCheck(false), SelectPhase::GuardThenAct),
      ExactRoute(NotifyType::SelectChanged, L"kb_Deng_all_bright_check", LayoutCheck(true), SelectPhase::GuardThenAct),
      ExactRoute(NotifyType::SelectChanged, L"kb_Deng_style_one_check", StyleCheck(false), SelectPhase::GuardThenAct),
      ExactRoute(NotifyType::SelectChanged, L"kb_Deng_style_six_check", StyleCheck(true), SelectPhase::GuardThenAct),
  };
  routes.insert(routes.end(), own.begin(), own.end());
  return routes;
}

void CMainWnd::SetKeyboardMulticolour(uint8_t on) {
  const size_t offsets[] = {KB_LIGHT_MODE6_MULTICOLOUR, KB_LIGHT_MODE7_MULTICOLOUR, KB_LIGHT_MULTICOLOUR};
  for (size_t offset : offsets) Live()[offset] = on;
  WriteKeyboardSettingByte(KB_LIGHT_MODE6_MULTICOLOUR);
  WriteKeyboardSettingByte(KB_LIGHT_MODE7_MULTICOLOUR);
  if (!on)
    if (CControlUI* button = Find(kLightColour.colourButton)) SetKeyboardLightColor(button->GetBkColor(), true);
  MarkKeyboardLightingChanged();
}
