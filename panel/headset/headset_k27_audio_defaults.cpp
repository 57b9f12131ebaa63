#include "headset_k27_audio_defaults.h"

const wchar_t* const EQ_SLIDER_PROPERTY_NAMES[10] = {
    L"EQ_Slider1", L"EQ_Slider2", L"EQ_Slider3", L"EQ_Slider4", L"EQ_Slider5",
    L"EQ_Slider6", L"EQ_Slider7", L"EQ_Slider8", L"EQ_Slider9", L"EQ_Slider10",
};

namespace {
using Second = HeadsetK27Second;
constexpr HeadsetK27Device kOutput = HeadsetK27Device::Output;
constexpr HeadsetK27Device kInput = HeadsetK27Device::Input;

HeadsetK27AudioDefault IntegerDefault(HeadsetK27Device device, const wchar_t* name, Second readWith = Second::None(),
                                      Second writeWith = Second::None()) {
  return {device, name, readWith, false, writeWith};
}

HeadsetK27AudioDefault FloatDefault(HeadsetK27Device device, const wchar_t* name, int32_t channel) {
  return {device, name, Second::Channel(channel), true, Second::Channel(channel)};
}

std::vector<HeadsetK27AudioDefault> BuildDefaults() {
  std::vector<HeadsetK27AudioDefault> defaults = {
      IntegerDefault(kOutput, L"VirtualSurroundEffectControl", Second::SurroundEffect(), Second::SurroundEffect()),
      IntegerDefault(kInput, L"Enable_ENC_LFX", Second::Channel(0)),
      FloatDefault(kInput, L"VolumeControl", -1),
      IntegerDefault(kOutput, L"Enable_EQ_GFX"),
  };
  for (const wchar_t* band : EQ_SLIDER_PROPERTY_NAMES) defaults.push_back(IntegerDefault(kOutput, band));
  const HeadsetK27AudioDefault rest[] = {
      IntegerDefault(kOutput, L"Enable_RFX_GFX"),
      IntegerDefault(kOutput, L"RFX_ENVIRONMENT"),
      IntegerDefault(kOutput, L"RFX_ROOMSIZE"),
      IntegerDefault(kInput, L"MuteControl"),
      FloatDefault(kInput, L"VolumeScalarControl", -1),
      FloatDefault(kInput, L"AAVolumeControl", 0),
      IntegerDefault(kInput, L"AAMuteControl"),
      FloatDefault(kInput, L"AAVolumeScalarControl", 0),
      IntegerDefault(kInput, L"Enable_MAGICVOICE"),
      IntegerDefault(kInput, L"MagicVoice_Selection"),
  };
  defaults.insert(defaults.end(), std::begin(rest), std::end(rest));
  return defaults;
}
}  // namespace

const std::vector<HeadsetK27AudioDefault>& HeadsetK27AudioDefaults() {
  static const std::vector<HeadsetK27AudioDefault> defaults = BuildDefaults();
  return defaults;
}

void EnsureHeadsetK27AudioDefault(HeadsetK27Properties& properties, const HeadsetK27AudioDefault& entry) {
  std::wstring text;
  if (properties.ReadText(entry.device, entry.name, entry.readWith, text) == 0) return;
  if (entry.writesFloat)
    properties.WriteFloat(entry.device, entry.name, entry.writeWith, 0.0f);
  else
    properties.WriteInteger(entry.device, entry.name, entry.writeWith, 0);
}

void EnsureHeadsetK27CaptureDefault(HeadsetK27Properties& properties, const wchar_t* name) {
  EnsureHeadsetK27AudioDefault(properties, IntegerDefault(kInput, name, Second::Channel(0)));
}
