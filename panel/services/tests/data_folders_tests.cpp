#include "data_folders.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {
const wchar_t* const kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points the user's documents folder at a temporary folder for the test's lifetime.
class DocumentsRedirect {
 public:
  explicit DocumentsRedirect(const std::wstring& folder) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD size = sizeof old_;
    had_old_ = RegQueryValueExW(key_, L"Personal", nullptr, &type_, reinterpret_cast<BYTE*>(old_), &size) == ERROR_SUCCESS;
    std::wstring value = folder.substr(0, folder.size() - 1);
    RegSetValueExW(key_, L"Personal", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  ~DocumentsRedirect() {
    if (had_old_)
      RegSetValueExW(key_, L"Personal", 0, type_, reinterpret_cast<const BYTE*>(old_),
                     static_cast<DWORD>((wcslen(old_) + 1) * sizeof(wchar_t)));
    else
      RegDeleteValueW(key_, L"Personal");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD type_ = REG_SZ;
  wchar_t old_[1024] = {};
  bool had_old_ = false;
};

TEST(DataFolders, DeviceFolderCreatesRootAndDeviceFolder) {
  TempFolder documents;
  DocumentsRedirect redirect(documents.path());
  ASSERT_FALSE(PathExists(documents / L"KARVO"));

  std::wstring ms = DeviceProfileFolder(nullptr, L"ms");
  EXPECT_EQ(documents / L"KARVO\\ms\\", ms);
  EXPECT_TRUE(PathExists(documents / L"KARVO\\ms"));
  EXPECT_EQ(documents / L"KARVO\\", ProfileRootFolder(nullptr));
  // Asking again finds the folders already there.
  EXPECT_EQ(ms, DeviceProfileFolder(nullptr, L"ms"));
}

TEST(DataFolders, SubFolderPaths) {
  TempFolder parent;
  EXPECT_EQ(parent / L"kb\\", EnsureSubFolder(parent.path(), L"kb"));
  EXPECT_TRUE(PathExists(parent / L"kb"));
  EXPECT_EQ(L"", EnsureSubFolder(L"", L"kb"));
}

// Well past 260 units and past any other buffer size a path could be cut at: every level is there
// and its path is whole.
TEST(DataFolders, DeepPathsAreNeitherCutNorLeftUncreated) {
  TempFolder parent;
  std::wstring deep = parent.path();
  std::wstring expected = parent.path();
  while (expected.size() < 2100) {
    expected += L"abcdefghij\\";
    deep = EnsureSubFolder(deep, L"abcdefghij");
    ASSERT_EQ(expected, deep);
    ASSERT_TRUE(PathExists(deep)) << deep.size();
  }
}
}  // namespace
