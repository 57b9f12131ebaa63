// The K27 headset's lighting page on the lighting-page kit: the mode, the colour, multicolour,
// direction, brightness and speed of its record. Every lighting pass sends the whole frame, so a
// change is only stored and saved.
#include "headset_k27_routes.h"
#include "headset_light_registers.h"
#include "headset_state.h"
#include "lighting_page_kit.h"
#include "main_wnd.h"

namespace {
template <uint8_t HeadsetLightSettings::*field>
void Store(CMainWnd& window, uint8_t value) {
  HeadsetK27Light.*field = value;
  window.SaveHeadsetK27LightInfo();
}

void StoreComponent(CMainWnd& window, int component, uint8_t value) {
  uint8_t* components[] = {&HeadsetK27Light.red, &HeadsetK27Light.green, &HeadsetK27Light.blue};
  *components[component] = value;
  HeadsetK27Light.multicolour = 0;
  window.SaveHeadsetK27LightInfo();
}

const LightingColourFamily kColour{L"hsK27_Deng_colordp_btn", L"hsK27_deng_Color_Pallet", L"hsK27_Deng_7color_check",
                                   false, StoreComponent};

const LightingPageKit kHeadsetK27LightingKit{
    {L"hsK27_deng_fx_layout", L"hsK27_deng_color_layout", L"hsK27_deng_7colorselect_layout",
     L"hsK27_deng_speed_layout", nullptr, nullptr, nullptr},
    {L"hsK27_Deng_edit_R", L"hsK27_Deng_edit_G", L"hsK27_Deng_edit_B"},
    L"hsK27_Deng_7color_check",
    L"hsK27_Deng_FXL_check",
    L"hsK27_Deng_FXR_check",
    L"hsK27_deng_light_slider",
    L"hsK27_deng_speed_slider",
    false,
    L"hsK27_Deng_color_btn_",
    false,
    L"hsK27_deng_Color_Pallet",
    {
        Store<&HeadsetLightSettings::multicolour>,
        Store<&HeadsetLightSettings::direction>,
        Store<&HeadsetLightSettings::brightness>,
        Store<&HeadsetLightSettings::speed>,
        [](CMainWnd& window, DWORD argb) { window.SetHeadsetK27LightColor(argb, true); },
        [](CMainWnd&) -> const LightingColourFamily& { return kColour; },
    },
};

PanelState Enabled(bool enabled) { return enabled ? PanelState::Enabled : PanelState::Disabled; }
}  // namespace

void CMainWnd::OnHeadsetK27LightModeChanged() {
  auto* combo = Find<CComboUI>(L"hsK27_deng_combo_modeSelect0");
  const int mode = combo ? combo->GetCurSel() : -1;
  if (const HeadsetModeLayout* layout = HeadsetModeLayoutOf(mode)) {
    HeadsetK27Light.mode = static_cast<uint8_t>(mode);
    const LightingPlanRow row{Enabled(layout->fx),    Enabled(layout->colour), Enabled(layout->multicolour),
                              Enabled(layout->speed), PanelState::Leave,       nullptr, nullptr};
    ApplyLightingPlan(*this, kHeadsetK27LightingKit.panels, row);
    if (CControlUI* light = Find(L"hsK27_deng_light_layout")) light->SetEnabled(layout->light);
  }
  SaveHeadsetK27LightInfo();
}

void CMainWnd::SetHeadsetK27LightColor(DWORD argb, bool apply) {
  ShowLightingColour(*this, kHeadsetK27LightingKit, kColour, argb);
  if (!apply) return;
  SetOptionSilently(*this, kHeadsetK27LightingKit.multicolourCheck, false);
  HeadsetK27Light.red = ArgbComponent(argb, 0);
  HeadsetK27Light.green = ArgbComponent(argb, 1);
  HeadsetK27Light.blue = ArgbComponent(argb, 2);
  HeadsetK27Light.multicolour = 0;
  SaveHeadsetK27LightInfo();
}

void CMainWnd::RefreshHeadsetK27LightPage() {
  const HeadsetLightSettings& light = HeadsetK27Light;
  if (auto* combo = Find<CComboUI>(L"hsK27_deng_combo_modeSelect0")) combo->SelectItem(HeadsetMode(light), true);
  OnHeadsetK27LightModeChanged();
  const DWORD argb = LightingArgb(light.red, light.green, light.blue);
  if (auto* palette = Find<CColorPaletteUI>(L"hsK27_deng_Color_Pallet")) palette->SetSelectColor(argb);
  SetHeadsetK27LightColor(argb, false);
  ShowLightingSettings(*this, kHeadsetK27LightingKit, HeadsetBrightness(light), HeadsetSpeed(light), light.direction,
                       light.multicolour);
}

RouteTable HeadsetK27LightingRoutes() {
  RouteTable routes = LightingKitRoutes(kHeadsetK27LightingKit);
  routes.push_back(ExactRoute(NotifyType::ItemSelect, L"hsK27_deng_combo_modeSelect0",
                              Calls(&CMainWnd::OnHeadsetK27LightModeChanged)));
  return routes;
}
