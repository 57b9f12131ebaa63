#include "setup_program.h"

#include <vector>

#include "diagnostics.h"

const wchar_t* const kInstalledUninstallerPath =
    L"C:\\Program Files\\Default Orvel USB Audio Software\\Undrel.exe";

namespace {
const wchar_t* const kSetupFolder = L"Toklin\\Binary\\";
const wchar_t* const kSetup32 = L"Pendrel_x32.exe";
const wchar_t* const kSetup64 = L"Pendrel_x64.exe";
const wchar_t* const kSetupArguments = L" -demo";
}  // namespace

bool SetupProgramShouldRun(DWORD uninstallerAttributes) {
  return uninstallerAttributes != FILE_ATTRIBUTE_ARCHIVE;
}

std::wstring SetupProgramCommandLine(const std::wstring& programFolder, bool is64BitWindows,
                                     bool x64ProgramExists) {
  const wchar_t* program = is64BitWindows && x64ProgramExists ? kSetup64 : kSetup32;
  return L"\"" + programFolder + kSetupFolder + program + L"\"" + kSetupArguments;
}

void RunSetupProgramUnlessInstalled(const std::wstring& programFolder, bool is64BitWindows) {
  if (!SetupProgramShouldRun(GetFileAttributesW(kInstalledUninstallerPath))) return;
  const std::wstring x64Program = programFolder + kSetupFolder + kSetup64;
  const bool x64Exists = GetFileAttributesW(x64Program.c_str()) != INVALID_FILE_ATTRIBUTES;
  std::wstring commandLine = SetupProgramCommandLine(programFolder, is64BitWindows, x64Exists);
  std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      nullptr, &startup, &process)) {
    DebugPrintf(L"setup program not started (%lu): %s", GetLastError(), commandLine.c_str());
    return;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  DebugLine(L"setup program ended");
}
