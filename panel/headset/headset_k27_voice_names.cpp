#include "headset_k27_voice_names.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "headset_k27_eq.h"
#include "file_name_check.h"
#include "ini_values.h"
#include "named_profile_list.h"

namespace {
std::wstring LowerCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

bool VoiceNameTaken(const std::wstring& folder, const std::wstring& name) {
  const std::wstring index = HeadsetK27IndexPath(folder);
  const int count = std::min(std::max(ReadIniNumber(index, L"PROFILECOUNT", L"count"), 0), kMostListedProfiles);
  for (int i = 0; i < count; ++i)
    if (SameTextIgnoringCase(ReadIniText(index, L"VOICEPROFILENAME", std::to_wstring(i), L""), name)) return true;
  return GetFileAttributesW(FileInFolder(folder, name, L".ini").c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

std::wstring HeadsetK27CopyVoiceName(const std::wstring& folder, int count) {
  std::wstring name = L"voiceprofile" + std::to_wstring(count - 1) + L"copy";
  while (VoiceNameTaken(folder, name)) name += L"copy";
  return name;
}

std::wstring HeadsetK27VoiceName(const std::wstring& folder, ProfileListView::ItemOrigin origin, int index,
                                 const std::wstring& profileName) {
  switch (origin) {
    case ProfileListView::ItemOrigin::Filled: return L"voiceprofile1";
    case ProfileListView::ItemOrigin::Added: return L"voice" + profileName;
    case ProfileListView::ItemOrigin::Copied: break;
  }
  return HeadsetK27CopyVoiceName(folder, index + 1);
}

bool IsHeadsetK27VoiceName(const std::wstring& name) {
  const std::wstring lower = LowerCase(name);
  const std::wstring prefix = L"voiceprofile", copy = L"copy";
  if (lower.compare(0, prefix.size(), prefix) != 0) return false;
  size_t at = prefix.size();
  const size_t digits = at;
  while (at < lower.size() && std::iswdigit(lower[at])) ++at;
  if (at == digits) return false;
  while (lower.compare(at, copy.size(), copy) == 0) at += copy.size();
  return at == lower.size();
}
