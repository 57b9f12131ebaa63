#pragma once
#include <string>

#include "device_command_channel.h"

// What the device pages do with a channel, in the order they do it, for tests and tools that
// need a real exchange with a simulated device.

// Opens the interface at the path the way a detection thread does and marks the channel connected.
bool ConnectChannel(DeviceCommandChannel& channel, const std::wstring& path);

// The full read-backs of the three devices.
void RunKeyboardReadBack(DeviceCommandChannel& channel);
void RunMouseReadBack(DeviceCommandChannel& channel);
void RunMousePadReadBack(DeviceCommandChannel& channel);
