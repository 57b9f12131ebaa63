// The first headset's JSON profiles, the K27's light JSON and its voice and preset INI files.
#include "fuzz_readers.h"
#include "headset_k27_eq.h"
#include "headset_k27_light_output.h"
#include "headset_light_generators.h"
#include "headset_profile_json.h"
#include "headset_state.h"
#include "profile_store.h"

namespace {

constexpr size_t kFirstHeadsetLeds = 13;

// Read as a profile load reads it, then every effect run once over what was read.
bool ReadHeadsetJson(const std::wstring&, const std::wstring& file) {
  const Json::Value root = ReadJsonFile(file);
  if (!root.isObject()) return false;
  ResetHeadsetStates();
  IsHeadsetProfile(root);
  ReadHeadsetLightInfo(root, HeadsetLight);
  ReadHeadsetVoiceInfo(root["VoiceInfo"], HeadsetVoice);
  SelectedHeadsetScene(HeadsetVoice);
  HeadsetSpeaker(HeadsetVoice);
  LedColor leds[kFirstHeadsetLeds] = {};
  GenerateHeadsetWaveFrame(kFirstHeadsetLighting, HeadsetLight, leds, kFirstHeadsetLeds);
  GenerateHeadsetSpectrumFrame(kFirstHeadsetLighting, HeadsetLight, leds, kFirstHeadsetLeds);
  GenerateHeadsetBreathFrame(kFirstHeadsetLighting, HeadsetLight, leds, kFirstHeadsetLeds);
  GenerateHeadsetStaticFrame(HeadsetLight, leds, kFirstHeadsetLeds);
  return true;
}

bool ReadK27LightJson(const std::wstring&, const std::wstring& file) {
  const Json::Value root = ReadJsonFile(file);
  if (!root.isObject()) return false;
  ResetHeadsetStates();
  ReadHeadsetLightInfo(root, HeadsetK27Light);
  LedColor leds[HEADSET_K27_LED_COUNT] = {};
  GenerateHeadsetK27Frame(HeadsetK27Light, leds);
  BuildHeadsetK27FrameReports(leds);
  return true;
}

// A voice INI, an equaliser preset and the index's preset list are INI files of the K27 folder;
// one input serves as each. Their readers bound what they read and refuse nothing.
bool ReadK27VoiceIni(const std::wstring&, const std::wstring& file) {
  ReadHeadsetK27EqSelect(file);
  ReadHeadsetK27EqSelectName(file);
  ReadHeadsetK27EqPresetFile(file);
  ReadHeadsetK27UserEqPresets(file);
  return true;
}

}  // namespace

std::vector<FuzzReader> HeadsetFileReaders() {
  return {
      {"HeadsetJson", L"headset_json", true, ReadHeadsetJson, L"profile1.json"},
      {"K27LightJson", L"k27_json", true, ReadK27LightJson, L"profile1.json"},
      {"K27VoiceIni", L"k27_voice", true, ReadK27VoiceIni, L"voiceprofile1.ini"},
  };
}
