// The mouse pad's lighting page: mode, colour, sliders and checks change the live settings, mark
// the pad changed and save its light profile; nothing is written to the pad. The effects send it
// frames.
#include "mousepad_lighting_page.h"

#include "custom_controls.h"
#include "lighting_helpers.h"
#include "main_wnd.h"
#include "mousepad_frame.h"
#include "mousepad_mode_panels.h"
#include "mousepad_page_state.h"

namespace {

MousePadLiveSettings& Live() { return MousePadPageState().live; }

void Changed(CMainWnd& window) {
  window.m_mousePadDirty = 1;
  window.SaveMousePadLightProfile();
}

void StoreComponent(CMainWnd& window, int component, uint8_t value) {
  MousePadLiveSettings& live = Live();
  (component == 0 ? live.red : component == 1 ? live.green : live.blue) = value;
  live.multicolour = 0;
  Changed(window);
}

const LightingColourFamily kFamily = {L"mp_Deng_colordp_btn", L"mp_deng_Color_Pallet", L"mp_Deng_7color_check", false,
                                      StoreComponent};

const LightingPageKit kKit = {
    MOUSEPAD_PANEL_NAMES,
    {L"mp_Deng_edit_R", L"mp_Deng_edit_G", L"mp_Deng_edit_B"},
    L"mp_Deng_7color_check",
    L"mp_Deng_FXL_check",
    L"mp_Deng_FXR_check",
    L"mp_deng_light_slider",
    L"mp_deng_speed_slider",
    true,
    L"mp_Deng_color_btn_",
    false,
    L"mp_deng_Color_Pallet",
    {[](CMainWnd& window, uint8_t on) {
       Live().multicolour = on;
       Changed(window);
     },
     [](CMainWnd& window, uint8_t forward) {
       Live().direction = forward;
       Changed(window);
     },
     [](CMainWnd& window, uint8_t level) {
       Live().brightness = level;
       Changed(window);
     },
     [](CMainWnd& window, uint8_t speed) {
       Live().speed = speed;
       Changed(window);
     },
     [](CMainWnd& window, DWORD argb) { window.SetMousePadLightColor(argb, 1); },
     [](CMainWnd&) -> const LightingColourFamily& { return kFamily; }},
};

}  // namespace

const LightingPageKit& MousePadLightingKit() { return kKit; }
const LightingColourFamily& MousePadColourFamily() { return kFamily; }

void ShowMousePadModePanels(CMainWnd& window, int mode, bool picked) {
  const LightingPlanRow* row = picked ? MousePadPickedModePanels(mode) : MousePadShownModePanels(mode);
  if (row) ApplyLightingPlan(window, kKit.panels, *row);
  if (mode == MOUSEPAD_RIPPLE) SeedMousePadRipple();
}

void CMainWnd::OnMousePadLightModeSelect() {
  CComboUI* combo = Find<CComboUI>(L"mp_deng_combo_modeSelect");
  const int picked = combo ? combo->GetCurSel() : -1;
  if (picked < 0) return;
  ClearMousePadLightState();
  m_mousePadChannel.m_lightingSync = 0;
  ShowMousePadModePanels(*this, picked, true);
  Live().mode = static_cast<uint8_t>(picked);
  Changed(*this);
}

void CMainWnd::SetMousePadLightColor(DWORD argb, int apply) {
  ShowLightingColour(*this, kKit, kFamily, argb);
  if (!apply) return;
  SetOptionSilently(*this, kKit.multicolourCheck, false);
  MousePadLiveSettings& live = Live();
  live.red = ArgbComponent(argb, 0);
  live.green = ArgbComponent(argb, 1);
  live.blue = ArgbComponent(argb, 2);
  live.multicolour = 0;
  Changed(*this);
}

void CMainWnd::SendMousePadLedFrame() {
  COptionUI* pageTab = Find<COptionUI>(L"mp_deng_Op_tab");
  const int on = pageTab && pageTab->IsSelected() ? 1 : 0;
  for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
    CDeviceKeyButtonUI* preview = m_mousePadKeyButtons[i];
    if (preview && preview->IsVisible())
      preview->SetLightState(MousePadPreviewColor(m_mousePadLeds[i]), m_mousePadLeds[i].level, on);
  }
  RepaintChangedPreviews(m_hWnd, m_mousePadKeyButtons.data(), m_mousePadKeyButtons.size());
  if (m_ledFramesEnabled) ::SendMousePadLedFrame(m_mousePadChannel, m_mousePadLeds);
}
