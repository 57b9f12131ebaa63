#pragma once
#include <array>
#include <cstdint>

class AudioControlLibraryLoader;
class DeviceCommandChannel;

// The eight one-byte I2C writes that leave the first headset's LED controllers in their exit state.
// Skipped inside the loader when the library or its entry point is missing.
void PutHeadsetLedsInExitState(const AudioControlLibraryLoader& library);

// The K27 headset's light reports: byte 0 0xFF, byte 1 the target, byte 2 the command, byte 3 its
// parameter, the rest 0.
using HeadsetK27Report = std::array<uint8_t, 17>;
// The two reports that switch both K27 light groups to their exit state.
std::array<HeadsetK27Report, 2> HeadsetK27ExitReports();
// Sends an output report to the K27 headset's open HID device; nonzero when the headset took it,
// 0 when it refused it or is not open.
int SendHeadsetK27OutputReport(DeviceCommandChannel& channel, const HeadsetK27Report& report);
