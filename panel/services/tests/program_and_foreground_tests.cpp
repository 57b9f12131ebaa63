// The program's folder and the foreground-program seam, on the test program's own process.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <vector>

#include "debug_log_capture.h"
#include "foreground_program.h"
#include "program_folder.h"

namespace {

std::wstring OwnPath() {
  wchar_t path[MAX_PATH * 4];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, ARRAYSIZE(path)));
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring Fails(DWORD) { return {}; }
std::wstring Answers(DWORD) { return L"C:\\first\\answer.exe"; }

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramWithItsBackslash) {
  const std::wstring folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(folder + L"panel_services_tests.exe", OwnPath());
}

TEST(ForegroundProgram, BothReadersGiveTheProgramPathOfARunningProcess) {
  const DWORD self = GetCurrentProcessId();
  EXPECT_EQ(Lower(ProcessPathFromModuleSnapshot(self)), Lower(OwnPath()));
  EXPECT_EQ(Lower(ProcessPathFromImageName(self)), Lower(OwnPath()));
}

// A 32-bit panel cannot snapshot a 64-bit program's modules; the image name stands in.
// Only when both fail is the failure reported.
TEST(ForegroundProgram, TheImageNameStandsInWhenTheSnapshotFails) {
  const std::wstring failure = L"\u6587\u4ef6\u540d\u5b57\u8bbf\u95ee\u5931\u8d25";
  DebugLogCapture log;
  const DWORD self = GetCurrentProcessId();
  EXPECT_EQ(Lower(ReadProcessPath(self, Fails, ProcessPathFromImageName)), Lower(OwnPath()));
  EXPECT_EQ(ReadProcessPath(self, Answers, ProcessPathFromImageName), L"C:\\first\\answer.exe")
      << "the snapshot's answer comes first";
  EXPECT_EQ(log.Count(failure), 0);
  EXPECT_EQ(ReadProcessPath(self, Fails, Fails), L"");
  EXPECT_EQ(log.Count(failure), 1);
}

TEST(ForegroundProgram, APathIsReadAgainOnlyForAnotherWindowOrProcessOrAfterAFailure) {
  ForegroundPathCache cache;
  std::vector<DWORD> reads;
  std::wstring answer = L"C:\\Games\\game.exe";
  const auto read = [&](DWORD id) {
    reads.push_back(id);
    return answer;
  };
  const HWND first = reinterpret_cast<HWND>(0x10), second = reinterpret_cast<HWND>(0x20);
  EXPECT_EQ(cache.PathOf(first, 7, read), L"C:\\Games\\game.exe");
  EXPECT_EQ(cache.PathOf(first, 7, read), L"C:\\Games\\game.exe");
  EXPECT_EQ(reads, std::vector<DWORD>{7}) << "the same window of the same process: read once";
  cache.PathOf(second, 7, read);
  cache.PathOf(second, 8, read);
  EXPECT_EQ(reads, (std::vector<DWORD>{7, 7, 8}));
  answer.clear();
  cache.PathOf(first, 9, read);
  cache.PathOf(first, 9, read);
  EXPECT_EQ(reads, (std::vector<DWORD>{7, 7, 8, 9, 9})) << "a failed read is tried again";
}

struct FixedForegroundProgram : ForegroundProgram {
  std::wstring Path() override { return L"C:\\Games\\game.exe"; }
};

TEST(ForegroundProgram, AnInstalledLookupReplacesTheWindowsOneUntilRemoved) {
  FixedForegroundProgram fixed;
  InstallForegroundProgram(&fixed);
  EXPECT_EQ(CurrentForegroundProgram().Path(), L"C:\\Games\\game.exe");
  InstallForegroundProgram(nullptr);
  EXPECT_NE(&CurrentForegroundProgram(), &fixed);
}

}  // namespace
