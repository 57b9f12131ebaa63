#include "setup_program.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "diagnostics.h"

const wchar_t* const kSetupProgramArguments = L"-demo";

namespace {
const wchar_t* const kSetupFolder = L"Toklin\\Binary\\";
const wchar_t* const kSetup32 = L"Pendrel_x32.exe";
const wchar_t* const kSetup64 = L"Pendrel_x64.exe";
const wchar_t* const kUninstallerInProgramFiles = L"Default Orvel USB Audio Software\\Undrel.exe";

std::wstring ShellFolder(int id) {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::wstring();
  std::wstring path = folder;
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
}  // namespace

// A 32-bit panel sees the 32-bit folder as its own; the native one it finds in ProgramW6432.
ProgramFilesFolders SystemProgramFilesFolders(bool is64BitWindows) {
  if (!is64BitWindows) {
    const std::wstring folder = ShellFolder(CSIDL_PROGRAM_FILES);
    return {folder, folder};
  }
  ProgramFilesFolders folders{ShellFolder(CSIDL_PROGRAM_FILESX86), ShellFolder(CSIDL_PROGRAM_FILES)};
  wchar_t native[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"ProgramW6432", native, MAX_PATH);
  if (length > 0 && length < MAX_PATH) folders.for64BitPrograms = std::wstring(native) + L"\\";
  return folders;
}

std::wstring InstalledUninstallerPath(const ProgramFilesFolders& folders, const std::wstring& setupProgram) {
  const bool is64BitProgram = EndsWith(setupProgram, kSetup64);
  return (is64BitProgram ? folders.for64BitPrograms : folders.for32BitPrograms) + kUninstallerInProgramFiles;
}

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

void RunSetupProgramUnlessInstalled(const std::wstring& programFolder, bool is64BitWindows,
                                    const ProgramFilesFolders& folders) {
  const std::wstring x64Program = SetupProgramPath(programFolder, true, true);
  const bool x64Exists = GetFileAttributesW(x64Program.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::wstring program = SetupProgramPath(programFolder, is64BitWindows, x64Exists);
  const std::wstring uninstaller = InstalledUninstallerPath(folders, program);
  if (!SetupProgramShouldRun(GetFileAttributesW(uninstaller.c_str()))) return;
  RunSetupProgram(program);
}
