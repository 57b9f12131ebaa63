// The mouse lighting page: mode selection, colour, direction, the effect steps and the frame
// sender. Thin: the effects, plans and frame are the mouse core's; the shared controls the kit's.
#include "mouse_light_page.h"

#include "custom_controls.h"
#include "lighting_helpers.h"
#include "main_wnd.h"
#include "mouse_light_effects.h"
#include "mouse_light_plans.h"
#include "mouse_lighting_pass.h"
#include "mouse_state.h"

namespace {
const wchar_t* const kModeCombos[MOUSE_MODE_VARIANTS] = {L"ms_deng_combo_modeSelect0", L"ms_deng_combo_modeSelect1",
                                                         L"ms_deng_combo_modeSelect2"};

void SetCheckSilently(CMainWnd& window, const wchar_t* name, bool checked) {
  if (CCheckBoxUI* check = window.Find<CCheckBoxUI>(name)) check->SetCheck(checked);
}
}  // namespace

void CMainWnd::MarkMouseLightingChanged() {
  m_mouseDirty = 1;
  SaveMouseLightProfile();
  SaveMouseDeviceProfile();
}

// What a mode shows and how its effect starts; neither stored nor saved.
void CMainWnd::ShowMouseLightMode(uint8_t mode, int variant) {
  ClearMouseLightState();
  if (const LightingPlanRow* row = MouseModePlan(variant, mode)) ApplyLightingPlan(*this, MouseLightingKit().panels, *row);
  if (mode == MOUSE_MODE_RIPPLE) SeedMouseRipple(MouseLiveSettings[MOUSE_LIGHT_DIRECTION]);
}

void CMainWnd::SelectMouseLightMode(int variant) {
  m_mouseChannel.m_lightingSync = 0;
  CComboUI* combo = Find<CComboUI>(kModeCombos[variant]);
  const int selected = combo ? combo->GetCurSel() : -1;
  if (selected < 0) {
    ClearMouseLightState();
    return;
  }
  ShowMouseLightMode(static_cast<uint8_t>(selected), variant);
  MouseLiveSettings[MOUSE_LIGHT_MODE] = static_cast<uint8_t>(selected);
  MarkMouseLightingChanged();
}

void CMainWnd::OnMouseLightModeSelect0() { SelectMouseLightMode(0); }
void CMainWnd::OnMouseLightModeSelect1() { SelectMouseLightMode(1); }
void CMainWnd::OnMouseLightModeSelect2() { SelectMouseLightMode(2); }

void CMainWnd::SetMouseLightColor(DWORD colour, int apply) {
  ShowLightingColour(*this, MouseLightingKit(), MouseLightColourFamily(), colour);
  if (!apply) return;
  SetCheckSilently(*this, MouseLightingKit().multicolourCheck, false);
  for (int component = 0; component < 3; ++component)
    MouseLiveSettings[MOUSE_LIGHT_RED + component] = ArgbComponent(colour, component);
  MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = 0;
  MarkMouseLightingChanged();
}

// The buttons store the opposite of the checks of the same side, and leave the effect running.
void CMainWnd::SetMouseLightDirection(int flag) {
  MouseLiveSettings[MOUSE_LIGHT_DIRECTION] = flag ? 1 : 0;
  MarkMouseLightingChanged();
}

void CMainWnd::StepMouseWaveEffect() { StepMouseWave(m_mouseLeds); }
void CMainWnd::StepMouseSpectrumEffect() { StepMouseSpectrum(m_mouseLeds); }
void CMainWnd::StepMouseBreathingEffect() { StepMouseBreathing(m_mouseLeds); }
void CMainWnd::StepMouseStaticEffect() { StepMouseStatic(m_mouseLeds); }
void CMainWnd::StepMouseFillEffect() { StepMouseFill(m_mouseLeds); }
void CMainWnd::StepMouseRippleEffect() { StepMouseRipple(m_mouseLeds); }
void CMainWnd::StepMouseReactiveEffect() { StepMouseReactive(m_mouseLeds); }
void CMainWnd::MarkMouseRippleLeds() { MarkMouseRippleRing(); }

void CMainWnd::SendMouseLedFrame() {
  COptionUI* lightTab = Find<COptionUI>(L"ms_deng_Op_tab");
  const int on = lightTab && lightTab->IsSelected() ? 1 : 0;
  for (size_t led = 0; led < MOUSE_LED_COUNT; ++led) {
    CDeviceKeyButtonUI* button = m_mouseKeyButtons[led];
    if (!button || !button->IsVisible()) continue;
    button->SetLightState(MousePreviewColour(m_mouseLeds[led]), m_mouseLeds[led].level, on);
  }
  // No window timer repaints the previews of a lighting thread: its frames do, where they changed.
  RepaintChangedPreviews(m_hWnd, m_mouseKeyButtons.data(), m_mouseKeyButtons.size());
  SendMouseFrame(m_mouseChannel, m_mouseLeds, m_ledFramesEnabled == 1);
}
