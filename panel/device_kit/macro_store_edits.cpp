#include "macro_store_edits.h"

#include <windows.h>

#include <algorithm>

#include "file_name_check.h"
#include "file_replace.h"
#include "ini_values.h"

bool SameMacroName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::wstring NextMacroName(const std::vector<std::wstring>& names) {
  for (size_t k = names.size() + 1;; ++k) {
    const std::wstring candidate = L"name_" + std::to_wstring(k);
    if (std::none_of(names.begin(), names.end(),
                     [&candidate](const std::wstring& name) { return SameMacroName(name, candidate); }))
      return candidate;
  }
}

MacroRenameCheck CheckMacroRename(const std::vector<std::wstring>& names, int index, const std::wstring& newName) {
  if (index >= 0 && index < static_cast<int>(names.size()) && SameMacroName(names[index], newName))
    return MacroRenameCheck::Unchanged;
  for (const std::wstring& name : names)
    if (SameMacroName(name, newName)) return MacroRenameCheck::Taken;
  if (!IsUsableAsFileName(newName)) return MacroRenameCheck::Unusable;
  return MacroRenameCheck::Accepted;
}

void WriteMacroIndexName(const std::wstring& indexFile, int index, const std::wstring& name) {
  WriteIniText(indexFile, L"MACRONAME", std::to_wstring(index), name);
}

void WriteMacroIndexEntry(const std::wstring& indexFile, int count, int index, const std::wstring& name) {
  WriteIniNumber(indexFile, L"MACROCOUNT", L"count", count);
  WriteMacroIndexName(indexFile, index, name);
}

void RewriteMacroIndex(const std::wstring& indexFile, const std::vector<std::wstring>& names) {
  DeleteFileW(indexFile.c_str());
  WriteIniNumber(indexFile, L"MACROCOUNT", L"count", static_cast<int>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) WriteMacroIndexName(indexFile, static_cast<int>(i), names[i]);
}

void WriteMacroActions(const std::wstring& macroFile, const std::vector<std::wstring>& records) {
  WriteIniNumber(macroFile, L"MACROACTIONCOUNT", L"count", static_cast<int>(records.size()));
  for (size_t i = 0; i < records.size(); ++i)
    WriteIniText(macroFile, L"MACROACTION", std::to_wstring(i), records[i]);
}

void WriteMacroOwnName(const std::wstring& macroFile, const std::wstring& name) {
  WriteIniText(macroFile, L"MACROSELECTNAME", L"name", name);
}

bool MoveMacroFile(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {
// The whole file; empty when it is missing or cannot be read.
std::vector<char> ReadFileBytes(const std::wstring& path) {
  std::vector<char> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < MAXDWORD) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
  }
  CloseHandle(file);
  return bytes;
}
}  // namespace

bool CopyMacroFileBytes(const std::wstring& from, const std::wstring& to) {
  const std::vector<char> bytes = ReadFileBytes(from);
  return ReplaceFileContents(to, bytes.data(), bytes.size());
}
