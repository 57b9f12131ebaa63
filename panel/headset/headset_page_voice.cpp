// The first headset's voice page: volumes, virtual 7.1 with a distance and angle per speaker,
// sound scenes and noise cancelling. Each change is saved into the selected profile and sent.
#include "audio_control_library.h"
#include "headset_page.h"
#include "headset_profile_json.h"
#include "headset_state.h"
#include "headset_voice.h"
#include "main_wnd.h"
#include "notification_router.h"
#include "profile_store.h"

namespace {
int SliderValue(CMainWnd& window, const wchar_t* name) {
  auto* slider = window.Find<CSliderUI>(name);
  return slider ? slider->GetValue() : 0;
}

void SetSlider(CMainWnd& window, const std::wstring& name, int value) {
  if (auto* slider = window.Find<CSliderUI>(name)) slider->SetValue(value);
}

void SelectOption(CMainWnd& window, const std::wstring& name, bool selected) {
  if (auto* option = window.Find<COptionUI>(name)) option->Selected(selected, true);
}

bool IsSelected(CControlUI* sender) {
  auto* option = dynamic_cast<COptionUI*>(sender);
  return option && option->IsSelected();
}

void ShowSceneBands(CMainWnd& window, const HeadsetSoundScene& scene) {
  for (int band = 0; band < kHeadsetBandCount; ++band)
    SetSlider(window, L"HZ_Slider_" + std::to_wstring(band), scene.bands[band]);
}
}  // namespace

// The options are selected with notification so that their routes save and send what changed; as
// code, so that a profile applied on arrival never meets the pending-edit guard or ends a capture.
void CMainWnd::ApplyHeadsetVoiceSettings() {
  CodeMadeNotifications applying;
  HeadsetVoiceState& voice = HeadsetVoice;
  const int speaker = HeadsetSpeaker(voice);
  SetSlider(*this, L"hs_right_slider", voice.right);
  SetSlider(*this, L"hs_left_slider", voice.left);
  SetSlider(*this, L"hs_master_slider", voice.master);
  SetSlider(*this, L"hs_mic_vol_slider", voice.micVolume);
  SetSlider(*this, L"hs_LB_slider", voice.distance[speaker]);
  SetSlider(*this, L"hs_ANGLE_slider", voice.angle[speaker]);
  SelectOption(*this, L"hs_slien_check_" + std::to_wstring(speaker), true);
  FillVirtual7ch1Params(voice, HeadsetVirtualBlock);
  SelectOption(*this, L"hs_scenes_btn_" + std::to_wstring(HeadsetScene(voice)), true);
  ShowSceneBands(*this, SelectedHeadsetScene(voice));
  SelectOption(*this, L"hs_virtual_check", voice.virtualOn != 0);
  SelectOption(*this, L"btn_low_louder", voice.noiseCancelling != 0);
  SendHeadsetVoiceSettings(AudioControlLibrary(), voice, HeadsetVirtualBlock);
}

void CMainWnd::ResetHeadsetVoice() {
  const Json::Value factory = ReadJsonFile(HeadsetFactoryProfilePath());
  if (factory.isObject()) ReadHeadsetVoiceInfo(factory["VoiceInfo"], HeadsetVoice);
  SaveHeadsetVoiceInfo();
  ApplyHeadsetVoiceSettings();
}

void CMainWnd::OnHeadsetMasterVolumeChanged() {
  HeadsetVoice.master = SliderValue(*this, L"hs_master_slider");
  SaveHeadsetVoiceInfo();
  AudioControlLibrary().Harkin_SetSpeakerMasterVolume(HeadsetVoice.master);
}

void CMainWnd::OnHeadsetChannelVolumeChanged() {
  HeadsetVoice.left = SliderValue(*this, L"hs_left_slider");
  HeadsetVoice.right = SliderValue(*this, L"hs_right_slider");
  SaveHeadsetVoiceInfo();
  AudioControlLibrary().Harkin_SetSpeakerChannelVolume(HeadsetVoice.left, HeadsetVoice.right);
}

void CMainWnd::OnHeadsetMicVolumeChanged() {
  HeadsetVoice.micVolume = SliderValue(*this, L"hs_mic_vol_slider");
  SaveHeadsetVoiceInfo();
  AudioControlLibrary().Harkin_SetMicVolume(HeadsetVoice.micVolume);
}

void CMainWnd::OnHeadsetSpeakerPlaced(bool distanceMoved) {
  const int distance = SliderValue(*this, L"hs_LB_slider");
  const int angle = SliderValue(*this, L"hs_ANGLE_slider");
  const int speaker = HeadsetVoice.selectedSpeaker;
  if (speaker >= 0 && speaker < kHeadsetSpeakerCount) {
    if (distanceMoved) HeadsetVoice.distance[speaker] = distance;
    else HeadsetVoice.angle[speaker] = angle;
    SetVirtualSpeaker(HeadsetVirtualBlock, speaker, distance, angle);
  }
  SaveHeadsetVoiceInfo();
  SendHeadsetVirtual(AudioControlLibrary(), HeadsetVirtualBlock, HeadsetVoice.virtualOn);
}

void CMainWnd::OnHeadsetSpeakerSelected(int speaker) {
  HeadsetVoice.selectedSpeaker = speaker;
  SaveHeadsetVoiceInfo();
  SetSlider(*this, L"hs_LB_slider", HeadsetVoice.distance[HeadsetSpeaker(HeadsetVoice)]);
  SetSlider(*this, L"hs_ANGLE_slider", HeadsetVoice.angle[HeadsetSpeaker(HeadsetVoice)]);
}

void CMainWnd::OnHeadsetVirtualToggled(CControlUI* sender) {
  HeadsetVoice.virtualOn = IsSelected(sender) ? 1 : 0;
  SaveHeadsetVoiceInfo();
  SendHeadsetVirtual(AudioControlLibrary(), HeadsetVirtualBlock, HeadsetVoice.virtualOn);
}

void CMainWnd::OnHeadsetSceneSelected(int scene) {
  HeadsetVoice.selectedScene = scene;
  SaveHeadsetVoiceInfo();
  SendHeadsetSoundScene(AudioControlLibrary(), SelectedHeadsetScene(HeadsetVoice));
  ShowSceneBands(*this, SelectedHeadsetScene(HeadsetVoice));
}

void CMainWnd::OnHeadsetNoiseCancellingToggled(CControlUI* sender) {
  HeadsetVoice.noiseCancelling = IsSelected(sender) ? 1 : 0;
  SaveHeadsetVoiceInfo();
  AudioControlLibrary().Harkin_SetEncOnOff(HeadsetVoice.noiseCancelling);
}
