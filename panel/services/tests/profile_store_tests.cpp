#include "profile_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "debug_log_capture.h"
#include "file_replace.h"
#include "ini_values.h"
#include "test_files.h"

namespace {
using Bytes = std::vector<unsigned char>;

class ProfileStore : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(ProfileStore, WritesHeaderThenPayload) {
  Bytes payload(512);
  for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<unsigned char>(i * 7);
  const std::wstring path = folder / L"keys.pro";
  ASSERT_EQ(0, WriteProfileFile(path, payload.data(), payload.size(), PROFILE_KIND_KEYBOARD));

  Bytes file = ReadBytes(path);
  ASSERT_EQ(528u, file.size());
  EXPECT_EQ(Bytes({0xAA, 0x55, 0x00, 0x00, 0x01, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
            Bytes(file.begin(), file.begin() + 16));
  EXPECT_EQ(payload, Bytes(file.begin() + 16, file.end()));

  Bytes back(512, 0xEE);
  EXPECT_EQ(0, ReadProfileFile(path, back.data(), back.size(), PROFILE_KIND_KEYBOARD));
  EXPECT_EQ(payload, back);
}

TEST_F(ProfileStore, RewriteReplacesTheWholeFile) {
  const std::wstring path = folder / L"p.led";
  Bytes big(100, 1), small(10, 2);
  ASSERT_EQ(0, WriteProfileFile(path, big.data(), big.size(), PROFILE_KIND_MOUSE));
  ASSERT_EQ(0, WriteProfileFile(path, small.data(), small.size(), PROFILE_KIND_MOUSE));
  EXPECT_EQ(26u, ReadBytes(path).size());
}

TEST_F(ProfileStore, ReadResults) {
  struct Case {
    const char* what;
    Bytes content;  // empty: no file at all
    int result;
    Bytes expected;  // the 4-byte buffer afterwards
  };
  const Bytes untouched = {9, 9, 9, 9};
  const Bytes header = {0xAA, 0x55, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  auto with = [&](const Bytes& tail) {
    Bytes b(header.size() + tail.size());
    std::copy(header.begin(), header.end(), b.begin());
    std::copy(tail.begin(), tail.end(), b.begin() + header.size());
    return b;
  };
  const Case cases[] = {
      {"missing file", {}, 1, untouched},
      {"swapped magic", {0x55, 0xAA, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}, -1, untouched},
      {"one byte", {0xAA}, -1, untouched},
      {"header only", header, 0, untouched},
      {"short payload fills the start", with({1, 2}), 0, {1, 2, 9, 9}},
      {"other kind is not examined", with({1, 2, 3, 4, 5}), 0, {1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring path = folder / L"case.kconfig";
    DeleteFileW(path.c_str());
    if (!c.content.empty()) WriteBytes(path, c.content);
    Bytes buffer = untouched;
    EXPECT_EQ(c.result, ReadProfileFile(path, buffer.data(), buffer.size(), PROFILE_KIND_KEYBOARD));
    EXPECT_EQ(c.expected, buffer);
  }
}

bool AnyTemporaryFileIn(const TempFolder& folder) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder / L"*.tmp").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

TEST_F(ProfileStore, FailedWriteKeepsThePreviousFileAndSaysSo) {
  const std::wstring path = folder / L"keep.config";
  Bytes old(64, 0x11), fresh(64, 0x22);
  ASSERT_EQ(0, WriteProfileFile(path, old.data(), old.size(), PROFILE_KIND_MOUSE));
  const Bytes before = ReadBytes(path);

  file_replace_testing::FailWritesAfter(40);  // dies in the middle of the payload
  EXPECT_EQ(1, WriteProfileFile(path, fresh.data(), fresh.size(), PROFILE_KIND_MOUSE));
  file_replace_testing::FailWritesAfter(2);
  EXPECT_EQ(1, WriteJsonFile(path, Json::Value("x")));
  file_replace_testing::FailWritesAfter(-1);

  EXPECT_EQ(before, ReadBytes(path));
  EXPECT_FALSE(AnyTemporaryFileIn(folder)) << "no temporary file is left behind";
}

// Another thread reading the profile (as ReadProfileFile opens it) keeps the new file from being
// moved over it: the save waits for the reader to let go, and fails only when it never does.
TEST_F(ProfileStore, ASaveWaitsBrieflyForAReaderOfTheOldFile) {
  const std::wstring path = folder / L"busy.config";
  const Bytes old(32, 0x11), fresh(32, 0x22);
  ASSERT_EQ(0, WriteProfileFile(path, old.data(), old.size(), PROFILE_KIND_MOUSE));

  FILE* reader = _wfopen(path.c_str(), L"rb");
  ASSERT_NE(nullptr, reader);
  std::thread letGo([reader] {
    Sleep(150);
    fclose(reader);
  });
  EXPECT_EQ(0, WriteProfileFile(path, fresh.data(), fresh.size(), PROFILE_KIND_MOUSE));
  letGo.join();
  const Bytes saved = ReadBytes(path);
  EXPECT_EQ(fresh, Bytes(saved.begin() + 16, saved.end()));

  reader = _wfopen(path.c_str(), L"rb");
  ASSERT_NE(nullptr, reader);
  EXPECT_EQ(1, WriteProfileFile(path, old.data(), old.size(), PROFILE_KIND_MOUSE)) << "the reader never let go";
  fclose(reader);
  EXPECT_EQ(saved, ReadBytes(path));
  EXPECT_FALSE(AnyTemporaryFileIn(folder));
}

// A save into a file the user made read-only fails, says so in the diagnostics and leaves the file.
TEST_F(ProfileStore, SavesIntoAReadOnlyFileFailAndSaySo) {
  const std::wstring binary = folder / L"locked.led", json = folder / L"locked.json", ini = folder / L"locked.ini";
  const Bytes old(8, 0x11), fresh(8, 0x22);
  ASSERT_EQ(0, WriteProfileFile(binary, old.data(), old.size(), PROFILE_KIND_MOUSE));
  WriteText(json, "{}");
  ASSERT_TRUE(WriteIniText(ini, L"NAME", L"0", L"old"));
  const Bytes binaryBefore = ReadBytes(binary), jsonBefore = ReadBytes(json), iniBefore = ReadBytes(ini);
  for (const std::wstring& path : {binary, json, ini}) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);

  DebugLogCapture log;
  EXPECT_EQ(1, WriteProfileFile(binary, fresh.data(), fresh.size(), PROFILE_KIND_MOUSE));
  EXPECT_EQ(1, WriteJsonFile(json, Json::Value(5)));
  EXPECT_FALSE(WriteIniText(ini, L"NAME", L"0", L"new"));
  EXPECT_EQ(binaryBefore, ReadBytes(binary));
  EXPECT_EQ(jsonBefore, ReadBytes(json));
  EXPECT_EQ(iniBefore, ReadBytes(ini));
  EXPECT_EQ(1, log.Count(L"file cannot be written, left as it was: " + binary));
  EXPECT_EQ(1, log.Count(L"file cannot be written, left as it was: " + json));
  EXPECT_EQ(1, log.Count(L"INI file cannot be written, left as it was: " + ini + L" [NAME] 0"));
  EXPECT_FALSE(AnyTemporaryFileIn(folder));
}

TEST_F(ProfileStore, WriteIntoMissingFolderFails) {
  Bytes payload(8, 1);
  EXPECT_EQ(1, WriteProfileFile(folder / L"no-such-folder\\x.led", payload.data(), payload.size(),
                                PROFILE_KIND_MOUSEPAD));
}

TEST_F(ProfileStore, TextFileStopsAtZeroByte) {
  const std::wstring path = folder / L"t.txt";
  WriteBytes(path, {'a', 'b', 0, 'c'});
  EXPECT_EQ("ab", ReadTextFile(path, 4));
  EXPECT_EQ("", ReadTextFile(path, 3)) << "larger than allowed";
  EXPECT_EQ("", ReadTextFile(folder / L"missing.txt", 4));
}

TEST_F(ProfileStore, JsonRoundTripAndBadFiles) {
  const std::wstring path = folder / L"h.json";
  Json::Value value;
  value["name"] = "Default";
  value["eq"][0] = 3;
  ASSERT_EQ(0, WriteJsonFile(path, value));
  EXPECT_EQ(value, ReadJsonFile(path));

  WriteText(path, "{}");
  Json::Value empty = ReadJsonFile(path);
  EXPECT_TRUE(empty.isObject());
  EXPECT_EQ(0u, empty.size());

  WriteText(path, "{");
  EXPECT_TRUE(ReadJsonFile(path).isNull());
  WriteText(path, "");
  EXPECT_TRUE(ReadJsonFile(path).isNull());
  EXPECT_TRUE(ReadJsonFile(folder / L"missing.json").isNull());
}

// Files a user may pick or find in the data folder: each reads as null, never as a throw, a crash or
// a long wait.
TEST_F(ProfileStore, HostileJsonFilesReadNull) {
  const std::string nested = std::string(1024, '[') + std::string(1024, ']');
  std::string deepObjects;
  for (int i = 0; i < 40; ++i) deepObjects += "{\"a\":";
  deepObjects += "1" + std::string(40, '}');
  const std::string oversized = "{\"LightInfo\": {}}" + std::string(kMostJsonFileBytes, ' ');
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"2 KB of nested brackets", nested},
      {"objects nested deeper than any profile", deepObjects},
      {"Latin-1 text", "{\"name\": \"caf\xE9\"}"},
      {"overlong UTF-8", "{\"name\": \"\xC0\xAF\"}"},
      {"UTF-8 surrogate", "{\"name\": \"\xED\xA0\x80\"}"},
      {"cut UTF-8 sequence", "{\"name\": \"\xE2\x82\"}"},
      {"larger than a profile can be", oversized},
  };
  const std::wstring path = folder / L"hostile.json";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(path, c.text);
    EXPECT_TRUE(ReadJsonFile(path).isNull());
  }

  WriteText(path, "{\"name\": \"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xA7\"}" + std::string(100, ' '));
  EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xA7", ReadJsonFile(path)["name"].asString())
      << "UTF-8 text reads";

  WriteSparseFile(path, 2ull << 30);
  const DWORD start = GetTickCount();
  EXPECT_TRUE(ReadJsonFile(path).isNull());
  EXPECT_EQ("", ReadTextFile(path, kMostJsonFileBytes));
  EXPECT_LT(GetTickCount() - start, 1000u) << "refused by its size, unread";
}
}  // namespace
