#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Registry and process helpers of the setup program's tests.

// The REG_SZ / REG_EXPAND_SZ data of a value under HKLM, or "<missing>".
std::wstring ReadMachineString(const std::wstring& keyPath, const wchar_t* valueName);
DWORD ReadMachineDword(const std::wstring& keyPath, const wchar_t* valueName);
bool MachineKeyExists(const std::wstring& keyPath);
// The folder of the running test program, with a trailing backslash.
std::wstring TestProgramFolder();
// Whether Windows itself is 64-bit, asked of this program's own width (tests run in either).
bool WindowsIs64Bit();

// Starts a program with the command line "\"path\" arguments"; the process handle, or null.
HANDLE StartProgram(const std::wstring& path, const std::wstring& arguments);
// Runs it to its end (at most `limitMs`) and gives its exit code, or MAXDWORD.
DWORD RunProgram(const std::wstring& path, const std::wstring& arguments, DWORD limitMs = 60000);

// A hidden top-level window on its own thread that records the wParam of every
// "WM_INSTALL7D1_RESULT" broadcast.
class ProgressListener {
 public:
  ProgressListener();
  ~ProgressListener();
  std::vector<DWORD> Codes();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Loop();

  UINT message_;
  HANDLE ready_;
  DWORD threadId_ = 0;
  std::thread thread_;
  std::mutex lock_;
  std::vector<DWORD> codes_;
};
