#include "headset_k27_eq.h"

#include <windows.h>

#include <algorithm>

#include "file_name_check.h"
#include "headset_k27_audio_defaults.h"
#include "headset_k27_voice_names.h"
#include "ini_values.h"
#include "program_folder.h"

const std::array<HeadsetK27EqValues, kHeadsetK27BuiltInEqPresets> HEADSET_K27_EQ_PRESETS = {{
    {7, 11, 2, -3, -1, 4, 9, 12, 9, 5},
    {7, 11, 6, -3, -11, -1, 6, 13, 6, 13},
    {10, 4, 0, -3, -4, -3, -2, -1, 0, 0},
    {2, 1, -2, -3, -5, -7, 0, 4, 9, 8},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {7, 14, -13, -6, -1, 8, 13, 7, 2, 6},
    {14, 10, 4, 0, -4, -3, -1, 1, 2, 3},
    {2, 1, -2, -3, -5, -1, 7, 11, 15, 13},
    {8, 2, -4, -8, 1, 3, 8, 11, 14, 16},
    {-3, 4, 10, 0, -11, 3, 9, 13, 6, 0},
    {18, 14, 8, 2, -3, -6, -1, 2, 5, 6},
    {2, 1, -2, -4, -8, 4, 12, 16, 18, 15},
}};

namespace {
bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}
}  // namespace

void WriteHeadsetK27EqValues(HeadsetK27Properties& properties, const HeadsetK27EqValues& values) {
  properties.WriteInteger(HeadsetK27Device::Output, L"Enable_EQ_GFX", HeadsetK27Second::None(), 1);
  for (int band = 0; band < kHeadsetK27EqBands; ++band) WriteHeadsetK27EqBand(properties, band, values[band]);
}

void WriteHeadsetK27EqBand(HeadsetK27Properties& properties, int band, int32_t value) {
  if (band < 0 || band >= kHeadsetK27EqBands) return;
  properties.WriteInteger(HeadsetK27Device::Output, EQ_SLIDER_PROPERTY_NAMES[band], HeadsetK27Second::None(), value);
}

std::wstring HeadsetK27IndexPath(const std::wstring& folder) { return folder + kHeadsetK27ProfileIndexFile; }

namespace {
std::wstring SelectedProfileFile(const std::wstring& folder, const wchar_t* nameSection, const wchar_t* extension) {
  const std::wstring index = HeadsetK27IndexPath(folder);
  const std::wstring selected = ReadIniText(index, L"PROFILESELECT", L"select");
  return FileInFolder(folder, ReadIniText(index, nameSection, selected), extension);
}
}  // namespace

std::wstring HeadsetK27ProfilePath(const std::wstring& folder) {
  return SelectedProfileFile(folder, L"PROFILENAME", L".json");
}

std::wstring HeadsetK27VoiceIniPath(const std::wstring& folder) {
  return SelectedProfileFile(folder, L"VOICEPROFILENAME", L".ini");
}

std::wstring HeadsetK27FactoryProfilePath() { return ProgramFolder() + L"hsK27lightdefault.json"; }

std::wstring HeadsetK27EqPresetPath(const std::wstring& folder, const std::wstring& name) {
  return FileInFolder(folder, name, L".ini");
}

std::wstring ReadHeadsetK27EqSelect(const std::wstring& voiceIni) {
  return ReadIniText(voiceIni, L"EQSELECT", L"select");
}

std::wstring ReadHeadsetK27EqSelectName(const std::wstring& voiceIni) {
  return ReadIniText(voiceIni, L"SELECTNAME", L"name");
}

void WriteHeadsetK27EqSelect(const std::wstring& voiceIni, int option) {
  WriteIniNumber(voiceIni, L"EQSELECT", L"select", option);
}

void WriteHeadsetK27EqSelectName(const std::wstring& voiceIni, const std::wstring& name) {
  WriteIniText(voiceIni, L"SELECTNAME", L"name", name);
}

std::vector<std::wstring> ReadHeadsetK27UserEqPresets(const std::wstring& indexPath) {
  int count = ReadIniNumber(indexPath, L"EQCOUNT", L"count");
  if (count < 0) count = 0;
  if (count > kHeadsetK27MaxUserEqPresets) count = kHeadsetK27MaxUserEqPresets;
  std::vector<std::wstring> names;
  for (int j = 0; j < count; ++j) names.push_back(ReadIniText(indexPath, L"EQINDEX", std::to_wstring(j)));
  return names;
}

void WriteHeadsetK27UserEqPresets(const std::wstring& indexPath, const std::vector<std::wstring>& names) {
  const int previous = ReadIniNumber(indexPath, L"EQCOUNT", L"count");
  WriteIniNumber(indexPath, L"EQCOUNT", L"count", static_cast<int>(names.size()));
  for (size_t j = 0; j < names.size(); ++j) WriteIniText(indexPath, L"EQINDEX", std::to_wstring(j), names[j]);
  const int stale = std::min(std::max(previous, 0), kHeadsetK27MaxUserEqPresets);
  for (int j = static_cast<int>(names.size()); j < stale; ++j)
    WritePrivateProfileStringW(L"EQINDEX", std::to_wstring(j).c_str(), nullptr, indexPath.c_str());
}

int FindHeadsetK27UserEqPreset(const std::vector<std::wstring>& names, const std::wstring& name) {
  for (size_t j = 0; j < names.size(); ++j)
    if (SameNameIgnoringCase(names[j], name)) return static_cast<int>(j);
  return -1;
}

HeadsetK27EqValues ReadHeadsetK27EqPresetFile(const std::wstring& path) {
  HeadsetK27EqValues values{};
  for (int band = 0; band < kHeadsetK27EqBands; ++band)
    values[band] = ReadIniNumber(path, L"EQVALUE", std::to_wstring(band));
  return values;
}

bool WriteHeadsetK27EqPresetFile(const std::wstring& path, const HeadsetK27EqValues& values) {
  bool written = true;
  for (int band = 0; band < kHeadsetK27EqBands; ++band)
    written = WriteIniNumber(path, L"EQVALUE", std::to_wstring(band), values[band]) && written;
  return written;
}

HeadsetK27PresetName CheckHeadsetK27PresetName(const std::wstring& folder, const std::vector<std::wstring>& presets,
                                              const std::wstring& name) {
  if (!IsUsableAsFileName(name)) return HeadsetK27PresetName::Unusable;
  if (FindHeadsetK27UserEqPreset(presets, name) >= 0 || IsHeadsetK27VoiceName(name)) return HeadsetK27PresetName::Taken;
  if (GetFileAttributesW(HeadsetK27EqPresetPath(folder, name).c_str()) != INVALID_FILE_ATTRIBUTES)
    return HeadsetK27PresetName::Taken;
  return HeadsetK27PresetName::Usable;
}
