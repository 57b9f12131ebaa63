// The release folder holds what ships and nothing of the demo run or the tests: no stand-in
// library, no simulation, no demo program.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "program_folder.h"
#include "test_files.h"

namespace {

std::wstring BuildFolder() {
  std::wstring folder = ProgramFolder();
  folder.pop_back();
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

// Every file below `folder`, relative to it.
void ListFiles(const std::wstring& folder, const std::wstring& relative, std::vector<std::wstring>& files) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + relative + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ListFiles(folder, relative + name + L"\\", files);
    else files.push_back(relative + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What ships: the panel, the setup program, the skin (no programs or libraries in it) and the
// factory data files beside the panel.
bool Ships(const std::wstring& file) {
  const std::wstring name = Lower(file);
  if (name == L"marvane.exe" || name == L"toklin\\binary\\pendrel_x32.exe") return true;
  if (name.rfind(L"skin\\", 0) == 0) return !EndsWith(name, L".exe") && !EndsWith(name, L".dll");
  if (name.find(L'\\') != std::wstring::npos) return false;
  for (const wchar_t* data : {L".kconfig", L".led", L".pro", L".json", L".config", L".cur"})
    if (EndsWith(name, data)) return true;
  return false;
}

TEST(ReleaseFolder, HoldsOnlyWhatShips) {
  std::vector<std::wstring> files;
  ListFiles(BuildFolder() + L"dist\\", L"", files);
  for (const wchar_t* needed : {L"Marvane.exe", L"Toklin\\Binary\\Pendrel_x32.exe", L"skin\\res.xml"})
    EXPECT_NE(std::find(files.begin(), files.end(), needed), files.end()) << ToUtf8(needed);
  for (const std::wstring& file : files) EXPECT_TRUE(Ships(file)) << "does not ship: " << ToUtf8(file);
}

TEST(ReleaseFolder, ThePanelCarriesNothingOfTheDemoOrTheSimulation) {
  const auto release = ReadBytes(BuildFolder() + L"dist\\Marvane.exe");
  const auto demo = ReadBytes(BuildFolder() + L"demo\\Marvane.exe");
  auto holds = [](const std::vector<unsigned char>& program, const std::string& bytes) {
    return std::search(program.begin(), program.end(), bytes.begin(), bytes.end()) != program.end();
  };
  auto wide = [](const std::string& text) {
    std::string bytes;
    for (char c : text) bytes += std::string{c, '\0'};
    return bytes;
  };
  // Texts that only the demo's control channel, its device choice and the simulated bus hold.
  for (const std::string& marker : {wide("KarvoDemoControl"), std::string("KARVO_DEMO_DEVICES"), wide("&sim&"),
                                    std::string("StandinSetHeadsetPresent")}) {
    EXPECT_TRUE(holds(demo, marker)) << "the demo program holds the marker";
    EXPECT_FALSE(holds(release, marker)) << "the release program holds a marker of the demo";
  }
}

}  // namespace
