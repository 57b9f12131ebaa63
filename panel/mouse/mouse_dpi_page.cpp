// The mouse page's performance controls and the refresh of the whole page, as the window runs
// them: each reads its control, calls the mouse core and writes controls back.
#include <string>

#include "edit_clamp.h"
#include "lighting_page_kit.h"
#include "main_wnd.h"
#include "mouse_dpi.h"
#include "mouse_light_effects.h"
#include "mouse_light_page.h"
#include "mouse_light_plans.h"
#include "mouse_state.h"
#include "palette_dialog.h"
#include "pointer_settings_applier.h"

namespace {
constexpr DWORD kActiveStageColour = 0xFFFF0000;
constexpr DWORD kOtherStageColour = 0xFFFFFFFF;
constexpr DWORD kHoverBorderColour = 0xFFFFFFFF;
constexpr int kHoverBorder = 2;
constexpr int kDialogOffset = 20;
constexpr UINT kDialogOk = 1;
constexpr int kSpeedLevels = 4;
const wchar_t* const kWheelEdit = L"ms_gunlun_speed_edit";
const wchar_t* const kReportCombo = L"ms_report_fct_combo";

std::wstring StageName(int stage, const wchar_t* suffix) { return L"ms_DPI" + std::to_wstring(stage) + suffix; }

void ShowNumber(CMainWnd& window, const std::wstring& name, int value) {
  if (CControlUI* control = window.Find(name)) control->SetText(std::to_wstring(value).c_str());
}

int SliderValue(CMainWnd& window, const std::wstring& name) {
  CProgressUI* slider = window.Find<CProgressUI>(name);
  return slider ? slider->GetValue() : 0;
}

DWORD StageColour(int stage) {
  const uint8_t* rgb = &MouseLiveSettings[MouseLiveStageColour(stage)];
  return LightingArgb(rgb[0], rgb[1], rgb[2]);
}

void ShowSensorRange(CMainWnd& window) {
  const MouseSensorDpiRow* row = FindMouseSensorDpiRow(MouseDeviceInfo.SensorId());
  if (!row) return;
  MouseDeviceInfo.SetDpiMinimum(row->minimum);
  for (int stage = 1; stage <= MOUSE_DPI_STAGES; ++stage) {
    ShowNumber(window, StageName(stage, L"_min"), row->minimum);
    ShowNumber(window, StageName(stage, L"_max"), stage == 1 ? row->firstStageMaximum : row->otherStageMaximum);
  }
}

void ShowStages(CMainWnd& window) {
  for (int stage = 1; stage <= MOUSE_DPI_SLIDER_STAGES; ++stage) {
    const uint8_t position = MouseLiveSettings[MouseLiveDpiStage(stage)];
    if (CSliderUI* slider = window.Find<CSliderUI>(StageName(stage, L"_slider"))) {
      slider->SetMinValue(0);
      slider->SetMaxValue(MouseDeviceInfo.DpiSliderMaximum());
      slider->SetValue(position);
    }
    ShowNumber(window, StageName(stage, L"_label_value"), MouseDpiValue(position, MouseDeviceInfo.DpiMinimum()));
    if (CControlUI* button = window.Find(L"ms_DPIcolor_btn_", stage)) button->SetBkColor(StageColour(stage));
  }
}

void ShowActiveStage(CMainWnd& window) {
  const auto marks = MouseStageHighlights(MouseLiveSettings[MOUSE_LIVE_ACTIVE_STAGE]);
  for (int stage = 1; stage <= MOUSE_DPI_STAGES; ++stage) {
    if (marks[stage - 1] == StageHighlight::Leave) continue;
    const DWORD colour = marks[stage - 1] == StageHighlight::Active ? kActiveStageColour : kOtherStageColour;
    for (const wchar_t* label : {L"_label_rank", L"_label_value"})
      if (CLabelUI* text = window.Find<CLabelUI>(StageName(stage, label))) text->SetTextColor(colour);
  }
}

void SaveLightThenDevice(CMainWnd& window) {
  window.SaveMouseLightProfile();
  window.SaveMouseDeviceProfile();
}
}  // namespace

// Sets controls only: the refresh runs on the detection thread too, where a write, a save or the
// end of synchronised lighting would act on what was merely shown.
void CMainWnd::RefreshMousePage() {
  const uint8_t* live = MouseLiveSettings.data();
  if (CTabLayoutUI* modes = Find<CTabLayoutUI>(L"ms_deng_mode_switch")) modes->SelectItem(MOUSE_SHOWN_MODE_VARIANT);
  if (CComboUI* combo = Find<CComboUI>(L"ms_deng_combo_modeSelect2")) combo->SelectItem1(live[MOUSE_LIGHT_MODE], false, false);
  ShowMouseLightMode(live[MOUSE_LIGHT_MODE]);
  if (CComboUI* combo = Find<CComboUI>(kReportCombo)) combo->SelectItem1(live[MOUSE_LIVE_REPORT_RATE], false, false);
  const uint8_t speed = live[MOUSE_LIGHT_SPEED] > kSpeedLevels ? kSpeedLevels : live[MOUSE_LIGHT_SPEED];
  ShowLightingSettings(*this, MouseLightingKit(), live[MOUSE_LIGHT_LEVEL], speed, live[MOUSE_LIGHT_DIRECTION],
                       live[MOUSE_LIGHT_MULTICOLOUR]);
  ShowSensorRange(*this);
  ShowStages(*this);
  ShowActiveStage(*this);
  const DWORD colour = LightingArgb(live[MOUSE_LIGHT_RED], live[MOUSE_LIGHT_RED + 1], live[MOUSE_LIGHT_RED + 2]);
  if (CColorPaletteUI* palette = Find<CColorPaletteUI>(L"ms_deng_Color_Pallet")) palette->SetSelectColor(colour);
  SetMouseLightColor(colour, 0);
  RelabelMouseKeys(live[0]);
}

void CMainWnd::OnMouseDpiSlider(int stage) {
  const int position = SliderValue(*this, StageName(stage, L"_slider"));
  const int step = stage == 1 ? MouseDeviceInfo.DpiStep() : MOUSE_DPI_STEP;
  ShowNumber(*this, StageName(stage, L"_label_value"), MouseDpiValue(position, MouseDeviceInfo.DpiMinimum(), step));
  MouseLiveSettings[MouseLiveDpiStage(stage)] = static_cast<uint8_t>(position);
  m_mouseDirty = 1;
  WriteMouseDpiStage(m_mouseChannel, stage, static_cast<uint8_t>(position));
  SaveLightThenDevice(*this);
}

void CMainWnd::OnMouseDpiSliderMove(int stage) {
  const int position = SliderValue(*this, StageName(stage, L"_slider"));
  ShowNumber(*this, StageName(stage, L"_label_value"), MouseDpiValue(position, MouseDeviceInfo.DpiMinimum()));
}

void CMainWnd::OnMousePointerSpeedSlider() {
  MousePointerSpeed = MousePointerSpeedOfSlider(SliderValue(*this, L"ms_point_speed_slider"));
  StartPointerSettingApplier(PointerSetting::Speed);
  SaveLightThenDevice(*this);
}

// With no item selected there is no rate to send.
void CMainWnd::OnMouseReportRate() {
  CComboUI* combo = Find<CComboUI>(kReportCombo);
  const int rate = combo ? combo->GetCurSel() : -1;
  if (rate < 0) return;
  WriteMouseReportRate(m_mouseChannel, MouseLiveSettings[0], static_cast<uint8_t>(rate));
  MouseLiveSettings[MOUSE_LIVE_REPORT_RATE] = static_cast<uint8_t>(rate);
  m_mouseDirty = 1;
  SaveMouseLightProfile();
}

void CMainWnd::ChooseMouseDpiColour(int stage) {
  CControlUI* button = Find(L"ms_DPIcolor_btn_", stage);
  if (!button) return;
  CPalletDialog dialog(L"GmPalletDialog.xml", button->GetBkColor());
  dialog.Create(m_hWnd, L"Tirsa\u8c03\u8272\u677f", PALETTE_DIALOG_STYLE, PALETTE_DIALOG_EX_STYLE);
  POINT cursor{};
  GetCursorPos(&cursor);
  SetWindowPos(dialog.GetHWND(), nullptr, cursor.x - kDialogOffset, cursor.y + kDialogOffset, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (dialog.ShowModal() != kDialogOk) return;
  const DWORD colour = dialog.GetSelectedColor();
  button->SetBkColor(colour);
  for (int component = 0; component < 3; ++component)
    MouseLiveSettings[MouseLiveStageColour(stage) + component] = ArgbComponent(colour, component);
  m_mouseDirty = 1;
  SaveMouseDeviceProfile();
}

void CMainWnd::ShowMouseDpiColourHover(CControlUI* button, bool entered) {
  if (!button) return;
  button->SetBorderSize(entered ? kHoverBorder : 0);
  if (entered) button->SetBorderColor(kHoverBorderColour);
}

void CMainWnd::OnMouseWheelLinesTyped() {
  MouseWheelLines = static_cast<uint8_t>(ClampEditValue(kWheelEdit, MOUSE_WHEEL_LINES_MAX, true));
  StartPointerSettingApplier(PointerSetting::WheelLines);
}

// Kept within 1..100 as when typed: 0 lines would turn the wheel off.
void CMainWnd::OnMouseWheelLinesLeft() {
  OnMouseWheelLinesTyped();
  SaveMouseDeviceProfile();
}

void CMainWnd::StepMouseWheelLines(int up) {
  CControlUI* edit = Find(kWheelEdit);
  const int typed = edit ? ClampEditNumber(edit->GetText().str(), MOUSE_WHEEL_LINES_MAX + 1, false).value : 0;
  const int lines = StepMouseWheelLineCount(typed, up != 0);
  if (edit) edit->SetText(std::to_wstring(lines).c_str());
  MouseWheelLines = static_cast<uint8_t>(lines);
  StartPointerSettingApplier(PointerSetting::WheelLines);
  SaveLightThenDevice(*this);
}

// Windows gets its defaults at once; the stored pointer values and the profiles stay as they are.
void CMainWnd::ResetMousePointerSettings() {
  if (CProgressUI* slider = Find<CProgressUI>(L"ms_point_speed_slider")) slider->SetValue(MOUSE_RESET_POINTER_SLIDER);
  SetWindowsPointerSpeed(MOUSE_RESET_POINTER_SPEED);
  if (CControlUI* edit = Find(kWheelEdit)) edit->SetText(std::to_wstring(MOUSE_RESET_WHEEL_LINES).c_str());
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, MOUSE_RESET_WHEEL_LINES, nullptr, SPIF_UPDATEINIFILE);
  AnnounceWheelLinesChange();
  m_mouseChannel.SendRestoreDefaults();
}
