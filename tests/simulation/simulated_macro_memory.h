#pragma once
// Reads the macro memory of a simulated device as its firmware would play it: the header, the
// offset of each macro and each macro's 4-byte actions (delay low, delay high, type, code).
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

using MacroMemoryAction = std::array<uint8_t, 4>;

// Null when the memory holds no valid image: a wrong magic, or a length, offset or count that
// reaches past the memory.
std::optional<std::vector<std::vector<MacroMemoryAction>>> DecodeMacroMemory(const std::vector<uint8_t>& memory);
