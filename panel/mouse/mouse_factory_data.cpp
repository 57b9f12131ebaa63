#include "mouse_factory_data.h"

#include <algorithm>

namespace {

// One assignment per key: mouse buttons (0x10) by their button mask, DPI functions (0x13).
const uint8_t kKeys[][3] = {
    {0x10, 0x01, 0},  // left
    {0x10, 0x04, 0},  // wheel
    {0x10, 0x02, 0},  // right
    {0x10, 0x10, 0},  // forward
    {0x10, 0x08, 0},  // back
    {0x13, 0x03, 0},  // DPI cycle
    {0x13, 0x01, 0},  // DPI up
};

// Per profile: its lighting colour; every profile shares the rest of its block.
const uint8_t kProfileColours[MOUSE_PROFILES][3] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0xFF}};
constexpr uint8_t kBrightness = 4, kSpeed = 2, kDirection = 1;
constexpr uint8_t kReportRate = 3;
const uint8_t kDpiStages[4] = {4, 9, 19, 39};
constexpr uint8_t kActiveDpiStage = 1;
constexpr uint8_t kPointerSpeed = 10, kWheelLines = 3;

// Cursor scripts: 30 steps, each a pause and then a pull downwards, steeper from script to script.
constexpr int kScriptSteps = 30;
const int kStepDelayUnits[4] = {10, 8, 6, 5};  // in 10 ms
const int kStepPull[4] = {2, 3, 4, 5};
const char* const kRightMove = "4,0,0,mouse_move_to_right_text";
const char* const kDownMove = "5,0,0,mouse_move_to_down_text";

// The profile file header of kind 2: magic 0x55AA stored AA 55, then the kind at byte 4.
constexpr size_t kHeaderSize = 16;
std::vector<uint8_t> ProfileFile(const uint8_t* payload, size_t size) {
  std::vector<uint8_t> bytes(kHeaderSize + size, 0);
  bytes[0] = 0xAA;
  bytes[1] = 0x55;
  bytes[4] = 2;
  std::copy(payload, payload + size, bytes.begin() + kHeaderSize);
  return bytes;
}

std::string Action(int number, int delayUnits, const std::string& rest) {
  return std::to_string(number) + "=" + std::to_string(delayUnits & 0xFF) + "," + std::to_string(delayUnits >> 8) +
         "," + rest + "\r\n";
}

}  // namespace

std::vector<uint8_t> MouseFactoryKeyAssignments() {
  std::vector<uint8_t> assignments;
  for (const auto& key : kKeys) assignments.insert(assignments.end(), key, key + 3);
  return assignments;
}

MouseKeyTable MouseFactoryKeys() {
  MouseKeyTable table{};
  const std::vector<uint8_t> assignments = MouseFactoryKeyAssignments();
  std::copy(assignments.begin(), assignments.end(), table.begin());
  return table;
}

std::array<MouseSettingsBlock, MOUSE_PROFILES> MouseFactorySettings() {
  std::array<MouseSettingsBlock, MOUSE_PROFILES> blocks{};
  for (int p = 0; p < MOUSE_PROFILES; ++p) {
    MouseSettingsBlock& block = blocks[p];
    const uint8_t lighting[] = {static_cast<uint8_t>(p), static_cast<uint8_t>(p + 1), kBrightness, kSpeed, kDirection,
                                0, kProfileColours[p][0], kProfileColours[p][1], kProfileColours[p][2], 0};
    std::copy(std::begin(lighting), std::end(lighting), block.begin());
    block[14] = kReportRate;
    std::copy(std::begin(kDpiStages), std::end(kDpiStages), block.begin() + 15);
    block[19] = kActiveDpiStage;
    block[MOUSE_BLOCK_POINTER_SPEED] = kPointerSpeed;
    block[MOUSE_BLOCK_WHEEL_LINES] = kWheelLines;
  }
  blocks[0][0] = 0;
  return blocks;
}

std::string MouseFactoryCursorScript(int slot) {
  std::string text = "[MACROACTIONCOUNT]\r\ncount=" + std::to_string(kScriptSteps * 6) + "\r\n\r\n[MACROACTION]\r\n";
  for (int step = 0; step < kScriptSteps; ++step) {
    const int first = step * 6;
    text += Action(first, 0, kRightMove);
    text += Action(first + 1, 0, kDownMove);
    text += Action(first + 2, 0, kRightMove);
    text += Action(first + 3, kStepDelayUnits[slot], kDownMove);
    text += Action(first + 4, 0, kRightMove);
    text += Action(first + 5, 0, "5," + std::to_string(kStepPull[slot]) + ",0,mouse_move_to_down_text");
  }
  return text;
}

std::vector<MouseFactoryFile> MouseFactoryFiles() {
  const MouseKeyTable keys = MouseFactoryKeys();
  const MouseSettingsBlock block0 = MouseFactorySettings()[0];
  std::vector<uint8_t> device(keys.begin(), keys.end());
  device.insert(device.end(), block0.begin(), block0.end());
  std::vector<MouseFactoryFile> files = {
      {"msdevicedefault.config", ProfileFile(device.data(), device.size())},
      {"msdengdefault.Led", ProfileFile(block0.data(), block0.size())},
      {"mskeydefault.pro", ProfileFile(keys.data(), keys.size())},
  };
  const char* const scripts[] = {"name_1.cur", "name_2.cur", "name_3.cur", "name_4.cur"};
  for (int slot = 0; slot < 4; ++slot) {
    const std::string text = MouseFactoryCursorScript(slot);
    files.push_back({scripts[slot], std::vector<uint8_t>(text.begin(), text.end())});
  }
  return files;
}
