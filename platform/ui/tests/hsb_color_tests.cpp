#include <gtest/gtest.h>

#include "ui/hsb_color.h"

TEST(HsbColor, ConvertsBothWaysAndBoundsItsInput) {
  struct Case {
    DWORD argb;
    double hue, saturation, brightness;
  } cases[] = {
      {0xFFFF0000, 0, 1, 1},        {0xFF00FF00, 120, 1, 1}, {0xFF0000FF, 240, 1, 1},
      {0xFFFF00FF, 300, 1, 1},      {0xFF000000, 0, 0, 0},   {0xFFFFFFFF, 0, 0, 1},
      {0xFF808080, 0, 0, 128 / 255.0},
  };
  for (const Case& c : cases) {
    HsbColor hsb = ArgbToHsb(c.argb);
    EXPECT_NEAR(hsb.hue, c.hue, 1e-9) << std::hex << c.argb;
    EXPECT_NEAR(hsb.saturation, c.saturation, 1e-9) << std::hex << c.argb;
    EXPECT_NEAR(hsb.brightness, c.brightness, 1e-9) << std::hex << c.argb;
    EXPECT_EQ(HsbToArgb(hsb), c.argb);
  }
  for (DWORD rgb : {0x0199CBu, 0x123456u, 0xFEDCBAu, 0x7F0080u})
    EXPECT_EQ(HsbToArgb(ArgbToHsb(0xFF000000 | rgb)), 0xFF000000 | rgb) << std::hex << rgb;
  EXPECT_EQ(HsbToArgb(HsbColor{360, 2, 2}), 0xFFFF0000u) << "out of range values are bounded";
  EXPECT_EQ(HsbToArgb(HsbColor{-20, -1, 0.5}), 0xFF808080u);
}
