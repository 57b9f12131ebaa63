#pragma once
#include <atomic>

#include "audio_control_library.h"
#include "headset_state.h"
#include "lighting_state.h"

// The first family's two LED controllers, reached as one-byte I2C register writes to slaves 0x11
// and 0x22. The headset runs the wave itself from a register configuration; the other modes are a
// live colour the panel writes on every pass.

constexpr int kHeadsetLedSlaves[] = {0x11, 0x22};

// Per mode, which of the page's layouts are enabled and how the two flags are set.
struct HeadsetModeLayout {
  bool fx, colour, multicolour, speed, light, sameMode;
  bool hardwareEffect, dirty;
};
// The layout of mode 0..3; nullptr for any other index (which only saves).
const HeadsetModeLayout* HeadsetModeLayoutOf(int mode);

// The configuration of the on-device effect, register by register, each to both slaves.
void WriteHeadsetLightConfig(const AudioControlLibraryLoader& library, const HeadsetLightSettings& light);
// The live colour: 0x20..0x22 to slave 0x11, then to slave 0x22.
void WriteHeadsetLightColor(const AudioControlLibraryLoader& library, uint8_t red, uint8_t green,
                            uint8_t blue);

// One pass's output to the headset (the previews are the page's): in the on-device mode the
// configuration once per change, otherwise LED 0's colour at its level, capped at 247 while the
// headset is connected.
void OutputHeadsetLight(const AudioControlLibraryLoader& library, const HeadsetLightSettings& light,
                        const LedColor& led0, bool connected, bool hardwareEffect,
                        std::atomic<int>& dirty);
