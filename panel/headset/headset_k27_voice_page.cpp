// The K27 voice page: microphone and monitor volume and mute, and the magic voice. Every control
// writes its property of the input device at once; nothing of this page is stored in a profile.
#include "headset_k27_voice.h"
#include "main_wnd.h"

namespace {
constexpr HeadsetK27Device kInput = HeadsetK27Device::Input;
constexpr int kMagicVoiceOptions = 4;
constexpr wchar_t kMagicVoicePrefix[] = L"magicK27_check_";

float SliderScalar(CMainWnd& window, const wchar_t* name) {
  const CSliderUI* slider = window.Find<CSliderUI>(name);
  return slider ? slider->GetValue() / 100.0f : 0.0f;
}

void SetMagicVoiceOptionsEnabled(CMainWnd& window, bool enabled) {
  for (int n = 0; n < kMagicVoiceOptions; ++n)
    if (CControlUI* option = window.Find(kMagicVoicePrefix, n)) option->SetEnabled(enabled);
}

// The flag is flipped and the box set to it; the library then toggles the clicked box, which so
// shows checked exactly while the path is not muted.
void ToggleMute(CMainWnd& window, int& muted, const wchar_t* box, const wchar_t* property) {
  muted = !muted;
  if (CCheckBoxUI* check = window.Find<CCheckBoxUI>(box)) check->SetCheck(muted != 0);
  window.HeadsetK27AudioProperties().WriteInteger(kInput, property, HeadsetK27Second::None(), muted);
}

void ShowMute(CMainWnd& window, int& muted, const wchar_t* box, std::optional<int32_t> reading) {
  if (!reading) return;
  muted = *reading;
  if (CCheckBoxUI* check = window.Find<CCheckBoxUI>(box)) check->SetCheck(muted == 0);
}

void ShowVolume(CMainWnd& window, const wchar_t* name, std::optional<int> position) {
  if (!position) return;
  if (CSliderUI* slider = window.Find<CSliderUI>(name)) slider->SetValue(*position);
}
}  // namespace

void CMainWnd::RefreshHeadsetK27AudioPage() {
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  const HeadsetK27VoiceReadings readings = ReadHeadsetK27Voice(properties);
  ShowMute(*this, m_micMuted, L"btn_mic_in", readings.micMuted);
  ShowVolume(*this, L"hs_mic_slider", readings.micVolume);
  ShowMute(*this, m_monitorMuted, L"btn_mic_moniter", readings.monitorMuted);
  ShowVolume(*this, L"hs_monitor_slider", readings.monitorVolume);
  if (COptionUI* open = Find<COptionUI>(L"magicK27_voice_open")) open->Selected(readings.magicVoiceOn, false);
  SetMagicVoiceOptionsEnabled(*this, readings.magicVoiceOn);
  if (readings.magicVoiceOption)
    if (COptionUI* option = Find<COptionUI>(kMagicVoicePrefix, *readings.magicVoiceOption)) option->Selected(true, false);
}

void CMainWnd::OnHeadsetK27MicVolumeChanged() {
  HeadsetK27AudioProperties().WriteFloat(kInput, L"VolumeScalarControl",
                                         HeadsetK27Second::Channel(kHeadsetK27MicChannel),
                                         SliderScalar(*this, L"hs_mic_slider"));
}

void CMainWnd::OnHeadsetK27MonitorVolumeChanged() {
  HeadsetK27AudioProperties().WriteFloat(kInput, L"AAVolumeScalarControl",
                                         HeadsetK27Second::Channel(kHeadsetK27MonitorChannel),
                                         SliderScalar(*this, L"hs_monitor_slider"));
}

void CMainWnd::ToggleHeadsetK27MicMute() { ToggleMute(*this, m_micMuted, L"btn_mic_in", L"MuteControl"); }

void CMainWnd::ToggleHeadsetK27MonitorMute() {
  ToggleMute(*this, m_monitorMuted, L"btn_mic_moniter", L"AAMuteControl");
}

void CMainWnd::OnHeadsetK27MagicVoiceToggled() {
  const COptionUI* open = Find<COptionUI>(L"magicK27_voice_open");
  const bool on = open && open->IsSelected();
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  properties.WriteInteger(kInput, L"Enable_MAGICVOICE", HeadsetK27Second::None(), on ? 1 : 0);
  SetMagicVoiceOptionsEnabled(*this, on);
  if (on) properties.WriteInteger(kInput, L"Enable_MICECHO", HeadsetK27Second::None(), 0);
}

void CMainWnd::SelectHeadsetK27MagicVoice(int index) {
  HeadsetK27AudioProperties().WriteInteger(kInput, L"MagicVoice_Selection", HeadsetK27Second::None(), index);
}
