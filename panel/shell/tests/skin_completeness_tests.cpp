// The skin against the code: every control name the code spells out (looked up, routed, or kept in a
// page's table of names) is a control of some layout, and the rows of numbered controls that the
// code looks up have a control for every number it uses. What the code spells that is no control
// (library properties, layout tags, names of other things) is on the reviewed list below. The
// routes' own check against the main window is route_consistency_tests.cpp.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "headset_k27_eq.h"
#include "headset_state.h"
#include "keyboard_state.h"
#include "main_wnd.h"
#include "program_folder.h"
#include "test_files.h"
#include "text_parsers.h"

namespace {

// Names of the form the layouts use ("kb_deng_light_slider") that the code spells for other ends.
// An entry ending in '*' stands for every name it begins.
struct NotAControl {
  const char* pattern;
  const char* what;
};
const NotAControl kNotControls[] = {
    {"*_UI", "a page layout's tag in the main layout, made into a page by CreateControl"},
    {"EQ_Slider*", "a property of the audio configuration library"},
    {"Enable_*", "a property of the audio configuration library"},
    {"RFX_*", "a property of the audio configuration library"},
    {"MagicVoice_Selection", "a property of the audio configuration library"},
    {"XearSurrHP_*", "a property of the audio configuration library"},
    {"Menu_Import", "a tray menu item that the menu command ignores"},
    {"Menu_Export", "a tray menu item that the menu command ignores"},
    {"WM_HOOK_*", "a debugger line"},
    {"TRAMOLEX_001", "the registered window message"},
    {"winmm_devicechange", "a registered window message"},
    {"lan_", "the tray menu's language items, \"lan_\" and the language"},
    {"name_", "file names of macros and cursor scripts, \"name_\" and a number"},
    {"ms_DPI", "DPI stage controls, composed with the stage's number"},
    {"*macro_action", "a macro list row, made by a macro page"},
};

bool Matches(const std::string& name, const char* pattern) {
  const std::string text = pattern;
  if (text.front() == '*') return name.size() >= text.size() - 1 && name.compare(name.size() - (text.size() - 1), std::string::npos, text, 1) == 0;
  if (text.back() == '*') return name.compare(0, text.size() - 1, text, 0, text.size() - 1) == 0;
  return name == text;
}

bool NotAControlName(const std::string& name) {
  return std::any_of(std::begin(kNotControls), std::end(kNotControls),
                     [&](const NotAControl& entry) { return Matches(name, entry.pattern); });
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string FileText(const std::wstring& path) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Files of `folder` (ending in a backslash) and its sub-folders whose names end in `suffix`.
std::vector<std::wstring> FilesBelow(const std::wstring& folder, const std::wstring& suffix) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      const auto inner = FilesBelow(folder + name + L"\\", suffix);
      files.insert(files.end(), inner.begin(), inner.end());
    } else if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      files.push_back(folder + name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

// Every value of `attribute`="..." in the text.
std::set<std::string> AttributeValues(const std::string& text, const std::string& attribute) {
  std::set<std::string> values;
  const std::string marker = " " + attribute + "=\"";
  for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
    const size_t start = at + marker.size();
    values.insert(text.substr(start, text.find('"', start) - start));
  }
  return values;
}

bool NameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The wide literals of a source text that have the form of a control name: a letter, then letters,
// digits and underscores with at least one underscore.
std::set<std::string> NameLiterals(const std::string& source) {
  std::set<std::string> names;
  for (size_t at = source.find("L\""); at != std::string::npos; at = source.find("L\"", at + 2)) {
    if (at > 0 && NameCharacter(source[at - 1])) continue;  // part of a longer token
    const size_t start = at + 2, end = source.find('"', start);
    if (end == std::string::npos) break;
    const std::string literal = source.substr(start, end - start);
    if (!literal.empty() && std::isalpha(static_cast<unsigned char>(literal[0])) &&
        literal.find('_') != std::string::npos && std::all_of(literal.begin(), literal.end(), NameCharacter))
      names.insert(literal);
  }
  return names;
}

// The skin as the code may meet it: the names of every layout (lower case), the stems of its
// numbered names ("kb_dkey_"), and the language file's text ids.
struct Skin {
  Skin() {
    const std::wstring folder = ProgramFolder() + L"skin\\";
    for (const std::wstring& file : FilesBelow(folder, L".xml")) {
      const std::string text = FileText(file);
      if (file.find(L"\\lan_") != std::wstring::npos) {
        for (const std::string& id : AttributeValues(text, "id")) textIds.insert(Lower(id));
        continue;
      }
      for (const std::string& name : AttributeValues(text, "name")) Add(name);
    }
  }
  void Add(const std::string& name) {
    names.insert(Lower(name));
    std::wstring stem;
    int32_t number = 0;
    if (SplitNameIndex(std::wstring(name.begin(), name.end()), stem, number)) stems.insert(Lower(std::string(stem.begin(), stem.end())));
  }
  bool Knows(const std::string& name) const {
    const std::string lower = Lower(name);
    return names.count(lower) || stems.count(lower) || textIds.count(lower);
  }
  bool HasControl(const std::wstring& name) const { return names.count(Lower(std::string(name.begin(), name.end()))) > 0; }

  std::set<std::string> names, stems, textIds;
};

// "file: name" for every name literal of the sources that the skin does not know.
std::vector<std::string> UnknownNames(const Skin& skin, const std::map<std::string, std::string>& sources) {
  std::vector<std::string> unknown;
  for (const auto& [file, text] : sources)
    for (const std::string& name : NameLiterals(text))
      if (!skin.Knows(name) && !NotAControlName(name)) unknown.push_back(file + ": " + name);
  return unknown;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The window code of the panel: the shell and the device pages, not their tests.
std::map<std::string, std::string> PanelSources() {
  std::map<std::string, std::string> sources;
  for (const wchar_t* folder : {L"shell\\", L"keyboard\\", L"mouse\\", L"headset\\"})
    for (const wchar_t* suffix : {L".cpp", L".h"})
      for (const std::wstring& file : FilesBelow(std::wstring(PANEL_SOURCE_FOLDER) + folder, suffix))
        if (file.find(L"\\tests\\") == std::wstring::npos) sources[ToUtf8(file)] = FileText(file);
  return sources;
}

TEST(SkinCompleteness, EveryControlNameTheCodeSpellsIsInALayout) {
  const auto sources = PanelSources();
  ASSERT_GT(sources.size(), 100u) << "the panel's sources are read from " << ToUtf8(PANEL_SOURCE_FOLDER);
  const std::vector<std::string> unknown = UnknownNames(Skin(), sources);
  EXPECT_TRUE(unknown.empty()) << Lines(unknown);
}

TEST(SkinCompleteness, AMisspeltNameInTheCodeIsFound) {
  const std::map<std::string, std::string> sources = {
      {"page.cpp", "Find<CSliderUI>(L\"kb_deng_light_slider\"); Find(L\"kb_deng_ligth_slider\"); "
                   "Find(L\"kb_dkey_\", 3); L\"message_text_20\"; L\"EQ_Slider4\"; TEXT(L\"plain\")"}};
  EXPECT_EQ(UnknownNames(Skin(), sources), std::vector<std::string>{"page.cpp: kb_deng_ligth_slider"});
}

// The rows of numbered controls that the code looks up by number, each over the range it uses.
struct NumberedRow {
  const wchar_t* stem;
  int count;
};
const NumberedRow kNumberedLookups[] = {
    {L"kb_dkey_", KEYBOARD_LED_COUNT},       {L"ms_dkey_", MOUSE_LED_COUNT},
    {L"mp_dkey_", MOUSEPAD_LED_COUNT},       {L"head_dkey_", HEADSET_LED_COUNT},
    {L"headK27_dkey_", HEADSET_K27_LED_COUNT}, {L"kb_key_", KEYBOARD_UI_KEYS},
    {L"HZ_Slider_", kHeadsetBandCount},      {L"HZK27_Slider_", kHeadsetK27EqBands},
    {L"hs_EQ_STATUS_", kHeadsetK27UserEqOption + 1},
};

TEST(SkinCompleteness, NumberedLookupsHaveAControlForEveryNumber) {
  const Skin skin;
  std::vector<std::string> missing;
  for (const NumberedRow& row : kNumberedLookups)
    for (int number = 0; number < row.count; ++number)
      if (!skin.HasControl(row.stem + std::to_wstring(number))) missing.push_back(ToUtf8(row.stem + std::to_wstring(number)));
  EXPECT_TRUE(missing.empty()) << Lines(missing);
}

}  // namespace
