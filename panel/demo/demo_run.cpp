#include "demo_run.h"

#include "audio_standin_steering.h"
#include "demo_reports.h"
#include "diagnostics.h"

HMODULE AudioControlStandinModule() { return GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll"); }
HMODULE AudioConfigStandinModule() { return GetModuleHandleW(L"osConfLib.dll"); }

namespace {
// The folder a variable of the environment names, with its trailing backslash; empty when unset.
std::wstring FolderFromEnvironment(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(folder) + L"\\" : std::wstring();
}
}  // namespace

DemoRun::DemoRun(const std::string& plugged) : devices_(bus_) {
  const std::wstring memories = FolderFromEnvironment(L"KARVO_DEMO_DEVICE_MEMORY");
  if (!memories.empty()) RestoreDemoDeviceMemories(devices_, memories);
  std::string unknown;
  const auto pluggedAtStart = ParsePluggedDemoDevices(plugged, unknown);
  if (!unknown.empty()) DebugLine(L"demo: no such device: " + FromUtf8(unknown));
  for (size_t i = 0; i < kDemoDeviceCount; ++i)
    if (!pluggedAtStart[i] && devices_.Device(static_cast<DemoDevice>(i)))
      devices_.Device(static_cast<DemoDevice>(i))->Unplug();
  // The stand-ins read this when the panel loads them, long after this runs.
  ReportPluggedHeadsetsFromAudioStandins(pluggedAtStart);
  InstallHidBackend(&bus_);
}

DemoRun::~DemoRun() {
  const std::wstring logs = FolderFromEnvironment(L"KARVO_DEMO_LOG_FOLDER");
  if (!logs.empty()) WriteExitLogs(logs);
  const std::wstring memories = FolderFromEnvironment(L"KARVO_DEMO_DEVICE_MEMORY");
  if (!memories.empty()) SaveDemoDeviceMemories(devices_, memories);
}

// Each device's wire log as "<device>.wire.log", each stand-in's call log as "<library>.calls.log".
void DemoRun::WriteExitLogs(const std::wstring& folder) const {
  for (size_t i = 0; i < kDemoDeviceCount; ++i) {
    const auto device = devices_.Device(static_cast<DemoDevice>(i));
    if (device)
      WriteTextFile(folder + FromUtf8(DemoDeviceName(static_cast<DemoDevice>(i))) + L".wire.log",
                    WireLogText(*device));
  }
  WriteTextFile(folder + L"audio_control.calls.log", CallLogText(AudioControlStandinModule()));
  WriteTextFile(folder + L"audio_config.calls.log", CallLogText(AudioConfigStandinModule()));
}

std::string DemoRun::SetPlugged(DemoDevice device, bool plugged) {
  if (device == DemoDevice::Headset) {
    if (!AudioControlStandinModule()) return "the audio control library is not loaded yet";
    AudioControlStandin(AudioControlStandinModule()).SetHeadsetPresent(plugged);
    return "";
  }
  if (device == DemoDevice::HeadsetK27 && AudioConfigStandinModule())
    AudioConfigStandin(AudioConfigStandinModule()).SetHeadsetPresent(plugged);
  const auto simulated = devices_.Device(device);
  if (plugged) simulated->Plug();
  else simulated->Unplug();
  return "";
}
