#pragma once
#include <windows.h>

#include <string>

// The audio driver setup program, started once from the panel's start-up and awaited.

// The Program Files folder as a 32-bit and as a 64-bit program sees it, each ending in a
// backslash; on 32-bit Windows both are the one folder.
struct ProgramFilesFolders {
  std::wstring for32BitPrograms;
  std::wstring for64BitPrograms;
};
ProgramFilesFolders SystemProgramFilesFolders(bool is64BitWindows);

// The uninstaller as the setup program at `setupProgram` installs it: in its own Program Files
// folder, "Default Orvel USB Audio Software\Undrel.exe". When it carries exactly the archive
// attribute the stack counts as installed.
std::wstring InstalledUninstallerPath(const ProgramFilesFolders& folders, const std::wstring& setupProgram);

bool SetupProgramShouldRun(DWORD uninstallerAttributes);

// "<folder>Toklin\Binary\Pendrel_x..exe"; `programFolder` ends with a backslash. On 64-bit Windows
// a 64-bit setup program is used only when it exists; the delivered 32-bit one serves 64-bit
// Windows too.
std::wstring SetupProgramPath(const std::wstring& programFolder, bool is64BitWindows, bool x64ProgramExists);
// The program's one argument.
extern const wchar_t* const kSetupProgramArguments;
// The command line of a plain start: the program path quoted (it may hold blanks), a blank, the
// arguments.
std::wstring ProgramCommandLine(const std::wstring& program, const std::wstring& arguments);

// What CreateProcessW answers for a program whose manifest asks for administrator rights when the
// caller has none (ERROR_ELEVATION_REQUIRED; the compiler's headers lack the name).
constexpr DWORD kErrorElevationRequired = 740;

// Starts a program with its arguments: the new process's handle, or null with the error in
// `error`.
using ProgramStart = HANDLE (*)(const std::wstring& program, const std::wstring& arguments, DWORD& error);
// Tests only: the plain start (CreateProcessW) is replaced by `start`; null restores it.
void StartSetupProgramWith(ProgramStart start);

// Starts the setup program and waits for it without a time-out. The setup program asks for
// administrator rights in its manifest, so from a panel without them the plain start fails with
// kErrorElevationRequired; exactly then it is started elevated and awaited the same way. A program
// that does not start is not reported beyond the debugger.
void RunSetupProgram(const std::wstring& program);

// Starts the setup program unless what it installs is there, and waits for it.
void RunSetupProgramUnlessInstalled(const std::wstring& programFolder, bool is64BitWindows,
                                    const ProgramFilesFolders& folders);
