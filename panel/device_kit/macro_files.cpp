#include "macro_files.h"

#include "file_name_check.h"
#include "ini_values.h"

namespace {
constexpr int kMostNamedMacros = 256;
}

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
