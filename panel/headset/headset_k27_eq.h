#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "headset_k27_properties.h"

// The K27 headset's ten-band equaliser: built-in presets, the family's named user presets and each
// profile's choice, kept in the "headK27" data folder.

constexpr int kHeadsetK27EqBands = 10;
constexpr int kHeadsetK27BuiltInEqPresets = 12;
// The option of the user presets, after the built-in ones.
constexpr int kHeadsetK27UserEqOption = 12;
// A register claiming more presets than this is read only this far.
constexpr int kHeadsetK27MaxUserEqPresets = 100;

using HeadsetK27EqValues = std::array<int32_t, kHeadsetK27EqBands>;
extern const std::array<HeadsetK27EqValues, kHeadsetK27BuiltInEqPresets> HEADSET_K27_EQ_PRESETS;

// "Enable_EQ_GFX" := 1, then band b as "EQ_Slider" b + 1, in band order.
void WriteHeadsetK27EqValues(HeadsetK27Properties& properties, const HeadsetK27EqValues& values);
// One band alone, as a moved slider writes it.
void WriteHeadsetK27EqBand(HeadsetK27Properties& properties, int band, int32_t value);

// The files, in the family's folder (with its trailing backslash).
constexpr const wchar_t* kHeadsetK27ProfileIndexFile = L"hsK27Profile.ini";
std::wstring HeadsetK27IndexPath(const std::wstring& folder);
// The light JSON file and the voice INI of the profile that [PROFILESELECT] select names
// ([PROFILENAME] and [VOICEPROFILENAME] under that key; a missing entry reads "0").
std::wstring HeadsetK27ProfilePath(const std::wstring& folder);
std::wstring HeadsetK27VoiceIniPath(const std::wstring& folder);
std::wstring HeadsetK27EqPresetPath(const std::wstring& folder, const std::wstring& name);
// "hsK27lightdefault.json" in the program's folder.
std::wstring HeadsetK27FactoryProfilePath();

// A profile's equaliser choice in its voice INI: [EQSELECT] select ("0" .. "12", "0" when
// missing) and [SELECTNAME] name.
std::wstring ReadHeadsetK27EqSelect(const std::wstring& voiceIni);
std::wstring ReadHeadsetK27EqSelectName(const std::wstring& voiceIni);
void WriteHeadsetK27EqSelect(const std::wstring& voiceIni, int option);
void WriteHeadsetK27EqSelectName(const std::wstring& voiceIni, const std::wstring& name);

// The register of user presets in the index file: [EQCOUNT] count and [EQINDEX] j. Rewriting it
// removes the [EQINDEX] entries past the new count and leaves every other key alone.
std::vector<std::wstring> ReadHeadsetK27UserEqPresets(const std::wstring& indexPath);
void WriteHeadsetK27UserEqPresets(const std::wstring& indexPath, const std::vector<std::wstring>& names);
// The position of `name` in the register without regard to case, -1 when absent.
int FindHeadsetK27UserEqPreset(const std::vector<std::wstring>& names, const std::wstring& name);

// A preset's file: [EQVALUE] 0 .. 9. A missing file reads as ten zeros.
HeadsetK27EqValues ReadHeadsetK27EqPresetFile(const std::wstring& path);
bool WriteHeadsetK27EqPresetFile(const std::wstring& path, const HeadsetK27EqValues& values);

// Whether a new user preset may take `name`: it must be usable as a file name, and neither a
// registered preset (in any case) nor a file of the folder may have it, nor may a profile's voice
// INI be able to take it later, so that saving it never writes over the index file or a profile's
// voice INI and no profile added later shares its file.
enum class HeadsetK27PresetName { Usable, Unusable, Taken };
HeadsetK27PresetName CheckHeadsetK27PresetName(const std::wstring& folder, const std::vector<std::wstring>& presets,
                                              const std::wstring& name);
