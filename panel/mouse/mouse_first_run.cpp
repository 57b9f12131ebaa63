#include "mouse_first_run.h"

#include <windows.h>

#include <algorithm>

#include "ini_values.h"
#include "mouse_cursor_script.h"
#include "profile_store.h"

namespace {
// A count read from the index file is bounded before it drives a loop.
constexpr int kMostListedProfiles = 256;
const wchar_t* const kFirstProfile = L"Profile 1";
}  // namespace

void SeedMouseCursorScripts(const std::wstring& programFolder, const std::wstring& folder) {
  const std::wstring index = folder + L"msMacro.ini";
  if (ReadIniNumber(index, L"CURSORCOUNT", L"count") != 0) return;
  WriteMouseCursorScriptNames(folder);
  for (int slot = 0; slot < MOUSE_CURSOR_SLOTS; ++slot)
    CopyFileW(MouseCursorScriptFile(programFolder, slot).c_str(), MouseCursorScriptFile(folder, slot).c_str(), TRUE);
}

MouseListSeed SeedMouseProfileList(MouseProfileKind kind, const std::wstring& programFolder,
                                   const std::wstring& folder) {
  const MouseProfileListKeys& keys = MouseProfileKeys(kind);
  const std::wstring index = MouseProfileIndexFile(folder);
  MouseListSeed seed;
  const int count = ReadIniNumber(index, keys.countSection, L"count");
  if (count != 0) {
    for (int i = 0; i < std::min(count, kMostListedProfiles); ++i) seed.names.push_back(ReadIniText(index, keys.nameSection, std::to_wstring(i)));
    return seed;
  }
  std::vector<uint8_t> payload(keys.payloadSize, 0);
  const int read = ReadProfileFile(programFolder + keys.factoryFile, payload.data(), payload.size(), PROFILE_KIND_MOUSE);
  if (read != 0) {
    seed.result = read == 1 ? MouseListSeedResult::FactoryMissing : MouseListSeedResult::FactoryMalformed;
    return seed;
  }
  WriteProfileFile(folder + kFirstProfile + keys.saveExtension, payload.data(), payload.size(), PROFILE_KIND_MOUSE);
  WriteIniNumber(index, keys.countSection, L"count", 1);
  WriteIniText(index, keys.linkSection, L"0", L"0");
  WriteIniText(index, keys.nameSection, L"0", kFirstProfile);
  WriteIniText(index, keys.selectSection, L"select", L"0");
  seed.names.push_back(kFirstProfile);
  return seed;
}
