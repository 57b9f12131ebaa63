// A list's start-up: its items from the index file, and what takes their place when the index has
// no profiles. The payload files are the user's data; an index can be made again from them.
#include <windows.h>

#include <algorithm>

#include "diagnostics.h"
#include "file_name_check.h"
#include "ini_values.h"
#include "named_profile_list.h"

namespace {
const wchar_t* const kFileMissing = L"message_text_8";

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end) {
  return text.size() > end.size() && SameTextIgnoringCase(text.substr(text.size() - end.size()), end);
}

bool OrderedIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_LESS_THAN;
}
}  // namespace

bool NamedProfileList::Fill() {
  const std::wstring index = IndexFile();
  const int count = std::min(ReadIniNumber(index, params_.countSection, L"count"), kMostListedProfiles);
  if (count > 0) {
    // An entry whose name cannot be a file name keeps its row, so that the rows stay at the index
    // file's keys, but gets no file: every path built from it is refused.
    for (int i = 0; i < count; ++i) {
      const std::wstring name = ReadIniText(index, params_.nameSection, std::to_wstring(i));
      if (!IsUsableAsFileName(name)) DebugLine(L"profile entry refused, its file is left alone: " + name);
      view_.AppendItem(name, ProfileListView::ItemOrigin::Filled);
    }
    return true;
  }
  const std::vector<std::wstring> stored = StoredProfileNames();
  if (stored.empty()) return FillFirstRun();
  RebuildIndexFrom(stored);
  return true;
}

bool NamedProfileList::FillFirstRun() {
  std::vector<uint8_t> payload;
  if (!ReadFactoryPayload(payload)) return false;
  const std::wstring first = params_.newNamePrefix + std::to_wstring(1);
  // The index is written only once the first profile's file exists, so a failed first run is
  // tried again at the next start.
  if (!params_.format.write(ProfileFile(first), payload)) {
    view_.ShowMessage(kFileMissing);
    return false;
  }
  view_.AppendItem(first, ProfileListView::ItemOrigin::Filled);
  const std::wstring index = IndexFile();
  const std::wstring companion = CompanionName(ProfileListView::ItemOrigin::Filled, 0, first);
  if (!WriteIniNumber(index, params_.countSection, L"count", view_.Count()))
    DebugLine(L"profile index cannot be written: " + index);
  WriteIniText(index, params_.linkFlagSection, L"0", L"0");
  WriteIniText(index, params_.nameSection, L"0", first);
  WriteCompanionEntry(L"0", companion);
  WriteIniNumber(index, params_.selectionSection, L"select", 0);
  return true;
}

// The names of the list's payload files in its folder, in name order; names that an index file
// could not give back are passed over.
std::vector<std::wstring> NamedProfileList::StoredProfileNames() const {
  std::vector<std::wstring> names;
  const std::wstring extension = params_.extension;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder_ + L"*" + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring file = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !EndsWithIgnoringCase(file, extension)) continue;
    const std::wstring name = file.substr(0, file.size() - extension.size());
    if (IsUsableAsFileName(name)) names.push_back(name);
  } while (FindNextFileW(search, &found) && names.size() < static_cast<size_t>(kMostListedProfiles));
  FindClose(search);
  std::sort(names.begin(), names.end(), OrderedIgnoringCase);
  return names;
}

// The stored profiles start unlinked, the first one selected; other sections of the file stay.
// A companion is named as a copy's is: a fresh name, never one that another profile's file has.
void NamedProfileList::RebuildIndexFrom(const std::vector<std::wstring>& names) {
  const std::wstring index = IndexFile();
  if (!WriteIniNumber(index, params_.countSection, L"count", static_cast<int>(names.size()))) {
    DebugLine(L"profile index cannot be written, left as it is; its profiles stay unlisted: " + index);
    return;
  }
  DebugLine(L"profile index without profiles, rebuilt from the profile files: " + index);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::wstring key = std::to_wstring(i);
    WriteIniText(index, params_.nameSection, key, names[i]);
    WriteIniText(index, params_.linkFlagSection, key, L"0");
    WriteCompanionEntry(key, CompanionName(ProfileListView::ItemOrigin::Copied, static_cast<int>(i), names[i]));
    view_.AppendItem(names[i], ProfileListView::ItemOrigin::Filled);
  }
  WriteIniNumber(index, params_.selectionSection, L"select", 0);
}
