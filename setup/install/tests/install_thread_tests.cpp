#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "UMainForm.h"
#include "install_progress.h"
#include "setup_test_helpers.h"

namespace {

HANDLE WINAPI RefuseThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                           LPDWORD) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

DWORD WINAPI NeverRuns(LPVOID) { return 0; }

// Without a thread nothing would ever post the form's end: the program would wait forever, and
// the panel with it.
TEST(InstallThread, AThreadThatCannotStartEndsTheInstallWithAFailure) {
  ProgressListener listener;
  // Message-only, so that it takes no broadcast of its own.
  HWND form = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                              nullptr);
  ASSERT_NE(nullptr, form);
  EXPECT_FALSE(StartInstallThread(form, NeverRuns, nullptr, RefuseThread));
  // A broadcast that found the listener busy for its 100 ms still arrives, a little later.
  for (int i = 0; i < 200 && listener.Codes().empty(); ++i) Sleep(25);
  EXPECT_EQ(std::vector<DWORD>{0x80000001}, listener.Codes());
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, form, WM_INSTALL_FINISHED, WM_INSTALL_FINISHED, PM_REMOVE));
  DestroyWindow(form);
}

}  // namespace
