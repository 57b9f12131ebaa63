#pragma once
#include <memory>

#include "simulated_device.h"

// The simulated devices (their contents are described in README.md beside this file).
constexpr uint16_t SIMULATED_KEYBOARD_RGB = 0x7513;
constexpr uint16_t SIMULATED_KEYBOARD_ONECOLOR = 0x0632;
constexpr uint16_t SIMULATED_KEYBOARD_RGB2 = 0x763E;
constexpr uint16_t SIMULATED_MOUSE = 0x5F01;
constexpr uint16_t SIMULATED_MOUSE_PAD = 0x763D;
constexpr uint16_t SIMULATED_HEADSET_K27 = 0x01DA;

SimulatedDeviceModel SimulatedKeyboardModel(uint16_t productId);
// The mouse's sensor sets the DPI fields of its record; the panel knows four sensors.
constexpr uint16_t SIMULATED_MOUSE_SENSOR = 0x3360;
SimulatedDeviceModel SimulatedMouseModel(uint16_t sensorId = SIMULATED_MOUSE_SENSOR);
SimulatedDeviceModel SimulatedMousePadModel();
SimulatedDeviceModel SimulatedHeadsetK27Model();
// A device of the K27's vendor that is not the headset's light interface: another product with the
// headset's interface, or the headset's product with a vendor-defined one.
SimulatedDeviceModel SimulatedHeadsetK27DecoyModel(uint16_t productId, SimulatedInterface target);

std::shared_ptr<SimulatedDevice> MakeSimulatedKeyboard(uint16_t productId = SIMULATED_KEYBOARD_ONECOLOR);
std::shared_ptr<SimulatedDevice> MakeSimulatedMouse(uint16_t sensorId = SIMULATED_MOUSE_SENSOR);
std::shared_ptr<SimulatedDevice> MakeSimulatedMousePad();
std::shared_ptr<SimulatedDevice> MakeSimulatedHeadsetK27();
