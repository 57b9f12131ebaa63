#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "audio_config_writer.h"
#include "device_id_mgr.h"
#include "diagnostics.h"
#include "test_files.h"

using DEVICEID_MGR::CDeviceIdMgr;
namespace writer = audio_config_writer;

namespace {

const char kPattern[] = "USB\\VID_2B9E&PID_73XX&REV_0100&MI_00";
const wchar_t kWidePattern[] = L"USB\\VID_2B9E&PID_73XX&REV_0100&MI_00";

std::wstring Check(const std::string& pattern) { return FromUtf8(writer::EntryCheck(pattern)); }

std::wstring Entry(const std::string& pattern) { return FromUtf8(pattern) + L"," + Check(pattern); }

class DeviceIdGroup : public ::testing::Test {
 protected:
  int Load(CDeviceIdMgr& group, const std::string& text, const wchar_t* section = L"S") {
    WriteBytes(folder_ / L"AudioConfig.bin", writer::BuildConfigFile(text, {}));
    return group.LoadFromConfig(folder_ / L"AudioConfig.bin", section);
  }
  TempFolder folder_;
};

TEST_F(DeviceIdGroup, LoadRefusals) {
  const struct {
    const char* text;
    int result;
  } cases[] = {{"[T]\n1=a,b\n", 2},
               {"[S]\n; nothing\n", 3},
               {"[S]\n1=,\n", 4},
               {"[S]\n1=abc, \n", 4},
               {"[S]\n1= ,0HwRH3EJ+PI=\n", 4}};
  for (const auto& c : cases) {
    CDeviceIdMgr group;
    EXPECT_EQ(c.result, Load(group, c.text)) << c.text;
  }
  CDeviceIdMgr group;
  EXPECT_EQ(1, group.LoadFromConfig(folder_ / L"missing.bin", L"S"));
}

TEST_F(DeviceIdGroup, KeepsOnlyEntriesWhoseCheckDecryptsToThePattern) {
  const std::string text = std::string("[S]\n") +
                           "a=ZZZ , {check}\n"  // blanks around the comma go
                           "b=no comma here\n"  // ignored
                           "c=TAB\t," +
                           writer::EntryCheck("TAB") +
                           "\n"                    // the tab stays
                           "d=BAD,0HwRH3EJ+PI=\n"  // decrypts to "abc"
                           "e=NOTB64,@@@@\n"       // does not decode
                           "f=AAA,{check}\n"
                           "g=AAA,{check}\n";  // twice
  CDeviceIdMgr group;
  ASSERT_EQ(0, Load(group, text));
  std::multimap<std::wstring, std::wstring> expected = {
      {L"AAA", Check("AAA")}, {L"AAA", Check("AAA")}, {L"ZZZ", Check("ZZZ")}};
  EXPECT_EQ(expected, group.Entries());
}

TEST_F(DeviceIdGroup, FailingEntryKeepsTheEntriesVerifiedBeforeIt) {
  CDeviceIdMgr group;
  EXPECT_EQ(4, Load(group, "[S]\n1=AAA,{check}\n2=,x\n3=BBB,{check}\n"));
  ASSERT_EQ(1u, group.Entries().size());
  EXPECT_TRUE(group.MatchHardwareId(L"aaa"));
}

TEST_F(DeviceIdGroup, MatchesWithWildcardsAndUpperCasedIds) {
  CDeviceIdMgr group;
  ASSERT_EQ(0,
            Load(group, std::string("[S]\n1=") + kPattern + ",{check}\n2=HID\\vid_x1,{check}\n"));
  const struct {
    const wchar_t* id;
    bool match;
  } cases[] = {
      {L"USB\\VID_2B9E&PID_7330&REV_0100&MI_00", true},
      {L"usb\\vid_2b9e&pid_7330&rev_0100&mi_00", true},
      {L"USB\\VID_2B9E&PID_73ZZ&REV_0100&MI_00", true},  // 'X' matches any character
      {L"USB\\VID_2B9E&PID_7330&REV_0100&MI_0", false},
      {L"USB\\VID_2B9E&PID_7330&REV_0100&MI_000", false},
      {L"USB\\VID_2B9F&PID_7330&REV_0100&MI_00", false},
      {L"HID\\VID_X1", false},  // patterns are not upper-cased: "vid" never matches
      {L"hid\\vid_x1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.match, group.MatchHardwareId(c.id)) << c.id;
  CDeviceIdMgr empty;
  EXPECT_FALSE(empty.MatchHardwareId(kWidePattern));
}

class GroupRegistry : public DeviceIdGroup {
 protected:
  GroupRegistry() : name_(L"Karvo Test Group " + std::to_wstring(GetCurrentProcessId())) {}
  ~GroupRegistry() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + name_).c_str()); }

  std::map<std::wstring, std::wstring> Values() {
    std::map<std::wstring, std::wstring> values;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + name_).c_str(), 0, KEY_READ, &key))
      return {{L"", L"no key"}};
    wchar_t name[256];
    wchar_t data[1024];
    for (DWORD i = 0;; ++i) {
      DWORD nameLength = 256, size = sizeof(data), type = 0;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data),
                        &size))
        break;
      EXPECT_EQ(DWORD(REG_SZ), type);
      EXPECT_EQ(L'\0', data[size / 2 - 1]) << "stored with its terminating zero";
      values[name] = data;
    }
    RegCloseKey(key);
    return values;
  }
  std::wstring name_;
};

TEST_F(GroupRegistry, ValuesAreNumberedInPatternOrderAndOldNumbersAboveGo) {
  CDeviceIdMgr big;
  ASSERT_EQ(0, Load(big, "[S]\n1=CCC,{check}\n2=BBB,{check}\n3=DDD,{check}\n"));
  ASSERT_EQ(0, big.SaveGroupToRegistry(name_));
  HKEY key;
  ASSERT_EQ(0, RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + name_).c_str(), 0, KEY_ALL_ACCESS,
                             &key));
  RegSetValueExW(key, L"Other", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"kept"), 10);
  RegCloseKey(key);

  CDeviceIdMgr small;
  ASSERT_EQ(0, Load(small, "[S]\n1=BBB,{check}\n2=AAA,{check}\n"));
  ASSERT_EQ(0, small.SaveGroupToRegistry(name_));
  const std::map<std::wstring, std::wstring> expected = {
      {L"1", Entry("AAA")}, {L"2", Entry("BBB")}, {L"Other", L"kept"}};
  EXPECT_EQ(expected, Values());
}

TEST_F(GroupRegistry, TheSweepGoesPastAValueNameTooLongToRead) {
  // Written first, so it comes before the stale numbers in the enumeration (by insertion or name).
  const std::wstring longName = L"0" + std::wstring(300, L'x');
  HKEY key;
  ASSERT_EQ(0, RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + name_).c_str(), 0, nullptr, 0,
                               KEY_ALL_ACCESS, nullptr, &key, nullptr));
  RegSetValueExW(key, longName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(L"kept"), 10);
  CDeviceIdMgr big;
  ASSERT_EQ(0, Load(big, "[S]\n1=CCC,{check}\n2=BBB,{check}\n3=DDD,{check}\n"));
  ASSERT_EQ(0, big.SaveGroupToRegistry(name_));

  CDeviceIdMgr small;
  ASSERT_EQ(0, Load(small, "[S]\n1=AAA,{check}\n"));
  ASSERT_EQ(0, small.SaveGroupToRegistry(name_));
  for (const wchar_t* stale : {L"2", L"3"})
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, stale, nullptr, nullptr, nullptr, nullptr))
        << stale;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, L"1", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_SUCCESS,
            RegQueryValueExW(key, longName.c_str(), nullptr, nullptr, nullptr, nullptr));
  RegCloseKey(key);
}

TEST_F(GroupRegistry, EmptyGroupCreatesTheKeyWithoutValues) {
  CDeviceIdMgr group;
  ASSERT_EQ(0, Load(group, "[S]\n1=AAA,0HwRH3EJ+PI=\n"));
  ASSERT_EQ(0, group.SaveGroupToRegistry(name_));
  EXPECT_TRUE(Values().empty());
}

TEST_F(GroupRegistry, KeyThatCannotBeCreatedIsReported) {
  CDeviceIdMgr group;
  ASSERT_EQ(0, Load(group, "[S]\n1=AAA,{check}\n"));
  EXPECT_EQ(1, group.SaveGroupToRegistry(std::wstring(300, L'k')));
}

}  // namespace
