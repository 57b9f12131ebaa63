#include "macro_files.h"

#include <windows.h>

#include "diagnostics.h"
#include "file_name_check.h"
#include "ini_values.h"

namespace {
constexpr int kMostNamedMacros = 256;
// "MACROACTION" key (at most five digits), '=', value, "\r\n".
constexpr uint64_t kMostRecordLineChars = 5 + 1 + (kIniValueChars - 1) + 2;
constexpr uint64_t kMostOtherLinesBytes = 4096;

// 0 for a file that is missing or cannot be looked at: the profile-string calls read it as empty.
uint64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}  // namespace

int BoundedCount(int count, int limit) {
  if (count < 0) return 0;
  return count > limit ? limit : count;
}

int ReadMacroCount(const std::wstring& indexFile) { return ReadIniNumber(indexFile, L"MACROCOUNT", L"count"); }

std::wstring ReadMacroName(const std::wstring& indexFile, int index) {
  return ReadIniText(indexFile, L"MACRONAME", std::to_wstring(index));
}

std::vector<std::wstring> ReadMacroNames(const std::wstring& indexFile) {
  const int count = BoundedCount(ReadMacroCount(indexFile), kMostNamedMacros);
  std::vector<std::wstring> names;
  for (int i = 0; i < count; ++i) names.push_back(ReadMacroName(indexFile, i));
  return names;
}

std::wstring MacroFilePath(const std::wstring& folder, const std::wstring& name) {
  return FileInFolder(folder, name, L".mac");
}

int ReadMacroActionCount(const std::wstring& macroFile) {
  return ReadIniNumber(macroFile, L"MACROACTIONCOUNT", L"count");
}

std::wstring ReadMacroActionRecord(const std::wstring& macroFile, int index) {
  return ReadIniText(macroFile, L"MACROACTION", std::to_wstring(index));
}

uint64_t MacroFileMostBytes(int mostActions) {
  const uint64_t records = mostActions > 0 ? static_cast<uint64_t>(mostActions) : 0;
  return (records * kMostRecordLineChars) * sizeof(wchar_t) + kMostOtherLinesBytes;
}

bool MacroFileTooLarge(const std::wstring& macroFile, int mostActions) {
  return FileSize(macroFile) > MacroFileMostBytes(mostActions);
}

// The section is read once: a look-up per record would read the file again for each.
std::optional<std::vector<std::wstring>> ReadMacroActions(const std::wstring& macroFile, int mostActions) {
  if (MacroFileTooLarge(macroFile, mostActions)) {
    DebugLine(L"macro file larger than a macro can be, not read: " + macroFile);
    return std::nullopt;
  }
  const std::map<std::wstring, std::wstring> records = ReadIniSection(macroFile, L"MACROACTION");
  const int held = records.size() > INT32_MAX ? INT32_MAX : static_cast<int>(records.size());
  const int count = BoundedCount(BoundedCount(ReadMacroActionCount(macroFile), mostActions), held);
  std::vector<std::wstring> actions;
  actions.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto record = records.find(std::to_wstring(i));
    actions.push_back(record == records.end() ? L"0" : record->second);
  }
  return actions;
}
