#include "headset_light_registers.h"

#include "debug_log_capture.h"
#include "headset_test_fixture.h"

namespace {
using HeadsetRegisters = HeadsetCoreTest;

std::string Write(int slave, int reg, int value) {
  char line[80];
  snprintf(line, sizeof line, "Harkin_Write_I2C_ById(0x%02X, 0x%02X, [%02X], 1, 1000, 0)", slave, reg,
           value);
  return line;
}

// Register by register, slave 0x11 then 0x22.
std::vector<std::string> ToBoth(std::initializer_list<std::pair<int, int>> writes) {
  std::vector<std::string> lines;
  for (const auto& w : writes) {
    lines.push_back(Write(0x11, w.first, w.second));
    lines.push_back(Write(0x22, w.first, w.second));
  }
  return lines;
}

TEST_F(HeadsetRegisters, OnDeviceWaveConfigurationIsWrittenOncePerChange) {
  const HeadsetLightSettings light{0, 2, 1, 1, 0, 10, 20, 30, 0};
  std::atomic<int> dirty{1};
  OutputHeadsetLight(loader, light, LedColor{}, true, true, dirty);
  OutputHeadsetLight(loader, light, LedColor{}, true, true, dirty);

  EXPECT_EQ(ToBoth({{0x23, 2}, {0x26, 0x00}, {0x24, 128}, {0x25, 6}, {0x2A, 0x00}, {0x27, 10},
                    {0x28, 20}, {0x29, 30}}),
            Calls());
  EXPECT_EQ(0, dirty);
  EXPECT_EQ(30, standin.I2CRegister(0x22, 0x29));
}

TEST_F(HeadsetRegisters, MulticolourConfigurationSkipsTheColourAndAbsentHeadsetKeepsTheRequest) {
  const HeadsetLightSettings light{0, 9, 0, 0, 1, 10, 20, 30, 0};  // brightness out of range
  std::atomic<int> dirty{1};
  OutputHeadsetLight(loader, light, LedColor{}, false, true, dirty);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(1, dirty) << "written when the headset is back";

  OutputHeadsetLight(loader, light, LedColor{}, true, true, dirty);
  EXPECT_EQ(ToBoth({{0x23, 2}, {0x26, 0xFF}, {0x24, 255}, {0x25, 4}, {0x2A, 0xFF}}), Calls());
}

TEST_F(HeadsetRegisters, SoftwareModesWriteLed0sLevelledColourCappedWhileConnected) {
  const HeadsetLightSettings light{3, 4, 0, 1, 0, 255, 255, 255, 0};
  std::atomic<int> dirty{0};
  for (int pass = 0; pass < 2; ++pass)
    OutputHeadsetLight(loader, light, LedColor{255, 255, 255, 255}, true, false, dirty);
  std::vector<std::string> expected;
  for (int pass = 0; pass < 2; ++pass) {
    for (int slave : {0x11, 0x22})
      for (int reg : {0x20, 0x21, 0x22}) expected.push_back(Write(slave, reg, 247));
  }
  EXPECT_EQ(expected, Calls());

  standin.ClearCallLog();
  OutputHeadsetLight(loader, light, LedColor{200, 100, 255, 128}, false, false, dirty);
  EXPECT_EQ(Write(0x11, 0x20, 100), Calls().at(0));
  EXPECT_EQ(Write(0x11, 0x22, 127), Calls().at(2)) << "no cap while absent";
}

TEST_F(HeadsetRegisters, AFailedFirstColourWriteIsReportedOnce) {
  standin.InjectI2CWriteResult(-5);
  DebugLogCapture debug;
  WriteHeadsetLightColor(loader, 1, 2, 3);
  EXPECT_EQ(1, debug.Count(L"-5"));
  EXPECT_EQ(6u, Calls().size());
}

TEST(HeadsetModeLayouts, OnlyTheWaveRunsOnTheDevice) {
  for (int mode = 0; mode < 4; ++mode) {
    const HeadsetModeLayout* layout = HeadsetModeLayoutOf(mode);
    ASSERT_NE(nullptr, layout);
    EXPECT_EQ(mode == 0, layout->hardwareEffect && layout->dirty && layout->fx) << mode;
    EXPECT_TRUE(layout->light && layout->sameMode) << mode;
  }
  EXPECT_TRUE(HeadsetModeLayoutOf(2)->colour);
  EXPECT_FALSE(HeadsetModeLayoutOf(3)->multicolour);
  EXPECT_EQ(nullptr, HeadsetModeLayoutOf(4));
  EXPECT_EQ(nullptr, HeadsetModeLayoutOf(-1));
}
}  // namespace
