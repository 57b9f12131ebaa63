#include "mouse_first_run.h"

#include <windows.h>

#include "ini_values.h"
#include "mouse_cursor_script.h"

void SeedMouseCursorScripts(const std::wstring& programFolder, const std::wstring& folder) {
  const std::wstring index = folder + L"msMacro.ini";
  if (ReadIniNumber(index, L"CURSORCOUNT", L"count") != 0) return;
  WriteMouseCursorScriptNames(folder);
  for (int slot = 0; slot < MOUSE_CURSOR_SLOTS; ++slot)
    CopyFileW(MouseCursorScriptFile(programFolder, slot).c_str(), MouseCursorScriptFile(folder, slot).c_str(), TRUE);
}
