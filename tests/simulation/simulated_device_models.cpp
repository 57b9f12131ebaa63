#include "simulated_device_models.h"

#include <array>

#include "mouse_factory_data.h"

namespace {

constexpr int kProfiles = 5;
constexpr int kBlockSize = 64;
constexpr uint16_t kPeripheralVendor = 0x0C45;
constexpr uint16_t kHeadsetK27Vendor = 0x0D8C;
// The largest cursor-script image a download sends.
constexpr size_t kScriptMemorySize = 3072;

// One position of the keyboard's face, six rows of 21: an HID keyboard usage, a modifier, Fn or
// nothing. Key assignments are (code, p1, p2): a usage is (0x20, 0, usage), a modifier
// (0x20, mask, 0) and Fn (0xA0, 2, 2).
enum : uint16_t { NO_KEY = 0, MODIFIER = 0x100, FN_KEY = 0x200 };
constexpr uint16_t Mod(uint16_t mask) { return MODIFIER | mask; }
constexpr uint16_t ISO_EXTRA_KEY = 0x64;  // the key between left Shift and Z

constexpr uint16_t KEYBOARD_FACE[6][21] = {
    {0x29, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48},
    {0x35, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x2D, 0x2E, 0x2A, 0x49, 0x4A, 0x4B, 0x53,
     0x54, 0x55, 0x56},
    {0x2B, 0x14, 0x1A, 0x08, 0x15, 0x17, 0x1C, 0x18, 0x0C, 0x12, 0x13, 0x2F, 0x30, 0x31, 0x4C, 0x4D, 0x4E, 0x5F,
     0x60, 0x61},
    {0x39, 0x04, 0x16, 0x07, 0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F, 0x33, 0x34, 0x28, 0x5C, 0x5D, 0x5E, NO_KEY,
     ISO_EXTRA_KEY},
    {Mod(0x02), 0x1D, 0x1B, 0x06, 0x19, 0x05, 0x11, 0x10, 0x36, 0x37, 0x38, Mod(0x20), 0x52, 0x59, 0x5A, 0x5B},
    {Mod(0x01), Mod(0x08), Mod(0x04), 0x2C, Mod(0x40), FN_KEY, 0x65, Mod(0x10), 0x50, 0x51, 0x4F, 0x62, 0x63, 0x58,
     0x57, NO_KEY, NO_KEY, NO_KEY, NO_KEY, NO_KEY, Mod(0x80)},
};

void AppendAssignment(std::vector<uint8_t>& table, uint8_t code, uint8_t p1, uint8_t p2) {
  table.insert(table.end(), {code, p1, p2});
}

// The keyboard numbers its key slots down the columns of its matrix, so slot order differs from
// the row order of the face.
std::vector<uint8_t> KeyboardFactoryKeyTable(bool hasIsoKey) {
  std::vector<uint8_t> table;
  for (int column = 0; column < 21; ++column) {
    for (int row = 0; row < 6; ++row) {
      const uint16_t key = KEYBOARD_FACE[row][column];
      if (key == NO_KEY || (key == ISO_EXTRA_KEY && !hasIsoKey)) continue;
      if (key == FN_KEY)
        AppendAssignment(table, 0xA0, 2, 2);
      else if (key & MODIFIER)
        AppendAssignment(table, 0x20, static_cast<uint8_t>(key), 0);
      else
        AppendAssignment(table, 0x20, 0, static_cast<uint8_t>(key));
    }
  }
  return table;
}

DeviceInfo MakeDeviceInfo(uint8_t kind, uint16_t productId, uint8_t keySlots, uint8_t macroUnits) {
  DeviceInfo info;
  info.bytes[0] = kind;
  info.bytes[1] = static_cast<uint8_t>(productId);
  info.bytes[2] = static_cast<uint8_t>(productId >> 8);
  info.bytes[3] = 0x05;  // firmware 1.05
  info.bytes[4] = 0x01;
  info.bytes[5] = keySlots;
  info.bytes[6] = macroUnits;
  return info;
}

// Every device starts each block with the shared lighting layout: profile, mode, brightness
// level, speed, direction, multicolour, red, green, blue, palette. Block 0's first byte is also
// the device's active profile, 0.
std::vector<uint8_t> FactorySettings(const std::array<uint8_t, 3> (&colours)[kProfiles]) {
  std::vector<uint8_t> settings(kProfiles * kBlockSize, 0);
  for (int p = 0; p < kProfiles; ++p) {
    uint8_t* block = &settings[p * kBlockSize];
    const uint8_t lighting[] = {static_cast<uint8_t>(p), static_cast<uint8_t>(p + 1), 4, 2, 1, 0,
                                colours[p][0], colours[p][1], colours[p][2], 0};
    std::copy(std::begin(lighting), std::end(lighting), block);
  }
  settings[0] = 0;
  return settings;
}

// What a mouse reports of its sensor: DPI per slider step, the slider's maximum and its minimum.
struct MouseSensorFields {
  uint16_t sensorId;
  uint8_t dpiStep;
  uint8_t sliderMaximum;
  uint16_t dpiMinimum;
};
constexpr MouseSensorFields MOUSE_SENSORS[] = {
    {0x3360, 100, 83, 100}, {0x3325, 100, 73, 200}, {0x3050, 50, 38, 250},
    {0x3310, 50, 73, 50},   {0x1234, 100, 30, 400},  // one the panel does not know
};

const MouseSensorFields& SensorFields(uint16_t sensorId) {
  for (const MouseSensorFields& fields : MOUSE_SENSORS)
    if (fields.sensorId == sensorId) return fields;
  return MOUSE_SENSORS[0];
}

constexpr std::array<uint8_t, 3> PROFILE_COLOURS[kProfiles] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0xFF}};

}  // namespace

SimulatedDeviceModel SimulatedKeyboardModel(uint16_t productId) {
  const bool oneColour = productId == SIMULATED_KEYBOARD_ONECOLOR;
  SimulatedDeviceModel model;
  model.name = L"keyboard";
  model.vendorId = kPeripheralVendor;
  model.productId = productId;
  model.interfaces = {SimulatedInterface::Command, SimulatedInterface::Sync};
  // Only the second RGB board has the ISO key; the other two have no LED for it either.
  model.factoryKeyTable = KeyboardFactoryKeyTable(productId == SIMULATED_KEYBOARD_RGB2);
  model.info = MakeDeviceInfo(1, productId, static_cast<uint8_t>(model.factoryKeyTable.size() / 3), oneColour ? 16 : 32);
  model.factorySettings = FactorySettings(PROFILE_COLOURS);
  model.ledFrameSize = 378;
  // The RGB frame, and the one-colour board's level frames (the random fill sends its 108 LEDs only).
  model.ledFrameLengths = {378, 126, 108};
  return model;
}

SimulatedDeviceModel SimulatedMouseModel(uint16_t sensorId) {
  SimulatedDeviceModel model;
  model.name = L"mouse";
  model.vendorId = kPeripheralVendor;
  model.productId = SIMULATED_MOUSE;
  model.interfaces = {SimulatedInterface::Command, SimulatedInterface::Sync};
  // The mouse's factory data is the panel's, so its factory files and the simulated mouse agree.
  model.factoryKeyTable = MouseFactoryKeyAssignments();
  model.info = MakeDeviceInfo(2, SIMULATED_MOUSE, 7, 16);
  const MouseSensorFields& sensor = SensorFields(sensorId);
  model.info.bytes[9] = static_cast<uint8_t>(sensorId);
  model.info.bytes[10] = static_cast<uint8_t>(sensorId >> 8);
  model.info.bytes[11] = sensor.dpiStep;
  model.info.bytes[12] = sensor.sliderMaximum;
  model.info.SetDpiMinimum(sensor.dpiMinimum);
  for (const MouseSettingsBlock& block : MouseFactorySettings())
    model.factorySettings.insert(model.factorySettings.end(), block.begin(), block.end());
  model.scriptMemorySize = kScriptMemorySize;
  model.ledFrameSize = 60;
  return model;
}

SimulatedDeviceModel SimulatedMousePadModel() {
  SimulatedDeviceModel model;
  model.name = L"mouse pad";
  model.vendorId = kPeripheralVendor;
  model.productId = SIMULATED_MOUSE_PAD;
  model.interfaces = {SimulatedInterface::Command};
  model.info = MakeDeviceInfo(3, SIMULATED_MOUSE_PAD, 0, 0);
  model.factorySettings = FactorySettings(PROFILE_COLOURS);
  model.ledFrameSize = 33;
  return model;
}

SimulatedDeviceModel SimulatedHeadsetK27Model() {
  SimulatedDeviceModel model;
  model.name = L"K27 headset";
  model.vendorId = kHeadsetK27Vendor;
  model.productId = SIMULATED_HEADSET_K27;
  model.interfaces = {SimulatedInterface::Headset};
  return model;
}

SimulatedDeviceModel SimulatedHeadsetK27DecoyModel(uint16_t productId, SimulatedInterface target) {
  SimulatedDeviceModel model = SimulatedHeadsetK27Model();
  model.name = L"K27 vendor decoy";
  model.productId = productId;
  model.interfaces = {target};
  return model;
}

std::shared_ptr<SimulatedDevice> MakeSimulatedKeyboard(uint16_t productId) {
  return std::make_shared<SimulatedDevice>(SimulatedKeyboardModel(productId));
}

std::shared_ptr<SimulatedDevice> MakeSimulatedMouse(uint16_t sensorId) {
  return std::make_shared<SimulatedDevice>(SimulatedMouseModel(sensorId));
}

std::shared_ptr<SimulatedDevice> MakeSimulatedMousePad() {
  return std::make_shared<SimulatedDevice>(SimulatedMousePadModel());
}

std::shared_ptr<SimulatedDevice> MakeSimulatedHeadsetK27() {
  return std::make_shared<SimulatedDevice>(SimulatedHeadsetK27Model());
}
