#pragma once
#include <windows.h>

#include <string>

// The audio driver setup program, started once from the panel's start-up and awaited.

// The uninstaller that the setup program installs; when it carries exactly the archive attribute
// the stack counts as installed.
extern const wchar_t* const kInstalledUninstallerPath;

bool SetupProgramShouldRun(DWORD uninstallerAttributes);

// The command line, its program path quoted: "<folder>Toklin\Binary\Pendrel_x..exe" -demo.
// `programFolder` ends with a backslash. On 64-bit Windows a 64-bit setup program is used only
// when it exists; the delivered 32-bit one serves 64-bit Windows too.
std::wstring SetupProgramCommandLine(const std::wstring& programFolder, bool is64BitWindows,
                                     bool x64ProgramExists);

// Starts the setup program unless it is installed, and waits for it without a time-out.
void RunSetupProgramUnlessInstalled(const std::wstring& programFolder, bool is64BitWindows);
