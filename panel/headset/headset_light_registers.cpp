#include "headset_light_registers.h"

#include <algorithm>
#include <string>

#include "diagnostics.h"
#include "lighting_tables.h"

namespace {
constexpr int kI2CTimeoutMs = 1000;
constexpr int kDeviceId = 0;
constexpr uint8_t kConnectedColourCap = 0xF7;

constexpr uint8_t HEADSET_LED_BRIGHTNESS[kHeadsetLevelCount] = {0, 64, 128, 192, 255};
constexpr uint8_t HEADSET_LED_SPEED[kHeadsetLevelCount] = {14, 10, 8, 6, 4};

enum Register : int {
  kLiveRed = 0x20,
  kLiveGreen = 0x21,
  kLiveBlue = 0x22,
  kConfigStart = 0x23,
  kBrightness = 0x24,
  kSpeed = 0x25,
  kDirection = 0x26,
  kEffectRed = 0x27,
  kEffectGreen = 0x28,
  kEffectBlue = 0x29,
  kColourSource = 0x2A,
};

constexpr HeadsetModeLayout kModeLayouts[kHeadsetModeCount] = {
    {true, true, true, true, true, true, true, true},
    {false, false, false, true, true, true, false, false},
    {false, true, true, true, true, true, false, false},
    {false, true, false, false, true, true, false, false},
};

int WriteRegister(const AudioControlLibraryLoader& library, int slave, int reg, uint8_t value) {
  return library.Harkin_Write_I2C_ById(slave, reg, &value, 1, kI2CTimeoutMs, kDeviceId);
}

void WriteBoth(const AudioControlLibraryLoader& library, int reg, uint8_t value) {
  for (int slave : kHeadsetLedSlaves) WriteRegister(library, slave, reg, value);
}
}  // namespace

const HeadsetModeLayout* HeadsetModeLayoutOf(int mode) {
  return mode >= 0 && mode < kHeadsetModeCount ? &kModeLayouts[mode] : nullptr;
}

void WriteHeadsetLightConfig(const AudioControlLibraryLoader& library, const HeadsetLightSettings& light) {
  WriteBoth(library, kConfigStart, 2);
  WriteBoth(library, kDirection, light.direction ? 0x00 : 0xFF);
  WriteBoth(library, kBrightness, HEADSET_LED_BRIGHTNESS[HeadsetBrightness(light)]);
  WriteBoth(library, kSpeed, HEADSET_LED_SPEED[kHeadsetLevelCount - 1 - HeadsetSpeed(light)]);
  if (light.multicolour) {
    WriteBoth(library, kColourSource, 0xFF);
    return;
  }
  WriteBoth(library, kColourSource, 0x00);
  WriteBoth(library, kEffectRed, light.red);
  WriteBoth(library, kEffectGreen, light.green);
  WriteBoth(library, kEffectBlue, light.blue);
}

void WriteHeadsetLightColor(const AudioControlLibraryLoader& library, uint8_t red, uint8_t green,
                            uint8_t blue) {
  for (int slave : kHeadsetLedSlaves) {
    const int result = WriteRegister(library, slave, kLiveRed, red);
    if (result != 0 && slave == kHeadsetLedSlaves[0]) DebugLine(std::to_wstring(result));
    WriteRegister(library, slave, kLiveGreen, green);
    WriteRegister(library, slave, kLiveBlue, blue);
  }
}

void OutputHeadsetLight(const AudioControlLibraryLoader& library, const HeadsetLightSettings& light,
                        const LedColor& led0, bool connected, bool hardwareEffect,
                        std::atomic<int>& dirty) {
  if (hardwareEffect) {
    if (connected && dirty.exchange(0)) WriteHeadsetLightConfig(library, light);
    return;
  }
  auto level = [&](uint8_t component) {
    const uint8_t value = static_cast<uint8_t>((component * led0.level) >> 8);
    return connected ? std::min(value, kConnectedColourCap) : value;
  };
  WriteHeadsetLightColor(library, level(led0.red), level(led0.green), level(led0.blue));
}
