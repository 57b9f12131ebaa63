// The mouse lighting page's routes and its description for the lighting-page kit.
#include "lighting_helpers.h"
#include "main_wnd.h"
#include "mouse_light_effects.h"
#include "mouse_light_page.h"
#include "mouse_routes.h"
#include "mouse_state.h"

namespace {
void StoreComponent(CMainWnd& window, int component, uint8_t value) {
  MouseLiveSettings[MOUSE_LIGHT_RED + component] = value;
  MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = 0;
  window.MarkMouseLightingChanged();
}

const LightingColourFamily kLightColour{L"ms_Deng_colordp_btn", L"ms_deng_Color_Pallet", L"ms_Deng_7color_check", false,
                                        StoreComponent};

void StoreByte(CMainWnd& window, size_t offset, uint8_t value) {
  MouseLiveSettings[offset] = value;
  window.MarkMouseLightingChanged();
}

void SetMulticolour(CMainWnd& window, uint8_t on) { StoreByte(window, MOUSE_LIGHT_MULTICOLOUR, on); }
void SetBrightness(CMainWnd& window, uint8_t level) { StoreByte(window, MOUSE_LIGHT_LEVEL, level); }
void SetSpeed(CMainWnd& window, uint8_t speed) { StoreByte(window, MOUSE_LIGHT_SPEED, speed); }

// The checks restart the effect from the side they name.
void SetDirection(CMainWnd& window, uint8_t forward) {
  StoreByte(window, MOUSE_LIGHT_DIRECTION, forward);
  ClearMouseLightState();
  SeedMouseRipple(forward);
}

void ApplyColour(CMainWnd& window, DWORD argb) { window.SetMouseLightColor(argb, 1); }
const LightingColourFamily& Family(CMainWnd&) { return kLightColour; }

const LightingPageKit kMouseKit{
    {L"ms_deng_fx_layout", L"ms_deng_color_layout", L"ms_deng_7colorselect_layout", L"ms_deng_speed_layout",
     L"ms_deng_same_mode", nullptr, nullptr},
    {L"ms_Deng_edit_R", L"ms_Deng_edit_G", L"ms_Deng_edit_B"},
    L"ms_Deng_7color_check",
    L"ms_Deng_FXL_check",
    L"ms_Deng_FXR_check",
    L"ms_deng_light_slider",
    L"ms_deng_speed_slider",
    true,
    L"ms_Deng_color_btn_",
    false,
    L"ms_deng_Color_Pallet",
    {SetMulticolour, SetDirection, SetBrightness, SetSpeed, ApplyColour, Family},
};

RouteAction Direction(int flag) {
  return [flag](CMainWnd& window, const RouteCall&) { window.SetMouseLightDirection(flag); };
}
}  // namespace

const LightingPageKit& MouseLightingKit() { return kMouseKit; }
const LightingColourFamily& MouseLightColourFamily() { return kLightColour; }

RouteTable MouseLightRoutes() {
  RouteTable routes = LightingKitRoutes(kMouseKit);
  const RouteTable own = {
      ExactRoute(NotifyType::ItemSelect, L"ms_deng_combo_modeSelect0", Calls(&CMainWnd::OnMouseLightModeSelect0)),
      ExactRoute(NotifyType::ItemSelect, L"ms_deng_combo_modeSelect1", Calls(&CMainWnd::OnMouseLightModeSelect1)),
      ExactRoute(NotifyType::ItemSelect, L"ms_deng_combo_modeSelect2", Calls(&CMainWnd::OnMouseLightModeSelect2)),
      ExactRoute(NotifyType::Click, L"ms_Deng_FXL_btn", Direction(0)),
      ExactRoute(NotifyType::Click, L"ms_Deng_FXR_btn", Direction(1)),
  };
  routes.insert(routes.end(), own.begin(), own.end());
  return routes;
}
