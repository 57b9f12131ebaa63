#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "setup_test_helpers.h"
#include "system_library.h"
#include "test_files.h"

namespace {

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  return path;
}

// The restriction holds for the whole process: the test undoes it for the tests after it.
TEST(SystemLibrary, DllsOutsideTheSystemFolderAreNotLoaded) {
  TempFolder folder;
  ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"planted_library.dll").c_str(),
                        (folder / L"version.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"planted_library.dll").c_str(),
                        (folder / L"karvo_planted.dll").c_str(), FALSE));
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  SetCurrentDirectoryW(folder.path().c_str());
  HMODULE planted = LoadLibraryW(L"karvo_planted.dll");
  EXPECT_NE(nullptr, planted) << "found in the current folder before";
  FreeLibrary(planted);

  RestrictDllSearchToSystemFolder();
  EXPECT_EQ(nullptr, LoadLibraryW(L"karvo_planted.dll"));
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(0, _wcsicmp((std::wstring(system) + L"\\version.dll").c_str(),
                        ModulePath(LoadSystemLibrary(L"version.dll")).c_str()));

  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  SetDllDirectoryW(nullptr);
  SetCurrentDirectoryW(current);
}

}  // namespace
