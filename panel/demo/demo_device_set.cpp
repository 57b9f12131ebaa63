#include "demo_device_set.h"

#include <windows.h>

#include <cstdio>
#include <sstream>
#include <utility>

#include "simulated_device_models.h"

namespace {
const char* const kNames[kDemoDeviceCount] = {"keyboard", "mouse", "mousepad", "headset", "k27"};

using KeptBlock = std::vector<uint8_t> SimulatedMemory::*;
const KeptBlock kKeptBlocks[] = {&SimulatedMemory::settings, &SimulatedMemory::keyMemory,
                                 &SimulatedMemory::macroMemory, &SimulatedMemory::scriptMemory};

std::wstring MemoryFile(const std::wstring& folder, size_t device) {
  const std::string name = kNames[device];
  return folder + std::wstring(name.begin(), name.end()) + L".memory";
}
}  // namespace

const char* DemoDeviceName(DemoDevice device) { return kNames[static_cast<size_t>(device)]; }

bool DemoDeviceByName(const std::string& name, DemoDevice& device) {
  for (size_t i = 0; i < kDemoDeviceCount; ++i)
    if (name == kNames[i]) {
      device = static_cast<DemoDevice>(i);
      return true;
    }
  return false;
}

std::array<bool, kDemoDeviceCount> ParsePluggedDemoDevices(const std::string& text, std::string& unknown) {
  std::array<bool, kDemoDeviceCount> plugged{};
  unknown.clear();
  if (text.find_first_not_of(" ,") == std::string::npos) {
    plugged.fill(true);
    return plugged;
  }
  std::istringstream list(text);
  for (std::string name; std::getline(list, name, ',');) {
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    DemoDevice device;
    if (DemoDeviceByName(name, device)) plugged[static_cast<size_t>(device)] = true;
    else if (!name.empty()) unknown += (unknown.empty() ? "" : ",") + name;
  }
  return plugged;
}

void ReportPluggedHeadsetsFromAudioStandins(const std::array<bool, kDemoDeviceCount>& plugged) {
  const std::pair<DemoDevice, const wchar_t*> variables[] = {{DemoDevice::Headset, L"STANDIN_HEADSET"},
                                                             {DemoDevice::HeadsetK27, L"STANDIN_K27"}};
  for (const auto& [device, name] : variables)
    SetEnvironmentVariableW(name, plugged[static_cast<size_t>(device)] ? nullptr : L"absent");
}

DemoDeviceSet::DemoDeviceSet(SimulatedHidBackend& bus) {
  // The panel runs for as long as its user likes: its readers must block, not spin.
  bus.SetReadsWaitInRealTime(true);
  devices_[static_cast<size_t>(DemoDevice::Keyboard)] = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB);
  devices_[static_cast<size_t>(DemoDevice::Mouse)] = MakeSimulatedMouse();
  devices_[static_cast<size_t>(DemoDevice::MousePad)] = MakeSimulatedMousePad();
  devices_[static_cast<size_t>(DemoDevice::HeadsetK27)] = MakeSimulatedHeadsetK27();
  for (const auto& device : devices_)
    if (device) bus.Attach(device);
}

std::shared_ptr<SimulatedDevice> DemoDeviceSet::Device(DemoDevice device) const {
  return devices_[static_cast<size_t>(device)];
}

void AttachDemoDevices(SimulatedHidBackend& bus) { DemoDeviceSet set(bus); }

std::vector<uint8_t> EncodeKeptDeviceMemory(const SimulatedMemory& memory) {
  std::vector<uint8_t> record;
  for (KeptBlock block : kKeptBlocks) {
    const std::vector<uint8_t>& bytes = memory.*block;
    const uint32_t length = static_cast<uint32_t>(bytes.size());
    for (int shift = 0; shift < 32; shift += 8) record.push_back(static_cast<uint8_t>(length >> shift));
    record.insert(record.end(), bytes.begin(), bytes.end());
  }
  return record;
}

bool DecodeKeptDeviceMemory(const std::vector<uint8_t>& record, SimulatedMemory& memory) {
  SimulatedMemory decoded = memory;
  size_t at = 0;
  for (KeptBlock block : kKeptBlocks) {
    if (record.size() - at < 4) return false;
    uint32_t length = 0;
    for (int shift = 0; shift < 32; shift += 8) length |= uint32_t{record[at++]} << shift;
    std::vector<uint8_t>& bytes = decoded.*block;
    if (length != bytes.size() || record.size() - at < length) return false;
    std::copy(record.begin() + at, record.begin() + at + length, bytes.begin());
    at += length;
  }
  if (at != record.size()) return false;
  memory = decoded;
  return true;
}

void RestoreDemoDeviceMemories(const DemoDeviceSet& devices, const std::wstring& folder) {
  for (size_t i = 0; i < kDemoDeviceCount; ++i) {
    const auto device = devices.Device(static_cast<DemoDevice>(i));
    FILE* file = device ? _wfopen(MemoryFile(folder, i).c_str(), L"rb") : nullptr;
    if (!file) continue;
    std::vector<uint8_t> record;
    uint8_t chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
      record.insert(record.end(), chunk, chunk + got);
    std::fclose(file);
    device->EditMemory([&record](SimulatedMemory& memory) { DecodeKeptDeviceMemory(record, memory); });
  }
}

void SaveDemoDeviceMemories(const DemoDeviceSet& devices, const std::wstring& folder) {
  for (size_t i = 0; i < kDemoDeviceCount; ++i) {
    const auto device = devices.Device(static_cast<DemoDevice>(i));
    FILE* file = device ? _wfopen(MemoryFile(folder, i).c_str(), L"wb") : nullptr;
    if (!file) continue;
    const std::vector<uint8_t> record = EncodeKeptDeviceMemory(device->Memory());
    std::fwrite(record.data(), 1, record.size(), file);
    std::fclose(file);
  }
}
