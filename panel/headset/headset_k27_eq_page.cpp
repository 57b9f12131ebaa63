// The K27 equaliser on the voice page: twelve built-in presets, the family's named user presets
// and the band sliders. The profile's choice lives in its voice INI, the presets in the folder.
#include "headset_k27_eq.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "notification_router.h"

namespace {
constexpr wchar_t kPresetOption[] = L"hs_EQ_STATUS_";
constexpr wchar_t kBandSlider[] = L"HZK27_Slider_";
constexpr wchar_t kUserPresets[] = L"hs_EQmode_Combo";
constexpr int kPresetRowHeight = 20;

void SetUserPresetControlsEnabled(CMainWnd& window, bool enabled) {
  for (const wchar_t* name : {kUserPresets, L"hs_EQ_btn_save", L"hs_EQ_btn_delete"})
    if (CControlUI* control = window.Find(name)) control->SetEnabled(enabled);
}

void ApplyValues(CMainWnd& window, const HeadsetK27EqValues& values) {
  for (int band = 0; band < kHeadsetK27EqBands; ++band)
    if (CSliderUI* slider = window.Find<CSliderUI>(kBandSlider, band)) slider->SetValue(values[band]);
  HeadsetK27Properties properties = window.HeadsetK27AudioProperties();
  WriteHeadsetK27EqValues(properties, values);
}

HeadsetK27EqValues SliderValues(CMainWnd& window) {
  HeadsetK27EqValues values{};
  for (int band = 0; band < kHeadsetK27EqBands; ++band)
    if (const CSliderUI* slider = window.Find<CSliderUI>(kBandSlider, band)) values[band] = slider->GetValue();
  return values;
}

void AddPresetRow(CComboUI& combo, const std::wstring& name) {
  auto* row = new CListLabelElementUI;
  row->SetText(name.c_str());
  row->SetUserData(name.c_str());
  row->SetFixedHeight(kPresetRowHeight);
  combo.Add(row);
}

std::vector<std::wstring> RowTexts(const CComboUI& combo) {
  std::vector<std::wstring> names;
  for (int i = 0; i < combo.GetCount(); ++i) names.push_back(combo.GetItemAt(i)->GetText().GetData());
  return names;
}

void ShowRefusal(CMainWnd& window, const wchar_t* text) { ShowMessageBox(window.GetHWND(), nullptr, text, false); }
}  // namespace

void CMainWnd::SelectHeadsetK27EqPreset(int n) {
  const std::wstring folder = GetHeadsetK27ProfileFolder();
  const std::wstring voiceIni = HeadsetK27VoiceIniPath(folder);
  if (n >= 0 && n < kHeadsetK27BuiltInEqPresets) {
    SetUserPresetControlsEnabled(*this, false);
    ApplyValues(*this, HEADSET_K27_EQ_PRESETS[n]);
    WriteHeadsetK27EqSelect(voiceIni, n);
    return;
  }
  SetUserPresetControlsEnabled(*this, true);
  const int row = FindHeadsetK27UserEqPreset(ReadHeadsetK27UserEqPresets(HeadsetK27IndexPath(folder)),
                                             ReadHeadsetK27EqSelectName(voiceIni));
  CComboUI* combo = Find<CComboUI>(kUserPresets);
  if (row < 0 || !combo) return;
  combo->SelectItem(row);
  ApplyHeadsetK27UserEqPreset();
}

// Without a selected row there is nothing to apply.
void CMainWnd::ApplyHeadsetK27UserEqPreset() {
  const CComboUI* combo = Find<CComboUI>(kUserPresets);
  const int row = combo ? combo->GetCurSel() : -1;
  const std::wstring folder = GetHeadsetK27ProfileFolder();
  const std::vector<std::wstring> presets = ReadHeadsetK27UserEqPresets(HeadsetK27IndexPath(folder));
  if (row < 0 || row >= static_cast<int>(presets.size())) return;
  const std::wstring& name = presets[row];
  ApplyValues(*this, ReadHeadsetK27EqPresetFile(HeadsetK27EqPresetPath(folder, name)));
  const std::wstring voiceIni = HeadsetK27VoiceIniPath(folder);
  WriteHeadsetK27EqSelect(voiceIni, kHeadsetK27UserEqOption);
  WriteHeadsetK27EqSelectName(voiceIni, name);
}

void CMainWnd::OnHeadsetK27EqSliderChanged(int band) {
  if (COptionUI* user = Find<COptionUI>(kPresetOption, kHeadsetK27UserEqOption)) user->Selected(true, false);
  SetUserPresetControlsEnabled(*this, true);
  const CSliderUI* slider = Find<CSliderUI>(kBandSlider, band);
  if (!slider) return;
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  WriteHeadsetK27EqBand(properties, band, slider->GetValue());
}

void CMainWnd::SaveHeadsetK27UserEqPreset() {
  CComboUI* combo = Find<CComboUI>(kUserPresets);
  const CControlUI* edit = Find(L"hs_name_edit");
  if (!combo || !edit) return;
  const std::wstring name = edit->GetText().GetData();
  const std::wstring folder = GetHeadsetK27ProfileFolder();
  switch (CheckHeadsetK27PresetName(folder, RowTexts(*combo), name)) {
    case HeadsetK27PresetName::Unusable: ShowRefusal(*this, L"please input a name"); return;
    case HeadsetK27PresetName::Taken: ShowRefusal(*this, L"exist the same name"); return;
    case HeadsetK27PresetName::Usable: break;
  }
  AddPresetRow(*combo, name);
  WriteHeadsetK27UserEqPresets(HeadsetK27IndexPath(folder), RowTexts(*combo));
  const std::wstring voiceIni = HeadsetK27VoiceIniPath(folder);
  WriteHeadsetK27EqSelect(voiceIni, kHeadsetK27UserEqOption);
  WriteHeadsetK27EqSelectName(voiceIni, name);
  WriteHeadsetK27EqPresetFile(HeadsetK27EqPresetPath(folder, name), SliderValues(*this));
  combo->SelectItem(combo->GetCount() - 1);
}

// The combo moves to a neighbouring row of the removed one; that preset is applied and becomes the
// profile's choice. With none left the profile goes back to built-in preset 0.
void CMainWnd::DeleteHeadsetK27UserEqPreset() {
  CComboUI* combo = Find<CComboUI>(kUserPresets);
  const int row = combo ? combo->GetCurSel() : -1;
  if (row < 0) return;
  const std::wstring folder = GetHeadsetK27ProfileFolder();
  DeleteFileW(HeadsetK27EqPresetPath(folder, combo->GetItemAt(row)->GetText().GetData()).c_str());
  combo->RemoveAt(row);
  WriteHeadsetK27UserEqPresets(HeadsetK27IndexPath(folder), RowTexts(*combo));
  if (combo->GetCount() > 0) {
    ApplyHeadsetK27UserEqPreset();
    return;
  }
  WriteHeadsetK27EqSelect(HeadsetK27VoiceIniPath(folder), 0);
  CodeMadeNotifications applying;
  if (COptionUI* first = Find<COptionUI>(kPresetOption, 0)) first->Selected(true, true);
}

void CMainWnd::RefreshHeadsetK27EqPage() {
  const std::wstring folder = GetHeadsetK27ProfileFolder();
  if (CComboUI* combo = Find<CComboUI>(kUserPresets)) {
    combo->RemoveAll();
    for (const std::wstring& name : ReadHeadsetK27UserEqPresets(HeadsetK27IndexPath(folder))) AddPresetRow(*combo, name);
  }
  const std::wstring select = ReadHeadsetK27EqSelect(HeadsetK27VoiceIniPath(folder));
  CodeMadeNotifications applying;
  if (COptionUI* option = Find<COptionUI>(kPresetOption + select)) option->Selected(true, true);
}
