#pragma once
// The mouse pad's factory light profile: the settings block its firmware starts with in profile 0,
// shipped as "mpdengdefault.led". Plain data, so the build tool that writes the file can use it.
#include <array>
#include <cstdint>

extern const std::array<uint8_t, 64> MOUSEPAD_FACTORY_BLOCK;
