#include "setup_program.h"

#include <shellapi.h>

#include <vector>

#include "diagnostics.h"

const wchar_t* const kInstalledUninstallerPath =
    L"C:\\Program Files\\Default Orvel USB Audio Software\\Undrel.exe";
const wchar_t* const kSetupProgramArguments = L"-demo";

namespace {
const wchar_t* const kSetupFolder = L"Toklin\\Binary\\";
const wchar_t* const kSetup32 = L"Pendrel_x32.exe";
const wchar_t* const kSetup64 = L"Pendrel_x64.exe";
}  // namespace

bool SetupProgramShouldRun(DWORD uninstallerAttributes) {
  return uninstallerAttributes != FILE_ATTRIBUTE_ARCHIVE;
}

std::wstring SetupProgramPath(const std::wstring& programFolder, bool is64BitWindows, bool x64ProgramExists) {
  return programFolder + kSetupFolder + (is64BitWindows && x64ProgramExists ? kSetup64 : kSetup32);
}

std::wstring ProgramCommandLine(const std::wstring& program, const std::wstring& arguments) {
  return L"\"" + program + L"\" " + arguments;
}

namespace {
HANDLE StartProgram(const std::wstring& program, const std::wstring& arguments, DWORD& error) {
  const std::wstring commandLine = ProgramCommandLine(program, arguments);
  std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                      &startup, &process)) {
    error = GetLastError();
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// With administrator rights, which Windows asks the user to allow.
HANDLE StartProgramElevated(const std::wstring& program, const std::wstring& arguments, DWORD& error) {
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof(execute);
  // The process handle is kept for the wait; a failure is reported here, not in a box of its own.
  execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  execute.lpVerb = L"runas";
  execute.lpFile = program.c_str();
  execute.lpParameters = arguments.c_str();
  execute.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&execute)) {
    error = GetLastError();
    return nullptr;
  }
  if (!execute.hProcess) error = ERROR_INVALID_HANDLE;
  return execute.hProcess;
}

ProgramStart plainStart = StartProgram;
}  // namespace

void StartSetupProgramWith(ProgramStart start) { plainStart = start ? start : StartProgram; }

void RunSetupProgram(const std::wstring& program) {
  DWORD error = 0;
  HANDLE process = plainStart(program, kSetupProgramArguments, error);
  if (!process && error == kErrorElevationRequired) {
    DebugLine(L"the setup program asks for administrator rights: started elevated");
    process = StartProgramElevated(program, kSetupProgramArguments, error);
  }
  if (!process) {
    DebugPrintf(L"setup program not started (%lu): %s", error, program.c_str());
    return;
  }
  WaitForSingleObject(process, INFINITE);
  CloseHandle(process);
  DebugLine(L"setup program ended");
}

void RunSetupProgramUnlessInstalled(const std::wstring& programFolder, bool is64BitWindows) {
  if (!SetupProgramShouldRun(GetFileAttributesW(kInstalledUninstallerPath))) return;
  const std::wstring x64Program = SetupProgramPath(programFolder, true, true);
  const bool x64Exists = GetFileAttributesW(x64Program.c_str()) != INVALID_FILE_ATTRIBUTES;
  RunSetupProgram(SetupProgramPath(programFolder, is64BitWindows, x64Exists));
}
