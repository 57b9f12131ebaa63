#include "demo_panel_steps.h"

#include <windows.h>

#include <algorithm>

#include "diagnostics.h"
#include "program_folder.h"

namespace {
std::wstring BuildFolder() {
  std::wstring folder = ProgramFolder();
  folder.pop_back();
  return folder.substr(0, folder.rfind(L'\\') + 1);
}
}  // namespace

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

DemoPanelTest::DemoPanelTest(const std::wstring& artefactsName)
    : panel(BuildFolder() + L"demo\\", BuildFolder() + L"artefacts\\" + artefactsName + L"\\") {}

std::vector<std::string> DemoPanelTest::CallLog(const std::string& library) {
  const std::wstring file = panel.Artefact(FromUtf8(library) + L".now.calls.log");
  EXPECT_EQ(panel.Command("calllog " + library + " " + ToUtf8(file)), "done");
  return FileLines(file);
}

void DemoPanelTest::ExitThroughTheTrayMenu() {
  ASSERT_TRUE(panel.ExitThroughTrayMenu()) << "the process ends";
  DWORD code = 99;
  GetExitCodeProcess(panel.Process(), &code);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(Contains(panel.DebugLog(), ToUtf8(L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u6FC0\u53D1\u72B6\u6001")))
      << "every worker thread ended within the wait";
}
