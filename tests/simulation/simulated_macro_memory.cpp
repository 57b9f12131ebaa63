#include "simulated_macro_memory.h"

namespace {
constexpr uint16_t kMagic = 0x55AA;
constexpr size_t kHeaderSize = 16;
constexpr size_t kBlockHeaderSize = 4;
constexpr size_t kActionSize = 4;

size_t Word(const std::vector<uint8_t>& memory, size_t at) { return memory[at] | (memory[at + 1] << 8); }
}  // namespace

std::optional<std::vector<std::vector<MacroMemoryAction>>> DecodeMacroMemory(const std::vector<uint8_t>& memory) {
  if (memory.size() < kHeaderSize || Word(memory, 0) != kMagic) return std::nullopt;
  const size_t length = Word(memory, 2);
  const size_t count = Word(memory, 4);
  if (length > memory.size() || kHeaderSize + 2 * count > length) return std::nullopt;
  std::vector<std::vector<MacroMemoryAction>> macros;
  for (size_t i = 0; i < count; ++i) {
    const size_t block = Word(memory, kHeaderSize + 2 * i);
    if (block + kBlockHeaderSize > length) return std::nullopt;
    const size_t actions = Word(memory, block);
    if (block + kBlockHeaderSize + kActionSize * actions > length) return std::nullopt;
    std::vector<MacroMemoryAction> macro;
    for (size_t j = 0; j < actions; ++j) {
      const size_t at = block + kBlockHeaderSize + kActionSize * j;
      macro.push_back({memory[at], memory[at + 1], memory[at + 2], memory[at + 3]});
    }
    macros.push_back(macro);
  }
  return macros;
}
