// The first headset's lighting page on the lighting-page kit: the mode, the colour, multicolour,
// direction, brightness and speed of its record. In the wave mode the headset runs the effect from a
// register configuration, which every change but a typed colour asks the lighting thread to write.
#include "headset_light_registers.h"
#include "headset_routes.h"
#include "headset_state.h"
#include "lighting_page_kit.h"
#include "main_wnd.h"

namespace {
void Changed(CMainWnd& window) {
  window.SaveHeadsetLightInfo();
  window.m_headsetLightDirty = 1;
}

// A setting whose change the headset needs in its wave configuration.
template <uint8_t HeadsetLightSettings::*field>
void Store(CMainWnd& window, uint8_t value) {
  HeadsetLight.*field = value;
  Changed(window);
}

// A typed colour too, so that in the wave mode the headset shows it.
void StoreComponent(CMainWnd& window, int component, uint8_t value) {
  uint8_t* components[] = {&HeadsetLight.red, &HeadsetLight.green, &HeadsetLight.blue};
  *components[component] = value;
  HeadsetLight.multicolour = 0;
  Changed(window);
}

const LightingColourFamily kColour{L"hs_Deng_colordp_btn", L"hs_deng_Color_Pallet", L"hs_Deng_7color_check", false,
                                   StoreComponent};

const LightingPageKit kHeadsetLightingKit{
    {L"hs_deng_fx_layout", L"hs_deng_color_layout", L"hs_deng_7colorselect_layout", L"hs_deng_speed_layout",
     L"hs_deng_same_mode", nullptr, nullptr},
    {L"hs_Deng_edit_R", L"hs_Deng_edit_G", L"hs_Deng_edit_B"},
    L"hs_Deng_7color_check",
    L"hs_Deng_FXL_check",
    L"hs_Deng_FXR_check",
    L"hs_deng_light_slider",
    L"hs_deng_speed_slider",
    false,
    L"hs_Deng_color_btn_",
    false,
    L"hs_deng_Color_Pallet",
    {
        Store<&HeadsetLightSettings::multicolour>,
        Store<&HeadsetLightSettings::direction>,
        Store<&HeadsetLightSettings::brightness>,
        Store<&HeadsetLightSettings::speed>,
        [](CMainWnd& window, DWORD argb) { window.SetHeadsetLightColor(argb, true); },
        [](CMainWnd&) -> const LightingColourFamily& { return kColour; },
    },
};

PanelState Enabled(bool enabled) { return enabled ? PanelState::Enabled : PanelState::Disabled; }
}  // namespace

void CMainWnd::OnHeadsetLightModeChanged() {
  auto* combo = Find<CComboUI>(L"hs_deng_combo_modeSelect0");
  const int mode = combo ? combo->GetCurSel() : -1;
  if (const HeadsetModeLayout* layout = HeadsetModeLayoutOf(mode)) {
    HeadsetLight.mode = static_cast<uint8_t>(mode);
    // The same-mode check is shown by the detection thread; a mode change only enables it.
    const LightingPlanRow row{Enabled(layout->fx),    Enabled(layout->colour), Enabled(layout->multicolour),
                              Enabled(layout->speed), PanelState::Leave,       nullptr, nullptr};
    ApplyLightingPlan(*this, kHeadsetLightingKit.panels, row);
    if (CControlUI* light = Find(L"hs_deng_light_layout")) light->SetEnabled(layout->light);
    if (CControlUI* sameMode = Find(L"hs_deng_same_mode")) sameMode->SetEnabled(layout->sameMode);
    m_headsetHardwareEffect = layout->hardwareEffect ? 1 : 0;
    m_headsetLightDirty = layout->dirty ? 1 : 0;
  }
  SaveHeadsetLightInfo();
}

void CMainWnd::SetHeadsetLightColor(DWORD argb, bool apply) {
  ShowLightingColour(*this, kHeadsetLightingKit, kColour, argb);
  if (!apply) return;
  SetOptionSilently(*this, kHeadsetLightingKit.multicolourCheck, false);
  HeadsetLight.red = ArgbComponent(argb, 0);
  HeadsetLight.green = ArgbComponent(argb, 1);
  HeadsetLight.blue = ArgbComponent(argb, 2);
  HeadsetLight.multicolour = 0;
  Changed(*this);
}

void CMainWnd::RefreshHeadsetLightPage() {
  const HeadsetLightSettings& light = HeadsetLight;
  if (auto* combo = Find<CComboUI>(L"hs_deng_combo_modeSelect0")) combo->SelectItem(HeadsetMode(light), true);
  OnHeadsetLightModeChanged();
  const DWORD argb = LightingArgb(light.red, light.green, light.blue);
  if (auto* palette = Find<CColorPaletteUI>(L"hs_deng_Color_Pallet")) palette->SetSelectColor(argb);
  SetHeadsetLightColor(argb, false);
  ShowLightingSettings(*this, kHeadsetLightingKit, HeadsetBrightness(light), HeadsetSpeed(light), light.direction,
                       light.multicolour);
}

RouteTable HeadsetLightingRoutes() {
  RouteTable routes = LightingKitRoutes(kHeadsetLightingKit);
  routes.push_back(ExactRoute(NotifyType::ItemSelect, L"hs_deng_combo_modeSelect0",
                              Calls(&CMainWnd::OnHeadsetLightModeChanged)));
  return routes;
}
