#pragma once
// Reads back a macro or cursor-script image as a simulated device holds it in memory: the header's
// length and count, then each item's actions (4 bytes each) found through the offset table. Every
// offset is checked against the image, so a faulty image fails the decode instead of the test.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct DecodedDeviceImage {
  size_t length = 0;
  std::vector<std::vector<std::array<uint8_t, 4>>> items;
};

inline std::optional<DecodedDeviceImage> DecodeDeviceImage(const std::vector<uint8_t>& memory) {
  auto word = [&](size_t at) { return static_cast<size_t>(memory[at] | memory[at + 1] << 8); };
  if (memory.size() < 16 || memory[0] != 0xAA || memory[1] != 0x55) return std::nullopt;
  DecodedDeviceImage image;
  image.length = word(2);
  const size_t count = word(4);
  if (image.length > memory.size() || 16 + 2 * count > image.length) return std::nullopt;
  for (size_t i = 0; i < count; ++i) {
    const size_t block = word(16 + 2 * i);
    if (block + 4 > image.length) return std::nullopt;
    const size_t actions = word(block);
    if (block + 4 + 4 * actions > image.length) return std::nullopt;
    std::vector<std::array<uint8_t, 4>> item;
    for (size_t j = 0; j < actions; ++j) {
      const size_t at = block + 4 + 4 * j;
      item.push_back({memory[at], memory[at + 1], memory[at + 2], memory[at + 3]});
    }
    image.items.push_back(item);
  }
  return image;
}
