// The keyboard lighting page: mode selection, colour, custom layouts and the page refresh. Thin:
// the plans, effects and seeds are the keyboard core's; the shared controls are the kit's.
#include "keyboard_light_page.h"

#include "clock.h"
#include "diagnostics.h"
#include "keyboard_device_profile.h"
#include "keyboard_led_maps.h"
#include "keyboard_light_plans.h"
#include "keyboard_light_settings.h"
#include "keyboard_page_state.h"
#include "lighting_helpers.h"
#include "main_wnd.h"

namespace {
constexpr DWORD kDeviceModePauseMs = 5;
constexpr uint8_t kDeviceModeNumberA = 6;
constexpr uint8_t kDeviceModeNumberB = 7;

const wchar_t* const kRgbCombo = L"kb_deng_combo_modeSelect";
const wchar_t* const kOneColorCombo = L"kb_deng_onecolor_combo_modeSelect";
const wchar_t* const kLayoutCombo = L"kb_deng_combo_curtom_count";
const wchar_t* const kPalette = L"kb_deng_Color_Pallet";
const wchar_t* const kColourDisplay = L"kb_deng_color_display_layout";
const wchar_t* const kStylePanel = L"kb_deng_style_tool_layout";
const wchar_t* const kCustomPanels[] = {L"kb_deng_custom_tool_layout", L"kb_deng_custom_select_layout",
                                        L"kb_deng_custom_color_layout"};

KeyboardState& Keyboard() { return KeyboardPageState(); }
uint8_t* Live() { return Keyboard().KeyboardLiveSettings.data(); }
bool IsOneColor() { return Keyboard().model == KEYBOARD_MODEL_ONECOLOR; }

void Show(CMainWnd& window, const wchar_t* name, bool shown) {
  if (CControlUI* control = window.Find(name)) control->SetVisible(shown);
}

void Enable(CMainWnd& window, const wchar_t* name, bool enabled) {
  if (CControlUI* control = window.Find(name)) control->SetEnabled(enabled);
}

int ComboSelection(CMainWnd& window, const wchar_t* name) {
  CComboUI* combo = window.Find<CComboUI>(name);
  return combo ? combo->GetCurSel() : -1;
}

void SelectSilently(CMainWnd& window, const wchar_t* name, int index) {
  if (CComboUI* combo = window.Find<CComboUI>(name)) combo->SelectItem1(index, false, false);
}

void SetPaletteColour(CMainWnd& window, DWORD argb) {
  if (CColorPaletteUI* palette = window.Find<CColorPaletteUI>(kPalette)) palette->SetSelectColor(argb);
}

// The page's usual panels; the custom and style panels hidden.
void ShowUsualPanels(CMainWnd& window) {
  const LightingPanelNames& panels = KeyboardLightingKit().panels;
  for (const wchar_t* name : {panels.direction, panels.multicolour, kColourDisplay}) Show(window, name, true);
  for (const wchar_t* name : kCustomPanels) Show(window, name, false);
  Show(window, kStylePanel, false);
}

void ShowCustomPanels(CMainWnd& window) {
  const LightingPanelNames& panels = KeyboardLightingKit().panels;
  for (const wchar_t* name : {panels.direction, panels.multicolour, kColourDisplay}) Show(window, name, false);
  for (const wchar_t* name : kCustomPanels) Show(window, name, true);
}

void ShowStylePanel(CMainWnd& window) {
  Show(window, KeyboardLightingKit().panels.direction, false);
  Show(window, kStylePanel, true);
}

// The speed panel of these modes keeps its state when the page is refreshed.
bool RefreshLeavesSpeed(uint8_t mode) {
  return (mode >= 9 && mode <= 12) || mode == 15 || mode == 16 || mode == 18;
}

void StartEffect(int model, uint8_t mode) {
  ClearKeyboardLightState();
  SeedKeyboardMode(model, mode);
}

DWORD LiveColour() { return LightingArgb(Live()[KB_LIGHT_RED], Live()[KB_LIGHT_RED + 1], Live()[KB_LIGHT_RED + 2]); }
DWORD PaintColour() {
  const auto& paint = Keyboard().KeyboardCustomPaint;
  return LightingArgb(paint[1], paint[2], paint[3]);
}
}  // namespace

void CMainWnd::SaveKeyboardLighting() { SaveKeyboardDeviceProfile(Keyboard(), GetKeyboardProfileFolder()); }

void CMainWnd::MarkKeyboardLightingChanged() {
  m_keyboardDirty = 1;
  SaveKeyboardLighting();
}

void CMainWnd::WriteKeyboardSetting(size_t offset, const uint8_t* bytes, size_t length) {
  const int block = Keyboard().LiveProfileIndex() * static_cast<int>(KEYBOARD_SETTINGS_BLOCK_SIZE);
  m_keyboardChannel.WriteSettings(bytes, length, static_cast<uint16_t>(block + offset));
}

void CMainWnd::WriteKeyboardSettingByte(size_t offset) { WriteKeyboardSetting(offset, Live() + offset, 1); }

// The device knows its own modes by other numbers; the live byte keeps the page's.
void CMainWnd::WriteKeyboardDeviceMode(uint8_t number) { WriteKeyboardSetting(KB_LIGHT_MODE, &number, 1); }

void CMainWnd::RefreshKeyboardLightPage() {
  const int model = Keyboard().model;
  const bool oneColor = model == KEYBOARD_MODEL_ONECOLOR;
  const uint8_t liveMode = Live()[KB_LIGHT_MODE];
  Show(*this, oneColor ? kRgbCombo : kOneColorCombo, false);
  Show(*this, oneColor ? kOneColorCombo : kRgbCombo, true);
  SelectSilently(*this, oneColor ? kOneColorCombo : kRgbCombo, liveMode);
  const int selected = ComboSelection(*this, oneColor ? kOneColorCombo : kRgbCombo);
  const uint8_t mode = static_cast<uint8_t>(selected < 0 ? liveMode : selected);
  ShowUsualPanels(*this);
  if (const KeyboardModePlan* plan = KeyboardModePlanFor(model, mode)) {
    LightingPlanRow row = plan->row;
    if (!oneColor && RefreshLeavesSpeed(mode)) row.speed = PanelState::Leave;
    if (oneColor && mode == KEYBOARD_CUSTOM_MODE_ONECOLOR) row.colour = PanelState::Enabled;
    ApplyLightingPlan(*this, KeyboardLightingKit().panels, row);
  }
  StartEffect(model, mode);
  if ((!oneColor && mode == KEYBOARD_CUSTOM_MODE_RGB) || (oneColor && mode == KEYBOARD_CUSTOM_MODE_ONECOLOR))
    ShowCustomPanels(*this);
  if (!oneColor && mode == KEYBOARD_DEVICE_MODE_A) ShowStylePanel(*this);
  if (!oneColor && (mode == KEYBOARD_DEVICE_MODE_A || mode == KEYBOARD_DEVICE_MODE_B)) {
    m_keyboardChannel.SendHardwareLightingCommand();
    WriteKeyboardDeviceMode(mode == KEYBOARD_DEVICE_MODE_A ? kDeviceModeNumberA : kDeviceModeNumberB);
  }
  const uint8_t* live = Live();
  ShowLightingSettings(*this, KeyboardLightingKit(), live[KB_LIGHT_LEVEL], live[KB_LIGHT_SPEED] > 4 ? 4 : live[KB_LIGHT_SPEED],
                       live[KB_LIGHT_DIRECTION], oneColor ? 0 : live[KB_LIGHT_MULTICOLOUR]);
  const DWORD colour = oneColor ? KEYBOARD_ONECOLOR_ARGB : liveMode == KEYBOARD_CUSTOM_MODE_RGB ? PaintColour() : LiveColour();
  SetPaletteColour(*this, colour);
  SetKeyboardLightColor(colour, false);
  SetOptionSilently(*this, L"kb_Deng_style_six_check", live[KB_LIGHT_MODE6_STYLE] != 0);
  SetOptionSilently(*this, L"kb_Deng_style_one_check", live[KB_LIGHT_MODE6_STYLE] == 0);
  SelectSilently(*this, kLayoutCombo, KeyboardLayoutIndex(Keyboard()));
  Enable(*this, kPalette, !oneColor);
}

void CMainWnd::OnKeyboardLightModeSelect() {
  m_keyboardChannel.m_lightingSync = 0;
  ClearKeyboardLightState();
  const int selected = ComboSelection(*this, kRgbCombo);
  if (selected < 0) return;
  const uint8_t mode = static_cast<uint8_t>(selected);
  ShowUsualPanels(*this);
  DWORD colour = LiveColour();
  if (const KeyboardModePlan* plan = KeyboardModePlanFor(KEYBOARD_MODEL_RGB, mode))
    ApplyLightingPlan(*this, KeyboardLightingKit().panels, plan->row);
  if (mode == 6) Enable(*this, L"kb_deng_color_lump", true);
  if (mode == KEYBOARD_CUSTOM_MODE_RGB) {
    ShowCustomPanels(*this);
    colour = PaintColour();
  } else if (mode == KEYBOARD_DEVICE_MODE_A) {
    ShowStylePanel(*this);
    CurrentClock().Sleep(kDeviceModePauseMs);
    WriteKeyboardDeviceMode(kDeviceModeNumberA);
    WriteKeyboardSettingByte(KB_LIGHT_MODE6_STYLE);
    WriteKeyboardSettingByte(KB_LIGHT_MODE6_MULTICOLOUR);
  } else if (mode == KEYBOARD_DEVICE_MODE_B) {
    CurrentClock().Sleep(kDeviceModePauseMs);
    WriteKeyboardDeviceMode(kDeviceModeNumberB);
    WriteKeyboardSettingByte(KB_LIGHT_MODE7_MULTICOLOUR);
  }
  SeedKeyboardMode(Keyboard().model, mode);
  SetPaletteColour(*this, colour);
  SetKeyboardLightColor(colour, false);
  Live()[KB_LIGHT_MODE] = mode;
  MarkKeyboardLightingChanged();
}

void CMainWnd::OnKeyboardOneColorModeSelect() {
  for (DeviceCommandChannel* channel : {&m_keyboardChannel, &m_mouseChannel, &m_mousePadChannel})
    channel->m_lightingSync = 0;
  ClearKeyboardLightState();
  const int selected = ComboSelection(*this, kOneColorCombo);
  if (selected < 0) return;
  const uint8_t mode = static_cast<uint8_t>(selected);
  ShowUsualPanels(*this);
  if (const KeyboardModePlan* plan = KeyboardModePlanFor(KEYBOARD_MODEL_ONECOLOR, mode))
    ApplyLightingPlan(*this, KeyboardLightingKit().panels, plan->row);
  if (mode == KEYBOARD_CUSTOM_MODE_ONECOLOR) {
    ShowCustomPanels(*this);
    Enable(*this, L"kb_deng_rgb_layout", false);
    Enable(*this, L"kb_deng_color_lump", false);
  }
  SeedKeyboardMode(KEYBOARD_MODEL_ONECOLOR, mode);
  SetPaletteColour(*this, KEYBOARD_ONECOLOR_ARGB);
  SetKeyboardLightColor(KEYBOARD_ONECOLOR_ARGB, false);
  Live()[KB_LIGHT_MODE] = mode;
  MarkKeyboardLightingChanged();
}

void CMainWnd::SetKeyboardLightColor(DWORD colour, bool apply) {
  const uint8_t rgb[3] = {ArgbComponent(colour, 0), ArgbComponent(colour, 1), ArgbComponent(colour, 2)};
  if (!IsOneColor() && ComboSelection(*this, kRgbCombo) == KEYBOARD_CUSTOM_MODE_RGB) {
    ShowLightingColour(*this, KeyboardLightingKit(), KeyboardPaintColourFamily(), colour);
    if (!apply) return;
    std::copy(rgb, rgb + 3, Keyboard().KeyboardCustomPaint.begin() + 1);
    SaveKeyboardLighting();
    return;
  }
  ShowLightingColour(*this, KeyboardLightingKit(), KeyboardLightColourFamily(), colour);
  if (!apply) return;
  // No frame may go out between the 0x13 and the two colour writes.
  m_keyboardChannel.m_frameSendEnabled = 0;
  m_keyboardChannel.SendHardwareLightingCommand();
  DebugLine(L"\u706F\u5149\u989C\u8272\u4E0B\u53D1");  // "light colour sent"
  WriteKeyboardSetting(KB_LIGHT_MODE6_COLOUR, rgb, 3);
  WriteKeyboardSetting(KB_LIGHT_MODE7_COLOUR, rgb, 3);
  DebugLine(L"\u706F\u5149\u989C\u8272\u4E0B\u53D1\u6210\u529F");  // "light colour sent, done"
  m_keyboardChannel.m_frameSendEnabled = 1;
  if (CCheckBoxUI* check = Find<CCheckBoxUI>(L"kb_Deng_7color_check")) check->SetCheck(false);
  // The device's copies are kept too, so that the next profile select sends this colour again.
  for (size_t at : {size_t{KB_LIGHT_RED}, size_t{KB_LIGHT_MODE6_COLOUR}, size_t{KB_LIGHT_MODE7_COLOUR}})
    std::copy(rgb, rgb + 3, Live() + at);
  Live()[KB_LIGHT_MULTICOLOUR] = 0;
  MarkKeyboardLightingChanged();
}

void CMainWnd::PaintKeyboardCustomKey(int key) {
  if (key < 0 || key >= KEYBOARD_UI_KEYS) return;
  const int model = Keyboard().model;
  const uint8_t mode = Live()[KB_LIGHT_MODE];
  auto& layout = SelectedKeyboardLayout(Keyboard());
  if (model == KEYBOARD_MODEL_ONECOLOR && mode == KEYBOARD_CUSTOM_MODE_ONECOLOR) {
    // A key without an LED marks byte 126, which no effect reads.
    layout[static_cast<uint8_t>(KEYBOARD_LED_MAP_ONECOLOR[key])] = 255;
  } else if (model != KEYBOARD_MODEL_ONECOLOR && mode == KEYBOARD_CUSTOM_MODE_RGB) {
    const uint8_t led = static_cast<uint8_t>(KeyboardLedMapOf(model)[key]);
    if (led >= KEYBOARD_NO_LED) return;
    std::copy(Keyboard().KeyboardCustomPaint.begin() + 1, Keyboard().KeyboardCustomPaint.end(),
              layout.begin() + 3 * led);
  } else {
    return;
  }
  SaveKeyboardLighting();
}

void CMainWnd::SelectKeyboardCustomLayout() {
  const int selected = ComboSelection(*this, kLayoutCombo);
  if (selected < 0 || selected >= KEYBOARD_CUSTOM_LAYOUTS) return;
  Keyboard().KeyboardCustomPaint[0] = static_cast<uint8_t>(selected);
  SaveKeyboardLighting();
}

void CMainWnd::FillKeyboardCustomLayout() {
  auto& layout = SelectedKeyboardLayout(Keyboard());
  const auto& paint = Keyboard().KeyboardCustomPaint;
  for (size_t led = 0; led < KEYBOARD_LED_COUNT; ++led) {
    uint8_t* rgb = &layout[3 * led];
    if (rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0) std::copy(paint.begin() + 1, paint.end(), rgb);
  }
  SaveKeyboardLighting();
}

void CMainWnd::ClearKeyboardCustomLayout() {
  auto& layout = SelectedKeyboardLayout(Keyboard());
  std::fill(layout.begin(), layout.begin() + 3 * KEYBOARD_LED_COUNT, 0);
  SaveKeyboardLighting();
}

void CMainWnd::FillKeyboardOneColorLayout() {
  auto& layout = SelectedKeyboardLayout(Keyboard());
  for (size_t led = 0; led < KEYBOARD_LED_COUNT; ++led)
    if (layout[led] == 0) layout[led] = 255;
  SaveKeyboardLighting();
}

void CMainWnd::ClearKeyboardOneColorLayout() {
  auto& layout = SelectedKeyboardLayout(Keyboard());
  std::fill(layout.begin(), layout.begin() + KEYBOARD_LED_COUNT, 0);
  SaveKeyboardLighting();
}

// The all-on and all-off checks act as a pair of radio buttons.
void CMainWnd::OnKeyboardLayoutCheck(bool fill) {
  SetOptionSilently(*this, L"kb_Deng_all_bright_check", fill);
  SetOptionSilently(*this, L"kb_Deng_all_kill_check", !fill);
  if (IsOneColor()) fill ? FillKeyboardOneColorLayout() : ClearKeyboardOneColorLayout();
  else fill ? FillKeyboardCustomLayout() : ClearKeyboardCustomLayout();
}

// Saved like every keyboard change, so that the next connect does not reload the old style.
void CMainWnd::OnKeyboardStyleCheck(bool six) {
  SetOptionSilently(*this, L"kb_Deng_style_six_check", six);
  SetOptionSilently(*this, L"kb_Deng_style_one_check", !six);
  Live()[KB_LIGHT_MODE6_STYLE] = six ? 1 : 0;
  WriteKeyboardSettingByte(KB_LIGHT_MODE6_STYLE);
  MarkKeyboardLightingChanged();
}
