// The read-backs of keyboard, mouse and mouse pad against a simulated device whose memory holds
// the input: its DeviceInfo, its settings blocks and its factory key table, followed by a fault the
// device commits on one request (no reply, a failed write, status 0xFF or 0xFE, a late reply or
// vanishing). The seeds are the simulated models' own memory.
#include <cstring>

#include "device_command_channel.h"
#include "fake_clock.h"
#include "fuzz_readers.h"
#include "keyboard_readback.h"
#include "keyboard_state.h"
#include "mouse_identities.h"
#include "mouse_memory.h"
#include "mouse_state.h"
#include "mousepad_memory.h"
#include "mousepad_state.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

constexpr DeviceIdentity kKeyboardIdentity{0x0C45, 0x0632, 0x92, 0xFF1C};
constexpr size_t kFaultBytes = 3;  // kind, request, and whether there is one

Bytes SerializedMemory(const SimulatedDeviceModel& model) {
  Bytes bytes(model.info.bytes, model.info.bytes + DeviceInfo::kSize);
  bytes.insert(bytes.end(), model.factorySettings.begin(), model.factorySettings.end());
  bytes.insert(bytes.end(), model.factoryKeyTable.begin(), model.factoryKeyTable.end());
  bytes.insert(bytes.end(), kFaultBytes, 0);
  return bytes;
}

// The model with as much of its memory as the input holds replaced by the input; the rest of the
// input picks a fault.
std::shared_ptr<SimulatedDevice> DeviceFromInput(SimulatedDeviceModel model, const Bytes& input) {
  size_t at = 0;
  const auto take = [&](uint8_t* into, size_t length) {
    const size_t taken = at < input.size() ? std::min(length, input.size() - at) : 0;
    if (taken) std::memcpy(into, input.data() + at, taken);
    at += length;
  };
  take(model.info.bytes, DeviceInfo::kSize);
  take(model.factorySettings.data(), model.factorySettings.size());
  take(model.factoryKeyTable.data(), model.factoryKeyTable.size());
  auto device = std::make_shared<SimulatedDevice>(model);
  if (at + kFaultBytes <= input.size() && input[at + 2] & 1) {
    const auto fault = static_cast<SimulatedFault>(input[at] % (static_cast<int>(SimulatedFault::Unplug) + 1));
    device->InjectFault(fault, input[at + 1] % 64);
  }
  return device;
}

// A bus and a channel connected to the device made from the input, as detection connects it. The
// channel's pauses between attempts pass on a clock of their own.
struct ConnectedDevice {
  FakeClock clock;
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  ConnectedDevice(const DeviceIdentity& identity, const std::shared_ptr<SimulatedDevice>& device) {
    channel.SetIdentity(identity.vendorId, identity.productId, identity.usage, identity.usagePage);
    channel.m_device.Open(bus.Attach(device), true, true, true, false);
    channel.m_connected = 1;
  }
};

bool ReadKeyboardReplies(const std::wstring&, const std::wstring& file) {
  const std::vector<unsigned char> input = ReadBytes(file);
  ConnectedDevice keyboard(kKeyboardIdentity,
                           DeviceFromInput(MakeSimulatedKeyboard()->Model(), Bytes(input.begin(), input.end())));
  static KeyboardState state;
  state.Reset();
  const bool read = ReadKeyboardMemory(keyboard.channel, state) == KeyboardReadResult::Read;
  ReloadActiveKeyboardProfile(keyboard.channel, state);
  return read;
}

bool ReadMouseReplies(const std::wstring&, const std::wstring& file) {
  const std::vector<unsigned char> input = ReadBytes(file);
  ConnectedDevice mouse(kMouseIdentity,
                        DeviceFromInput(MakeSimulatedMouse()->Model(), Bytes(input.begin(), input.end())));
  ResetMouseState();
  const bool read = ReadMouseMemory(mouse.channel) == MouseReadResult::Read;
  ReloadActiveMouseProfile(mouse.channel);
  return read;
}

bool ReadMousePadReplies(const std::wstring& folder, const std::wstring& file) {
  const std::vector<unsigned char> input = ReadBytes(file);
  ConnectedDevice pad(kMousePadIdentity,
                      DeviceFromInput(MakeSimulatedMousePad()->Model(), Bytes(input.begin(), input.end())));
  static MousePadState state;
  state.Reset();
  const bool read = ReadMousePadMemory(pad.channel, state, folder + L"missing.led") == MousePadMemoryResult::Done;
  ReloadActiveMousePadProfile(pad.channel, state);
  return read;
}

}  // namespace

std::vector<FuzzReader> DeviceReplyReaders() {
  FuzzReader keyboard{"KeyboardReplies", nullptr, false, ReadKeyboardReplies, L"memory.bin"};
  keyboard.seeds = [] { return std::vector<Bytes>{SerializedMemory(MakeSimulatedKeyboard()->Model())}; };
  FuzzReader mouse{"MouseReplies", nullptr, false, ReadMouseReplies, L"memory.bin"};
  mouse.seeds = [] { return std::vector<Bytes>{SerializedMemory(MakeSimulatedMouse()->Model())}; };
  FuzzReader pad{"MousePadReplies", nullptr, false, ReadMousePadReplies, L"memory.bin"};
  pad.seeds = [] { return std::vector<Bytes>{SerializedMemory(MakeSimulatedMousePad()->Model())}; };
  return {keyboard, mouse, pad};
}
