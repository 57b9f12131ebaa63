#include <windows.h>

#include <setupapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio_config_writer.h"
#include "install_mgr.h"
#include "test_files.h"

using INSTALL_MGR::CInstallMgr;
using Strings = std::vector<std::wstring>;

namespace {

// {4D36E96C-E325-11CE-BFC1-08002BE10318}, the media class.
const GUID kMediaClass = {
    0x4D36E96C, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
const GUID kAudioCategory = {
    0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};

std::vector<wchar_t> MultiSz(const Strings& entries) {
  std::vector<wchar_t> list;
  for (const std::wstring& entry : entries)
    list.insert(list.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  list.push_back(L'\0');
  return list;
}

Strings ReadMultiSz(HDEVINFO set, SP_DEVINFO_DATA* device, DWORD property) {
  wchar_t buffer[512] = {};
  DWORD type = 0;
  if (!SetupDiGetDeviceRegistryPropertyW(set, device, property, &type,
                                         reinterpret_cast<BYTE*>(buffer), sizeof(buffer) - 4,
                                         nullptr))
    return {};
  Strings entries;
  for (const wchar_t* entry = buffer; *entry; entry += wcslen(entry) + 1) entries.push_back(entry);
  return entries;
}

// Device nodes made for the test, removed again at its end.
class TestDevices {
 public:
  TestDevices() : set_(SetupDiCreateDeviceInfoList(&kMediaClass, nullptr)) {}
  ~TestDevices() {
    for (SP_DEVINFO_DATA& device : devices_) SetupDiRemoveDevice(set_, &device);
    SetupDiDestroyDeviceInfoList(set_);
  }
  SP_DEVINFO_DATA* Add(const std::wstring& hardwareId, const Strings& filters) {
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof(device);
    const std::wstring name = L"KARVOTEST" + std::to_wstring(devices_.size());
    EXPECT_TRUE(SetupDiCreateDeviceInfoW(set_, name.c_str(), &kMediaClass, nullptr, nullptr,
                                         DICD_GENERATE_ID, &device));
    EXPECT_TRUE(SetupDiRegisterDeviceInfo(set_, &device, 0, nullptr, nullptr, nullptr));
    SetProperty(&device, SPDRP_HARDWAREID, {hardwareId});
    SetProperty(&device, SPDRP_LOWERFILTERS, filters);
    devices_.push_back(device);
    return &devices_.back();
  }
  HDEVINFO set() const { return set_; }
  SP_DEVINFO_DATA* device(size_t index) { return &devices_[index]; }

 private:
  void SetProperty(SP_DEVINFO_DATA* device, DWORD property, const Strings& entries) {
    const std::vector<wchar_t> list = MultiSz(entries);
    EXPECT_TRUE(SetupDiSetDeviceRegistryPropertyW(set_, device, property,
                                                  reinterpret_cast<const BYTE*>(list.data()),
                                                  static_cast<DWORD>(list.size() * 2)));
  }
  HDEVINFO set_;
  std::vector<SP_DEVINFO_DATA> devices_;
};

TEST(DeviceFilterCleanUp, RemovesTheFilterFromMatchingDevicesOnly) {
  TempFolder folder;
  WriteBytes(folder / L"AudioConfig.bin",
             audio_config_writer::BuildConfigFile(
                 "[AUDIO_VID_PID]\n1=USB\\VID_0D8C&PID_01XX&REV_0100&MI_00,{check}\n", {}));
  DEVICEID_MGR::CDeviceIdMgr group;
  ASSERT_EQ(0, group.LoadFromConfig(folder / L"AudioConfig.bin", L"AUDIO_VID_PID"));

  const struct {
    const wchar_t* hardwareId;
    Strings before;
    Strings after;
  } cases[] = {
      {L"USB\\VID_0D8C&PID_0101&REV_0100&MI_00", {L"Vaskel"}, {}},
      {L"USB\\VID_0D8C&PID_0102&REV_0100&MI_00", {L"vaskel", L"OtherFilter"}, {L"OTHERFILTER"}},
      {L"usb\\vid_0d8c&pid_0103&rev_0100&mi_00", {L"Keep", L"Me"}, {L"Keep", L"Me"}},
      {L"USB\\VID_0D8C&PID_0104&REV_0100&MI_00", {L"a", L"Vaskel"}, {L"A"}},
      {L"USB\\VID_0D8C&PID_0105&REV_0100&MI_0", {L"Vaskel"}, {L"Vaskel"}},   // 35 characters
      {L"USB\\VID_0D8D&PID_0106&REV_0100&MI_00", {L"Vaskel"}, {L"Vaskel"}},  // not in the group
  };
  TestDevices devices;
  for (const auto& c : cases) devices.Add(c.hardwareId, c.before);

  CInstallMgr installMgr;
  ASSERT_EQ(0, installMgr.RemoveFilterFromMatchingDevices(kAudioCategory, 36, group, L"Vaskel",
                                                          SPDRP_LOWERFILTERS));
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].after, ReadMultiSz(devices.set(), devices.device(i), SPDRP_LOWERFILTERS))
        << cases[i].hardwareId;
}

TEST(DeviceFilterCleanUp, MultiSzLengthCountsEveryEntryAndTheEnd) {
  EXPECT_EQ(0, CInstallMgr::GetMultiSzLength(MultiSz({}).data()));
  EXPECT_EQ(5, CInstallMgr::GetMultiSzLength(MultiSz({L"a", L"b"}).data()));
  EXPECT_EQ(8, CInstallMgr::GetMultiSzLength(MultiSz({L"Vaskel"}).data()));
}

// Recording stand-ins of the class installer calls (Wine cannot change device states).
std::vector<std::string> g_calls;
int g_failAt = -1;  // index of the call that fails
bool g_needsReboot = false;

bool Record(const std::string& call) {
  g_calls.push_back(call);
  return static_cast<int>(g_calls.size()) - 1 != g_failAt;
}
BOOL WINAPI FakeSetParams(HDEVINFO, PSP_DEVINFO_DATA, PSP_CLASSINSTALL_HEADER header, DWORD size) {
  const auto* change = reinterpret_cast<SP_PROPCHANGE_PARAMS*>(header);
  EXPECT_EQ(sizeof(SP_PROPCHANGE_PARAMS), size);
  EXPECT_EQ(DWORD(DIF_PROPERTYCHANGE), header->InstallFunction);
  return Record("set " + std::to_string(change->StateChange) + "/" + std::to_string(change->Scope));
}
BOOL WINAPI FakeCall(DI_FUNCTION function, HDEVINFO, PSP_DEVINFO_DATA) {
  return Record("call " + std::to_string(function));
}
BOOL WINAPI FakeGetParams(HDEVINFO, PSP_DEVINFO_DATA, PSP_DEVINSTALL_PARAMS_W params) {
  if (g_needsReboot) params->Flags |= DI_NEEDREBOOT;
  return Record("params");
}
void WINAPI FakePause(DWORD ms) { g_calls.push_back("pause " + std::to_string(ms)); }
const DeviceStateCalls kFakeCalls = {FakeSetParams, FakeCall, FakeGetParams, FakePause};
// Disable for the profile, pause, enable globally, enable for the profile, read the flags.
const std::vector<std::string> kRestartCalls = {"set 2/2", "call 18", "pause 1000", "set 1/1",
                                                "call 18", "set 1/2", "call 18",    "params"};

TEST(DeviceRestart, DisablesPausesAndEnablesGloballyThenForTheProfile) {
  g_calls.clear();
  g_failAt = -1;
  g_needsReboot = false;
  EXPECT_TRUE(INSTALL_MGR::RestartDevice(kFakeCalls, nullptr, nullptr));
  EXPECT_EQ(kRestartCalls, g_calls);
}

TEST(DeviceRestart, EnableReportsTheStepThatFailed) {
  const struct {
    int failAt;
    bool reboot;
    int result;
  } cases[] = {{-1, false, 0}, {0, false, 1}, {1, false, 2}, {2, false, 3},
               {3, false, 4},  {4, false, 5}, {-1, true, 6}};
  for (const auto& c : cases) {
    g_calls.clear();
    g_failAt = c.failAt;
    g_needsReboot = c.reboot;
    EXPECT_EQ(c.result, INSTALL_MGR::EnableDevice(kFakeCalls, nullptr, nullptr)) << c.failAt;
  }
  g_needsReboot = false;
  for (int failAt : {0, 1}) {
    g_calls.clear();
    g_failAt = failAt;
    EXPECT_EQ(failAt + 1, INSTALL_MGR::DisableDevice(kFakeCalls, nullptr, nullptr));
  }
}

TEST(DeviceRestart, MatchingPresentDevicesAreCleanedThenRestarted) {
  TempFolder folder;
  WriteBytes(folder / L"AudioConfig.bin",
             audio_config_writer::BuildConfigFile(
                 "[AUDIO_VID_PID]\n1=USB\\VID_0D8C&PID_02XX&REV_0100&MI_00,{check}\n", {}));
  DEVICEID_MGR::CDeviceIdMgr group;
  ASSERT_EQ(0, group.LoadFromConfig(folder / L"AudioConfig.bin", L"AUDIO_VID_PID"));
  TestDevices devices;
  devices.Add(L"USB\\VID_0D8C&PID_0201&REV_0100&MI_00", {L"Vaskel"});  // Wine counts it present
  devices.Add(L"USB\\VID_0D8C&PID_0301&REV_0100&MI_00", {L"Vaskel"});  // not in the group

  g_calls.clear();
  g_failAt = -1;
  CInstallMgr installMgr;
  installMgr.DeviceState = &kFakeCalls;
  installMgr.RemoveFilterAndRestart(kAudioCategory, 36, group, L"Vaskel", SPDRP_LOWERFILTERS);
  EXPECT_EQ(Strings{}, ReadMultiSz(devices.set(), devices.device(0), SPDRP_LOWERFILTERS));
  EXPECT_EQ(Strings{L"Vaskel"}, ReadMultiSz(devices.set(), devices.device(1), SPDRP_LOWERFILTERS));
  EXPECT_EQ(kRestartCalls, g_calls);
}

}  // namespace
