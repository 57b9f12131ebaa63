#include <gtest/gtest.h>

#include "device_macro_image.h"
#include "macro_store_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

DeviceMacroImage Build(const TempFolder& folder, size_t capacity = 4096) {
  return BuildDeviceMacroImage(folder.path(), L"kbMacro.ini", capacity);
}

TEST(DeviceMacroImage, OneMacroOfTwoActionsIs30Bytes) {
  TempFolder folder;
  WriteMacroStore(folder, {{"Copy", "2", {"10,1,138,4,1,keyboard_key_A", "5,0,10,4,0,keyboard_key_A"}}});
  const DeviceMacroImage image = Build(folder);
  ASSERT_EQ(DeviceMacroImage::Status::Built, image.status);
  const Bytes expected = {0xAA, 0x55, 30, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // header
                          18,   0,                                                 // offset of macro 0
                          2,    0,    0,  0,                                       // action count
                          10,   1,    138, 4, 5, 0, 10, 4};
  EXPECT_EQ(expected, image.bytes);
}

TEST(DeviceMacroImage, ThreeMacrosOf0_1And2ActionsAre46BytesWithTheirOffsets) {
  TempFolder folder;
  WriteMacroStore(folder, {MacroOf("a", 0), {"b", "1", {"1,2,3,4,1,x"}}, {"c", "2", {"5,6,7,8,1,y", "garbage"}}});
  const DeviceMacroImage image = Build(folder);
  ASSERT_EQ(DeviceMacroImage::Status::Built, image.status);
  const Bytes expected = {0xAA, 0x55, 46, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          22, 0, 26, 0, 34, 0,   // offsets
                          0, 0, 0, 0,            // a: no actions
                          1, 0, 0, 0, 1, 2, 3, 4,  // b
                          2, 0, 0, 0, 5, 6, 7, 8,  // c, whose second record does not parse: zeros
                          0, 0, 0, 0};
  EXPECT_EQ(expected, image.bytes);
}

TEST(DeviceMacroImage, MissingFilesAndCountsBuildEmptyBlocks) {
  TempFolder folder;
  EXPECT_EQ(DeviceMacroImage::Status::NoMacros, Build(folder).status);
  WriteText(folder / L"kbMacro.ini", "[MACROCOUNT]\r\ncount=1\r\n[MACRONAME]\r\n0=never saved\r\n");
  const DeviceMacroImage image = Build(folder);
  ASSERT_EQ(DeviceMacroImage::Status::Built, image.status);
  EXPECT_EQ(22u, image.bytes.size());
}

TEST(DeviceMacroImage, TheCapacityIsTheLimitAndTheExcessCountsActions) {
  struct Case {
    std::vector<TestMacro> macros;
    size_t capacity;
    DeviceMacroImage::Status status;
    size_t length;
    int excess;
  };
  const Case cases[] = {
      {{MacroOf("a", 57), MacroOf("b", 0)}, 256, DeviceMacroImage::Status::Built, 256, 0},
      {{MacroOf("a", 59)}, 256, DeviceMacroImage::Status::TooLong, 0, 1},  // 258 bytes
      {{MacroOf("a", 1)}, 0, DeviceMacroImage::Status::TooLong, 0, 7},     // 26 bytes, nothing read yet
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.capacity);
    TempFolder folder;
    WriteMacroStore(folder, c.macros);
    const DeviceMacroImage image = Build(folder, c.capacity);
    EXPECT_EQ(c.status, image.status);
    EXPECT_EQ(c.length, image.bytes.size());
    EXPECT_EQ(c.excess, image.excessActions);
  }
}

TEST(DeviceMacroImage, HostileCountsAreBoundedOrRefused) {
  const size_t largestMemory = 255 * 128;
  struct Case {
    const char* what;
    std::string macroCount;
    std::string actionCount;
    DeviceMacroImage::Status status;
    size_t length;
  };
  const Case cases[] = {
      {"negative action count", "1", "-5", DeviceMacroImage::Status::Built, 22},
      // The one record the file holds is sent, as the page shows it.
      {"huge action count", "1", "1000000000", DeviceMacroImage::Status::Built, 26},
      {"action count past the int range", "1", "99999999999999999999", DeviceMacroImage::Status::Built, 26},
      {"negative macro count", "-5", "1", DeviceMacroImage::Status::NoMacros, 0},
      {"huge macro count", "1000000000", "1", DeviceMacroImage::Status::TooLong, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteMacroStore(folder, {{"m", c.actionCount, {"1,2,3,4,1,x"}}}, c.macroCount);
    const DeviceMacroImage image = Build(folder, largestMemory);
    EXPECT_EQ(c.status, image.status);
    EXPECT_EQ(c.length, image.bytes.size());
    if (c.status == DeviceMacroImage::Status::TooLong) {
      EXPECT_GT(image.excessActions, 0);
    }
  }
}

}  // namespace
