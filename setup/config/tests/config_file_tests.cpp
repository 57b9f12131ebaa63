#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "audio_config_writer.h"
#include "diagnostics.h"
#include "ini_mgr.h"
#include "test_files.h"

using namespace REGINI_MGR;
namespace writer = audio_config_writer;

namespace {

using Bytes = std::vector<unsigned char>;

const char kText[] = "[USB_VID_PID]\r\n1=first\r\n[HID_VID_PID]\r\nname=caf\xC3\xA9\r\n";

Bytes Header() { return Bytes(kConfigHeader, kConfigHeader + kConfigHeaderLength); }

Bytes FileWithPlaintext(const Bytes& plain) {
  Bytes file = Header();
  const Bytes body = writer::EncryptDes(plain);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

int Load(CIniMgr& reader, const TempFolder& folder, const Bytes& file) {
  WriteBytes(folder / L"AudioConfig.bin", file);
  return reader.LoadEncrypted(folder / L"AudioConfig.bin");
}

TEST(ConfigFile, LoadsTheTextInEveryEncoding) {
  const writer::TextEncoding encodings[] = {
      writer::TextEncoding::Utf8NoMark, writer::TextEncoding::Utf8,
      writer::TextEncoding::Utf16Le,    writer::TextEncoding::Utf16Be,
      writer::TextEncoding::Utf32Le,    writer::TextEncoding::Utf32Be};
  TempFolder folder;
  for (writer::TextEncoding encoding : encodings) {
    writer::Options options;
    options.encoding = encoding;
    CIniMgr reader;
    ASSERT_EQ(0, Load(reader, folder, writer::BuildConfigFile(kText, options)));
    EXPECT_EQ(2u, reader.SectionCount());
    EXPECT_EQ(L"first", reader.GetValue(L"USB_VID_PID", L"1"));
    EXPECT_EQ(L"caf\u00E9", reader.GetValue(L"HID_VID_PID", L"name"));
  }
}

TEST(ConfigFile, RefusalsLeaveAnEarlierLoadInPlace) {
  TempFolder folder;
  writer::Options damaged, cut, padding;
  damaged.damageHeader = true;
  cut.cutBody = 4;
  padding.breakPadding = true;
  const Bytes header = Header();
  const struct {
    const char* name;
    Bytes file;
    int result;
  } cases[] = {
      {"empty file", {}, 5},
      {"shorter than the header", Bytes(header.begin(), header.begin() + 37), 5},
      {"header letter in lower case", writer::BuildConfigFile(kText, damaged), 5},
      {"body not whole blocks", writer::BuildConfigFile("[S]\nk=v\n", cut), 6},
      {"invalid padding", writer::BuildConfigFile(kText, padding), 6},
  };
  for (const auto& c : cases) {
    CIniMgr reader;
    ASSERT_EQ(0, Load(reader, folder, writer::BuildConfigFile(kText, {})));
    EXPECT_EQ(c.result, Load(reader, folder, c.file)) << c.name;
    EXPECT_EQ(2u, reader.SectionCount()) << c.name;
  }
  CIniMgr reader;
  ASSERT_EQ(0, Load(reader, folder, writer::BuildConfigFile(kText, {})));
  EXPECT_EQ(1, reader.LoadEncrypted(folder / L"missing.bin"));
  EXPECT_EQ(2u, reader.SectionCount());
}

TEST(ConfigFile, UndecodablePlaintextLeavesTheReaderEmpty) {
  const Bytes plaintexts[] = {
      {0xFF, 0xFE, 0x00, 0x00, 0x41, 0x00, 0x00},  // UTF-32 not in whole units
      {0xEF, 0xBB, 0xBF, 0x5B, 0x53, 0x5D, 0x0A, 0x80},
  };
  TempFolder folder;
  for (const Bytes& plain : plaintexts) {
    CIniMgr reader;
    ASSERT_EQ(0, Load(reader, folder, writer::BuildConfigFile(kText, {})));
    EXPECT_EQ(7, Load(reader, folder, FileWithPlaintext(plain)));
    EXPECT_EQ(0u, reader.SectionCount());
    EXPECT_TRUE(reader.Lines().empty());
  }
}

TEST(ConfigFile, HeaderAloneAndTextBehindAZeroByte) {
  TempFolder folder;
  CIniMgr reader;
  EXPECT_EQ(0, Load(reader, folder, Header()));
  EXPECT_EQ(0u, reader.SectionCount());
  const std::string text("[S]\nk=v\n\0[T]\nm=1\n", 18);
  EXPECT_EQ(0, Load(reader, folder, FileWithPlaintext(Bytes(text.begin(), text.end()))));
  EXPECT_TRUE(reader.HasSection(L"S"));
  EXPECT_FALSE(reader.HasSection(L"T"));
}

std::wstring TestBinFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

DWORD RunTool(const std::wstring& arguments) {
  std::wstring command = L"\"" + TestBinFolder() + L"make_audio_config.exe\" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return MAXDWORD;
  WaitForSingleObject(process.hProcess, 30000);
  DWORD code = MAXDWORD;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}

TEST(ConfigFile, ToolWritesFilesTheReaderLoads) {
  TempFolder folder;
  WriteText(folder / L"plain.ini", "[HID_VID_PID]\n1=HID\\VID_2B9E&PID_73XX,{check}\n");
  const std::wstring in = L"\"" + (folder / L"plain.ini") + L"\" ";
  const std::wstring out = L"\"" + (folder / L"AudioConfig.bin") + L"\"";
  const struct {
    std::wstring options;
    int result;
  } cases[] = {{L" --encoding utf16be", 0},
               {L" --damage-header", 5},
               {L" --cut-body 3", 6},
               {L" --break-padding", 6}};
  for (const auto& c : cases) {
    ASSERT_EQ(0u, RunTool(in + out + c.options));
    CIniMgr reader;
    EXPECT_EQ(c.result, reader.LoadEncrypted(folder / L"AudioConfig.bin"));
    if (c.result == 0) {
      EXPECT_EQ(L"HID\\VID_2B9E&PID_73XX," + FromUtf8(writer::EntryCheck("HID\\VID_2B9E&PID_73XX")),
                reader.GetValue(L"HID_VID_PID", L"1"));
    }
  }
  EXPECT_EQ(2u, RunTool(in + out + L" --encoding utf7"));
}

}  // namespace
