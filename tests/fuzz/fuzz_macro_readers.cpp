// Macro files and their imports, macro index files, the device macro image built from them, and
// cursor scripts.
#include "device_macro_image.h"
#include "fuzz_readers.h"
#include "macro_action.h"
#include "macro_files.h"
#include "mouse_cursor_script.h"
#include "test_files.h"

namespace {

constexpr size_t kLargestMacroMemory = 255 * 128;

// A macro file as the page shows it and as an import takes it.
bool ReadMacroFile(const std::wstring&, const std::wstring& file) {
  const auto records = ReadMacroActions(file, DEVICE_MACRO_MOST_ACTIONS);
  if (!records) return false;
  for (const std::wstring& record : *records)
    if (const auto action = ParseMacroAction(record)) RowCellsOf(*action);
  return true;
}

// An index file naming macros; one of the names has a file beside it.
bool ReadMacroIndex(const std::wstring& folder, const std::wstring& file) {
  WriteText(folder + L"a.mac",
            "[MACROACTIONCOUNT]\r\ncount=2\r\n[MACROACTION]\r\n0=1,0,138,4,1,x\r\n1=1,0,10,4,0,x\r\n");
  ReadMacroNames(file);
  const DeviceMacroImage image = BuildDeviceMacroImage(folder, L"kbMacro.ini", kLargestMacroMemory);
  return image.status == DeviceMacroImage::Status::Built || image.status == DeviceMacroImage::Status::NoMacros;
}

bool ReadCursorScript(const std::wstring& folder, const std::wstring& file) {
  for (int step = 0; step < CURSOR_SCRIPT_STEPS; ++step) LoadCursorStep(file, step);
  return ImportCursorScript(file, folder, 1);
}

}  // namespace

std::vector<FuzzReader> MacroFileReaders() {
  return {
      {"MacroFile", L"macro", true, ReadMacroFile, L"m.mac"},
      {"MacroIndex", L"macro_index", true, ReadMacroIndex, L"kbMacro.ini"},
      {"CursorScript", L"cursor", true, ReadCursorScript, L"name_1.cur"},
  };
}
