// The mouse's lighting effects stepped directly, their frame, and the lighting pass on the clock
// seam against a simulated mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "fake_clock.h"
#include "lighting_helpers.h"
#include "mouse_light_effects.h"
#include "mouse_light_plans.h"
#include "mouse_lighting_pass.h"
#include "mouse_test_fixture.h"
#include "stop_protocol.h"

namespace {

struct MouseLightingTest : MouseFixture {
  MouseLeds leds{};

  MouseLightingTest() {
    ResetLightingStates();
    ResetMouseEffectStates();
  }
  ~MouseLightingTest() override {
    ResetLightingStates();
    ResetMouseEffectStates();
  }

  static void Settings(uint8_t mode, uint8_t level, uint8_t direction, uint8_t multicolour, RgbColor colour) {
    MouseLiveSettings[MOUSE_LIGHT_MODE] = mode;
    MouseLiveSettings[MOUSE_LIGHT_LEVEL] = level;
    MouseLiveSettings[MOUSE_LIGHT_DIRECTION] = direction;
    MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = multicolour;
    MouseLiveSettings[MOUSE_LIGHT_RED] = colour.red;
    MouseLiveSettings[MOUSE_LIGHT_RED + 1] = colour.green;
    MouseLiveSettings[MOUSE_LIGHT_RED + 2] = colour.blue;
  }
  // The groups whose three LEDs are not black.
  std::set<size_t> LitGroups() const {
    std::set<size_t> lit;
    for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
      const LedColor& led = leds[MOUSE_LED_GROUPS[g][0]];
      if (led.red || led.green || led.blue) lit.insert(g);
    }
    return lit;
  }
  std::vector<uint8_t> Frame() const {
    uint8_t frame[MOUSE_LED_FRAME_SIZE];
    BuildMouseLedFrame(leds, frame);
    return std::vector<uint8_t>(std::begin(frame), std::end(frame));
  }
};

constexpr RgbColor kWhite{255, 255, 255};
constexpr RgbColor kRed{255, 0, 0};

TEST_F(MouseLightingTest, StaticWhiteFramesFollowTheLevel) {
  const struct {
    uint8_t level, byte;
  } cases[] = {{4, 254}, {2, 64}, {0, 0}, {9, 254}};  // 9 from a file counts as the top level
  for (const auto& c : cases) {
    Settings(3, c.level, 0, 0, kWhite);
    StepMouseStatic(leds);
    const std::vector<uint8_t> frame = Frame();
    EXPECT_TRUE(std::all_of(frame.begin(), frame.end(), [&](uint8_t b) { return b == c.byte; })) << int(c.level);
  }
}

TEST_F(MouseLightingTest, TheFrameIsEachComponentTimesItsLevel) {
  for (size_t i = 0; i < MOUSE_LED_COUNT; ++i) leds[i] = {200, 100, 50, static_cast<uint8_t>(i * 12)};
  const std::vector<uint8_t> frame = Frame();
  ASSERT_EQ(60u, frame.size());
  for (size_t i = 0; i < MOUSE_LED_COUNT; ++i) {
    EXPECT_EQ(200 * i * 12 >> 8, frame[3 * i]) << i;
    EXPECT_EQ(100 * i * 12 >> 8, frame[3 * i + 1]) << i;
    EXPECT_EQ(50 * i * 12 >> 8, frame[3 * i + 2]) << i;
  }
  EXPECT_EQ(0x00FF0011u, MousePreviewColour({0x11, 0xFF, 0x00, 9})) << "red | blue << 8 | green << 16";
}

TEST_F(MouseLightingTest, RippleForwardLightsTheGroupsInTurnThenRestsSixteenSteps) {
  Settings(MOUSE_MODE_RIPPLE, 4, 0, 0, kRed);
  ClearMouseLightState();
  SeedMouseRipple(0);
  const uint8_t newlyLit = 255 * 215 >> 8;
  for (int step = 1; step <= 24; ++step) {
    StepMouseRipple(leds);
    std::set<size_t> fresh;
    for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g)
      if (leds[MOUSE_LED_GROUPS[g][0]].level == newlyLit) fresh.insert(g);
    if (step <= 7) EXPECT_EQ(std::set<size_t>{size_t(step - 1)}, fresh) << step;
    else if (step <= 23) EXPECT_TRUE(fresh.empty()) << step;
    else EXPECT_EQ(std::set<size_t>{0}, fresh) << "the mark is back at position 0";
  }
}

TEST_F(MouseLightingTest, RippleBackwardStartsAtTheLastGroup) {
  Settings(MOUSE_MODE_RIPPLE, 4, 1, 1, kRed);
  ClearMouseLightState();
  SeedMouseRipple(1);
  StepMouseRipple(leds);  // position 7 marks a fade level no group shows
  StepMouseRipple(leds);
  EXPECT_EQ(255 * 215 >> 8, leds[MOUSE_LED_GROUPS[6][0]].level);
  EXPECT_EQ(0, leds[MOUSE_LED_GROUPS[5][0]].level);
}

TEST_F(MouseLightingTest, FillRisesAndFallsThroughTheGroups) {
  Settings(4, 4, 0, 0, kRed);
  const std::set<size_t> all = {0, 1, 2, 3, 4, 5, 6};
  const struct {
    int step;
    std::set<size_t> lit;
  } expected[] = {{1, {0}}, {7, all}, {8, all}, {9, all}, {16, {}}, {17, {}}, {18, {}}, {19, {0}}};
  int step = 0;
  for (const auto& e : expected) {
    while (step < e.step) {
      StepMouseFill(leds);
      ++step;
    }
    EXPECT_EQ(e.lit, LitGroups()) << "step " << step;
  }
}

TEST_F(MouseLightingTest, ReactiveFlashesTakeTheNextColourAndLastAbout100Ms) {
  FakeClock clock;
  Settings(6, 4, 0, 1, kRed);
  StepMouseReactive(leds);
  EXPECT_TRUE(LitGroups().empty()) << "dark without a button event";
  for (uint8_t colourIndex : {uint8_t{14}, uint8_t{28}}) {
    MouseFlashRequest = 1;
    const DWORD start = clock.TickCount();
    DWORD lastLit = start;
    for (int step = 0; step < 10; ++step) {
      StepMouseReactive(leds);
      if (LitGroups().empty()) break;
      lastLit = clock.TickCount();
      EXPECT_EQ(COLOR_WHEEL[colourIndex].green, leds[0].green);
      EXPECT_EQ(255 * 88 >> 8, leds[0].level);
      clock.Sleep(20);
    }
    EXPECT_EQ(100u, lastLit - start) << "lit up to the step that finds 100 ms passed";
    EXPECT_EQ(0, MouseFlashRequest.load()) << "the request is taken";
  }
}

TEST_F(MouseLightingTest, BreathingAdvancesThePaletteAtEachTurnAndBoundsAFilesValue) {
  Settings(2, 4, 1, 1, kRed);
  MouseLiveSettings[MOUSE_LIGHT_PALETTE] = 7;  // from a file
  MouseLightState.phase = 127;
  StepMouseBreathing(leds);  // the phase turns to 0
  EXPECT_EQ(0, MouseLiveSettings[MOUSE_LIGHT_PALETTE]);
  MouseLightState.phase = 127;
  StepMouseBreathing(leds);
  EXPECT_EQ(1, MouseLiveSettings[MOUSE_LIGHT_PALETTE]);
  EXPECT_EQ(0, leds[0].red) << "palette 1 has no red";
}

TEST_F(MouseLightingTest, EveryEffectWritesAllTwentyRecords) {
  for (uint8_t mode = 0; mode < MOUSE_MODE_COUNT; ++mode) {
    Settings(mode, 4, 0, 0, kRed);
    std::fill(std::begin(leds), std::end(leds), LedColor{1, 2, 3, 4});
    MouseEffectFor(mode)->step(leds);
    for (const LedColor& led : leds)
      EXPECT_FALSE(led.red == 1 && led.green == 2 && led.blue == 3 && led.level == 4) << int(mode);
  }
  EXPECT_EQ(nullptr, MouseEffectFor(7));
  EXPECT_EQ(nullptr, MouseEffectFor(200));
  EXPECT_EQ(50u, MouseEffectFor(4)->pauseMs);
  EXPECT_EQ(50u, MouseEffectFor(5)->pauseMs);
  EXPECT_EQ(0u, MouseEffectFor(6)->pauseMs);
}

TEST_F(MouseLightingTest, ModePlansFollowTheirVariant) {
  EXPECT_EQ(PanelState::Disabled, MouseModePlan(2, 1)->direction) << "spectrum greys the direction";
  EXPECT_EQ(PanelState::Enabled, MouseModePlan(2, 1)->speed);
  EXPECT_EQ(PanelState::Disabled, MouseModePlan(2, 6)->sameMode);
  EXPECT_EQ(PanelState::Hidden, MouseModePlan(1, 2)->speed);
  EXPECT_EQ(PanelState::Disabled, MouseModePlan(0, 0)->colour);
  EXPECT_EQ(nullptr, MouseModePlan(0, 6));
  EXPECT_EQ(nullptr, MouseModePlan(2, 7));
  EXPECT_EQ(nullptr, MouseModePlan(3, 0));
}

// The pass against a simulated mouse, on the fake clock.
struct MouseLightingPassTest : MouseLightingTest {
  FakeClock clock;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  bool framesEnabled = true;
  MouseLightingPass pass{channel, leds, [this] { SendMouseFrame(channel, leds, framesEnabled); }};
  ~MouseLightingPassTest() override { CloseHandle(stop); }
  // The pauses from `from` on, without the shortest effect steps of speed 0.
  std::vector<DWORD> Pauses(size_t from = 0) const {
    std::vector<DWORD> pauses;
    const std::vector<DWORD> all = clock.Pauses();
    for (size_t i = from; i < all.size(); ++i)
      if (all[i] != kShortestEffectStepMs) pauses.push_back(all[i]);
    return pauses;
  }
};

TEST_F(MouseLightingPassTest, FramesStreamWhileConnectedAndNotWhileDisabled) {
  Settings(3, 4, 0, 0, kWhite);
  MouseLiveSettings[MOUSE_LIGHT_SPEED] = 0;
  std::shared_ptr<SimulatedDevice> mouse;
  std::thread plugging([&] {
    Sleep(50);
    mouse = Connect();
  });
  pass.Run(stop);
  plugging.join();
  EXPECT_TRUE(Pauses().empty()) << "absent: no timed pause, the pass waits until the mouse is connected";
  EXPECT_EQ(0u, mouse->Memory().ledFrames.whole) << "and the pass that waited sends nothing";

  for (int i = 0; i < 3; ++i) pass.Run(stop);
  EXPECT_EQ(3u, mouse->Memory().ledFrames.whole);
  for (const auto& shape : Shapes(*mouse)) EXPECT_EQ(0x12, shape[0]) << "nothing but frames";
  EXPECT_EQ(std::vector<int>({56, 4}), std::vector<int>({Shapes(*mouse)[0][1], Shapes(*mouse)[1][1]}));
  EXPECT_EQ(254, mouse->Memory().ledFrame[59]);

  framesEnabled = false;
  MouseLiveSettings[MOUSE_LIGHT_RED + 2] = 0;
  pass.Run(stop);
  EXPECT_EQ(3u, mouse->Memory().ledFrames.whole);
  EXPECT_EQ(0, leds[0].blue) << "the records still change";
}

TEST_F(MouseLightingPassTest, ASynchronisedMouseGetsItsRecordsWithoutAStep) {
  auto mouse = Connect();
  Settings(3, 4, 0, 0, kWhite);
  channel.m_lightingSync = 1;
  std::fill(std::begin(leds), std::end(leds), LedColor{10, 20, 30, 255});
  pass.Run(stop);
  EXPECT_EQ(1u, mouse->Memory().ledFrames.whole);
  EXPECT_EQ(9, mouse->Memory().ledFrame[0]) << "the synchronised effect's records go out";
}

TEST_F(MouseLightingPassTest, AnUnknownModeRunsNoStepAndSlowModesPauseFirst) {
  auto mouse = Connect();
  Settings(9, 4, 0, 0, kWhite);
  MouseLiveSettings[MOUSE_LIGHT_SPEED] = 9;  // from a file: the delay table's last column
  pass.Run(stop);
  EXPECT_EQ(0, leds[0].red);
  EXPECT_EQ(1u, mouse->Memory().ledFrames.whole) << "the unchanged records still go out";

  Settings(4, 4, 0, 0, kWhite);
  MouseLiveSettings[MOUSE_LIGHT_SPEED] = 2;
  const size_t before = clock.Pauses().size();
  pass.Run(stop);
  EXPECT_EQ(std::vector<DWORD>({EffectDelay(4, 2), 50, 20}), Pauses(before));
}

TEST_F(MouseLightingPassTest, AStopDuringAPauseSendsNothing) {
  auto mouse = Connect();
  Settings(5, 4, 0, 0, kWhite);
  SetEvent(stop);
  pass.Run(stop);
  EXPECT_EQ(0u, mouse->Memory().ledFrames.whole);
}

}  // namespace
