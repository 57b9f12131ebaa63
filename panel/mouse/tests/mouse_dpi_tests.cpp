// The mouse's DPI rules, the performance writes on the wire and the wheel-line steps.
#include <gtest/gtest.h>

#include "mouse_dpi.h"
#include "mouse_test_fixture.h"

namespace {

// A few sensors as the page must show them: the range labels of stage 1 and of stages 2..6, and the
// DPI that the row's minimum gives at a slider position.
TEST(MouseDpi, SensorRowsGiveThePagesRanges) {
  const struct {
    const char* what;
    uint16_t sensor;
    int firstMax, otherMax;
    int position, dpi;
  } rows[] = {
      {"0x3325: the top position reaches the range label", 0x3325, 10000, 10000, 73, 10000},
      {"0x3310: the one sensor whose first stage reaches further", 0x3310, 10000, 5000, 0, 50},
      {"0x3050: the lowest range", 0x3050, 4000, 4000, 10, 1250},
  };
  for (const auto& r : rows) {
    const MouseSensorDpiRow* row = FindMouseSensorDpiRow(r.sensor);
    ASSERT_NE(nullptr, row) << r.what;
    EXPECT_EQ(r.firstMax, row->firstStageMaximum) << r.what;
    EXPECT_EQ(r.otherMax, row->otherStageMaximum) << r.what;
    EXPECT_EQ(r.dpi, MouseDpiValue(r.position, row->minimum)) << r.what;
  }
  EXPECT_EQ(nullptr, FindMouseSensorDpiRow(0x1234)) << "an unknown sensor keeps what the mouse reports";
}

TEST(MouseDpi, ValuesStep100UpTo48And200Above) {
  const struct {
    int position, minimum, step, dpi;
  } values[] = {{0, 200, 100, 200},   {48, 200, 100, 5000}, {49, 200, 100, 5200}, {73, 200, 100, 10000},
                {48, 50, 100, 4850},  {49, 50, 100, 5050},  {10, 100, 50, 600},   {49, 100, 50, 5100}};
  for (const auto& v : values)
    EXPECT_EQ(v.dpi, MouseDpiValue(v.position, v.minimum, v.step)) << v.position << " from " << v.minimum;
}

TEST(MouseDpi, TheActiveStageIsMarkedRed) {
  using H = StageHighlight;
  const struct {
    uint8_t active;
    std::array<H, 6> marks;
  } cases[] = {
      {0, {H::Active, H::Other, H::Other, H::Other, H::Other, H::Other}},
      {3, {H::Other, H::Other, H::Other, H::Active, H::Other, H::Other}},
      {5, {H::Other, H::Other, H::Other, H::Other, H::Other, H::Active}},
      {9, {H::Active, H::Other, H::Other, H::Other, H::Leave, H::Leave}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.marks, MouseStageHighlights(c.active)) << int(c.active);
}

TEST(MouseDpi, PointerSpeedAndWheelSteps) {
  EXPECT_EQ(20, MousePointerSpeedOfSlider(9));
  EXPECT_EQ(2, MousePointerSpeedOfSlider(0));
  EXPECT_EQ(2, MousePointerSpeedOfSlider(-3));
  const struct {
    int lines;
    bool up;
    int next;
  } steps[] = {{1, false, 1}, {100, true, 100}, {3, true, 4}, {3, false, 2}, {0, true, 2}, {250, false, 99}, {-5, false, 1}};
  for (const auto& s : steps) EXPECT_EQ(s.next, StepMouseWheelLineCount(s.lines, s.up)) << s.lines << " " << s.up;
}

using MouseDpiWire = MouseFixture;

TEST_F(MouseDpiWire, StagesGoToBlockZeroAndTheRateToTheEditedProfile) {
  auto mouse = Connect();
  WriteMouseDpiStage(channel, 2, 30);
  WriteMouseReportRate(channel, 1, 2);
  const auto shapes = Shapes(*mouse);
  ASSERT_EQ(2u, shapes.size());
  EXPECT_EQ((std::array<int, 3>{0x06, 1, 16}), shapes[0]);
  EXPECT_EQ((std::array<int, 3>{0x06, 1, 78}), shapes[1]);
  EXPECT_EQ(30, mouse->Memory().settings[16]);
  EXPECT_EQ(2, mouse->Memory().settings[78]);
}

}  // namespace
