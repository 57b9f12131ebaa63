#include "headset_k27_voice.h"

#include <cmath>
#include <type_traits>

namespace {
constexpr HeadsetK27Device kInput = HeadsetK27Device::Input;

template <typename T>
std::optional<T> Read(HeadsetK27Properties& properties, const wchar_t* name, HeadsetK27Second second) {
  T value{};
  int result;
  if constexpr (std::is_same_v<T, float>)
    result = properties.ReadFloat(kInput, name, second, value);
  else
    result = properties.ReadInteger(kInput, name, second, value);
  return result == 0 ? std::optional<T>(value) : std::nullopt;
}

std::optional<int> Position(std::optional<float> scalar) {
  return scalar ? std::optional<int>(HeadsetK27VolumePosition(*scalar)) : std::nullopt;
}
}  // namespace

int HeadsetK27VolumePosition(float scalar) { return static_cast<int>(std::lround(scalar * 100.0f)); }

int HeadsetK27MagicVoiceOption(int32_t selection) { return selection >= 1 && selection <= 3 ? selection : 0; }

HeadsetK27VoiceReadings ReadHeadsetK27Voice(HeadsetK27Properties& properties) {
  using Second = HeadsetK27Second;
  HeadsetK27VoiceReadings readings;
  readings.micMuted = Read<int32_t>(properties, L"MuteControl", Second::None());
  readings.micVolume = Position(Read<float>(properties, L"VolumeScalarControl", Second::Channel(kHeadsetK27MicChannel)));
  std::wstring maximum;
  if (properties.ReadText(kInput, L"GetAAMaxVol", Second::None(), maximum) == 0) {
    readings.monitorMuted = Read<int32_t>(properties, L"AAMuteControl", Second::None());
    readings.monitorVolume =
        Position(Read<float>(properties, L"AAVolumeScalarControl", Second::Channel(kHeadsetK27MonitorChannel)));
  }
  if (properties.Record(kInput).featureMask & kHeadsetK27MagicVoiceFeature)
    readings.magicVoiceOn = Read<int32_t>(properties, L"Enable_MAGICVOICE", Second::None()) == 1;
  if (std::optional<int32_t> selection = Read<int32_t>(properties, L"MagicVoice_Selection", Second::None()))
    readings.magicVoiceOption = HeadsetK27MagicVoiceOption(*selection);
  return readings;
}
