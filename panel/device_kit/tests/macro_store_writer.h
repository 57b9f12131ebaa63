#pragma once
// Writes a macro store the way the macro page does: "kbMacro.ini" and one ".mac" file per macro.
#include <string>
#include <vector>

#include "test_files.h"

struct TestMacro {
  std::string name;
  std::string count;                 // as written, so tests can store hostile counts
  std::vector<std::string> records;  // "delay low,delay high,type,code,down,label"
};

// `folder` ends with a backslash.
inline void WriteMacroStore(const std::wstring& folder, const std::vector<TestMacro>& macros,
                            const std::string& storedCount = "") {
  std::string index = "[MACROCOUNT]\r\ncount=" + (storedCount.empty() ? std::to_string(macros.size()) : storedCount) +
                      "\r\n[MACRONAME]\r\n";
  for (size_t i = 0; i < macros.size(); ++i) index += std::to_string(i) + "=" + macros[i].name + "\r\n";
  WriteText(folder + L"kbMacro.ini", index);
  for (const TestMacro& macro : macros) {
    std::string text = "[MACROACTIONCOUNT]\r\ncount=" + macro.count + "\r\n[MACROACTION]\r\n";
    for (size_t j = 0; j < macro.records.size(); ++j) text += std::to_string(j) + "=" + macro.records[j] + "\r\n";
    WriteText(folder + std::wstring(macro.name.begin(), macro.name.end()) + L".mac", text);
  }
}

inline void WriteMacroStore(const TempFolder& folder, const std::vector<TestMacro>& macros,
                            const std::string& storedCount = "") {
  WriteMacroStore(folder.path(), macros, storedCount);
}

// A macro of n actions whose records are all the same key press.
inline TestMacro MacroOf(const std::string& name, int actions) {
  return {name, std::to_string(actions), std::vector<std::string>(actions, "10,1,138,4,1,keyboard_key_A")};
}
