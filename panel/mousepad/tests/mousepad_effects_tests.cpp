#include <set>
#include <thread>

#include "fake_clock.h"
#include "lighting_helpers.h"
#include "mousepad_frame.h"
#include "mousepad_lighting_pass.h"
#include "mousepad_lighting_tables.h"
#include "mousepad_mode_panels.h"
#include "mousepad_test_fixture.h"
#include "stop_protocol.h"

namespace {

constexpr LedColor kUntouched = {1, 2, 3, 4};

struct MousePadEffectsTest : MousePadFixture {
  FakeClock clock;
  MousePadLeds leds;
  std::atomic<int> flashRequest{0};

  MousePadEffectsTest() {
    ResetLightingStates();
    ResetMousePadEffectStates();
    std::fill(std::begin(leds), std::end(leds), kUntouched);
  }

  static MousePadLiveSettings Settings(uint8_t mode, uint8_t direction, uint8_t multicolour, RgbColor colour = {255, 0, 0}) {
    MousePadLiveSettings s{};
    s.mode = mode;
    s.brightness = 4;
    s.direction = direction;
    s.multicolour = multicolour;
    s.red = colour.red;
    s.green = colour.green;
    s.blue = colour.blue;
    return s;
  }

  // Bit i set for a lit LED i.
  unsigned LitMask() const {
    unsigned mask = 0;
    for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i)
      if (leds[i].level) mask |= 1u << i;
    return mask;
  }
};

bool Same(LedColor a, LedColor b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.level == b.level;
}
bool Shows(LedColor led, RgbColor colour) {
  return led.red == colour.red && led.green == colour.green && led.blue == colour.blue;
}

unsigned Leds(int first, int last) {
  unsigned mask = 0;
  for (int i = first; i <= last; ++i) mask |= 1u << i;
  return mask;
}

TEST_F(MousePadEffectsTest, StaticFramesCarryEachComponentAtTheLedsLevelAnd33BytesReachThePad) {
  struct Case {
    const char* what;
    RgbColor colour;
    uint8_t brightness;
    uint8_t red, green, blue;  // each LED's frame bytes
  };
  const Case cases[] = {{"red at level 4", {255, 0, 0}, 4, 254, 0, 0},
                        {"white", {255, 255, 255}, 4, 254, 254, 254},
                        {"brightness 9 from a file counts as 4", {0, 255, 0}, 9, 0, 254, 0},
                        {"level 2", {0, 0, 200}, 2, 0, 0, 50}};
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MousePadLiveSettings s = Settings(MOUSEPAD_STATIC, 0, 0, c.colour);
    s.brightness = c.brightness;
    StepMousePadStaticEffect(s, leds);
    const MousePadFrame frame = BuildMousePadLedFrame(leds);
    for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
      EXPECT_EQ(c.red, frame[3 * i]) << i;
      EXPECT_EQ(c.green, frame[3 * i + 1]) << i;
      EXPECT_EQ(c.blue, frame[3 * i + 2]) << i;
    }
    const unsigned before = pad->Memory().ledFrames.commands;
    pad->ClearWireLog();
    SendMousePadLedFrame(channel, leds);
    EXPECT_EQ((std::vector<std::array<int, 3>>{{0x12, 33, 0}}), Shapes());
    EXPECT_EQ(before + 1, pad->Memory().ledFrames.commands);
    EXPECT_TRUE(std::equal(frame.begin(), frame.begin() + 33, pad->Memory().ledFrame.begin()));
  }
  channel.m_frameSendEnabled = 0;
  pad->ClearWireLog();
  SendMousePadLedFrame(channel, leds);
  EXPECT_TRUE(pad->Requests().empty());
}

TEST_F(MousePadEffectsTest, FillGrowsToAllFifteenAndShrinksPastNone) {
  struct Case {
    int step;
    uint8_t direction;
    unsigned lit;
  };
  // Counts by step: 1..15 up, 14 at step 16, 1 at 29, 0 at 30, -1 at 31, 0 at 32, 1 at 33.
  const Case cases[] = {{1, 0, Leds(0, 0)},  {15, 0, Leds(0, 14)}, {16, 0, Leds(0, 13)}, {29, 0, Leds(0, 0)},
                        {30, 0, 0},          {31, 0, 0},           {32, 0, 0},           {33, 0, Leds(0, 0)},
                        {1, 1, Leds(2, 14)}, {31, 1, Leds(0, 14)}, {15, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "step " << c.step << " direction " << int(c.direction));
    ResetMousePadEffectStates();
    for (int i = 0; i < c.step; ++i) StepMousePadFillEffect(Settings(MOUSEPAD_FILL, c.direction, 1), leds);
    EXPECT_EQ(c.lit, LitMask());
  }
  // Multicolour: a fixed rainbow along the LEDs, 7 wheel steps apart.
  for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
    if (leds[i].level) {
      EXPECT_TRUE(Shows(leds[i], COLOR_WHEEL[7 * i])) << i;
    }
  }
}

TEST_F(MousePadEffectsTest, TrailEntersAtColumnZeroSlidesRightAndPausesASecond) {
  std::vector<unsigned> lit;
  for (int step = 1; step <= 14; ++step) {
    EXPECT_EQ(0u, StepMousePadTrailEffect(Settings(MOUSEPAD_TRAIL, 1, 0), leds));
    lit.push_back(LitMask());
  }
  EXPECT_EQ(Leds(0, 4), lit[0]);   // column 0
  EXPECT_EQ(Leds(5, 14), lit[6]);  // columns 1..6
  EXPECT_EQ(0u, lit[13]);

  leds[3] = kUntouched;
  const unsigned before = LitMask();
  EXPECT_EQ(1000u, StepMousePadTrailEffect(Settings(MOUSEPAD_TRAIL, 1, 0), leds));  // step 15
  EXPECT_TRUE(Same(kUntouched, leds[3]));
  EXPECT_EQ(before, LitMask());

  // The way back enters at column 6.
  unsigned firstLit = 0;
  for (int step = 16; step <= 30 && !firstLit; ++step) {
    StepMousePadTrailEffect(Settings(MOUSEPAD_TRAIL, 1, 0), leds);
    firstLit = LitMask();
  }
  EXPECT_EQ(Leds(10, 14), firstLit);
}

TEST_F(MousePadEffectsTest, SweepShowsWheelColoursByColumnWhatever) {
  for (uint8_t multicolour : {0, 1}) {
    ResetLightingStates();
    StepMousePadSweepEffect(Settings(MOUSEPAD_SWEEP, 1, multicolour, {0, 0, 255}), leds);
    // Phase 1 after one forward step; 7 wheel steps per column.
    for (size_t row = 0; row < MOUSEPAD_GRID_ROWS; ++row)
      for (size_t column = 0; column < MOUSEPAD_GRID_COLUMNS; ++column) {
        const int32_t led = MOUSEPAD_LED_MAP[row][column];
        if (led == MOUSEPAD_NO_LED) continue;
        EXPECT_TRUE(Shows(leds[led], COLOR_WHEEL[1 + 7 * column])) << led;
        EXPECT_EQ(255, leds[led].level);
      }
  }
}

TEST_F(MousePadEffectsTest, OneRippleMarkRunsRoundAllFifteenLeds) {
  struct Case {
    uint8_t direction;
    std::vector<int> brightest;  // by step
  };
  const Case cases[] = {{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0}},
                        {1, {0, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.direction));
    ResetLightingStates();
    SeedMousePadRipple();
    std::vector<int> brightest;
    for (size_t step = 0; step < c.brightest.size(); ++step) {
      StepMousePadRippleEffect(Settings(MOUSEPAD_RIPPLE, c.direction, 0), leds);
      brightest.push_back(static_cast<int>(std::max_element(std::begin(leds), std::end(leds),
                                                            [](LedColor a, LedColor b) { return a.level < b.level; }) -
                                           std::begin(leds)));
    }
    EXPECT_EQ(c.brightest, brightest);
  }
}

TEST_F(MousePadEffectsTest, AMouseKeyLightsThePadForAbout100Ms) {
  const MousePadLiveSettings s = Settings(MOUSEPAD_REACTIVE, 0, 0, {0, 255, 0});
  StepMousePadReactiveEffect(s, leds, flashRequest);
  EXPECT_EQ(0u, LitMask());

  flashRequest = 1;
  StepMousePadReactiveEffect(s, leds, flashRequest);
  EXPECT_EQ(0, flashRequest.load());
  EXPECT_EQ(Leds(0, 14), LitMask());
  EXPECT_TRUE(Same(LedColor{0, 255, 0, 255}, leds[7]));
  CurrentClock().Sleep(60);
  StepMousePadReactiveEffect(s, leds, flashRequest);
  EXPECT_EQ(Leds(0, 14), LitMask());
  CurrentClock().Sleep(40);
  StepMousePadReactiveEffect(s, leds, flashRequest);  // 100 ms: the last lit step
  EXPECT_EQ(Leds(0, 14), LitMask());
  StepMousePadReactiveEffect(s, leds, flashRequest);
  EXPECT_EQ(0u, LitMask());

  // Multicolour: each press moves 14 wheel steps on.
  flashRequest = 1;
  StepMousePadReactiveEffect(Settings(MOUSEPAD_REACTIVE, 0, 1), leds, flashRequest);
  EXPECT_TRUE(Shows(leds[0], COLOR_WHEEL[28]));
}

TEST_F(MousePadEffectsTest, BreathingMovesThePaletteOnAtEachNewBreath) {
  struct Case {
    uint8_t phase, direction, palette, expected;
  };
  const Case cases[] = {{127, 1, 0, 1}, {127, 1, 2, 0}, {127, 1, 7, 0}, {0, 0, 1, 1}, {5, 1, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.phase) << " " << int(c.palette));
    MousePadLightState.phase = c.phase;
    MousePadLiveSettings live = Settings(MOUSEPAD_BREATHING, c.direction, 0);
    live.palette = c.palette;
    StepMousePadBreathingEffect(live, leds);
    EXPECT_EQ(c.expected, live.palette);
    EXPECT_EQ(255 * PULSE_CURVE[MousePadLightState.phase] >> 8, leds[14].level);
  }
}

TEST_F(MousePadEffectsTest, WaveAndSpectrumFollowThePhase) {
  StepMousePadWaveEffect(Settings(MOUSEPAD_WAVE, 1, 1), leds);
  for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
    EXPECT_TRUE(Shows(leds[i], COLOR_WHEEL[(1 + 7 * i) % 192])) << i;
    EXPECT_EQ(255, leds[i].level);
  }
  ResetLightingStates();
  StepMousePadWaveEffect(Settings(MOUSEPAD_WAVE, 1, 0), leds);
  // LED 0 at phase 1, its level at phase 11.
  EXPECT_EQ((255 * (WAVE_CURVE[1] + 1)) >> 8, leds[0].red);
  EXPECT_EQ(255 * WAVE_CURVE[11] >> 8, leds[0].level);
  EXPECT_EQ(255 * WAVE_CURVE[21] >> 8, leds[1].level);

  MousePadLightState.phase = 0;
  StepMousePadSpectrumEffect(Settings(MOUSEPAD_SPECTRUM, 0, 0), leds);
  for (const LedColor& led : leds) EXPECT_TRUE(Shows(led, COLOR_WHEEL[191]));
}

TEST_F(MousePadEffectsTest, ModesOutsideTheNineRunNothingAndOutOfRangeSpeedsAreBounded) {
  struct Case {
    uint8_t mode, speed;
    MousePadStep step;
    std::vector<DWORD> pauses;
  };
  const MousePadStep drawn = MousePadStep::Drawn, none = MousePadStep::NoEffect;
  const Case cases[] = {{MOUSEPAD_STATIC, 0, drawn, {}},   {MOUSEPAD_FILL, 2, drawn, {120}},
                        {MOUSEPAD_FILL, 200, drawn, {140}}, {MOUSEPAD_RIPPLE, 3, drawn, {50}},
                        {MOUSEPAD_TRAIL, 9, drawn, {70}},  {9, 0, none, {}},
                        {200, 0, none, {}}};
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.mode));
    FakeClock own;
    std::fill(std::begin(leds), std::end(leds), kUntouched);
    MousePadLiveSettings live = Settings(c.mode, 0, 0);
    live.speed = c.speed;
    EXPECT_EQ(c.step, StepMousePadEffect(live, leds, flashRequest, stop));
    EXPECT_EQ(c.pauses, own.Pauses());
    EXPECT_EQ(c.step == none, Same(kUntouched, leds[0]));
  }
  CloseHandle(stop);
}

TEST_F(MousePadEffectsTest, ALightingPassStepsAndSendsOnlyForAConnectedPadOutsideSynchronisedLighting) {
  struct Case {
    const char* what;
    bool connected, synced, stopped;
    uint8_t mode, speed;
    std::vector<DWORD> pauses;
    bool stepped;
    int frames;
  };
  const Case cases[] = {{"static", true, false, false, MOUSEPAD_STATIC, 2, {41}, true, 1},
                        {"fill at speed 0: its 9 ms is below the shortest step", true, false, false,
                         MOUSEPAD_FILL, 0, {kShortestEffectStepMs, 100}, true, 1},
                        {"mode 9", true, false, false, 9, 0, {kShortestEffectStepMs}, false, 1},
                        {"absent until the pass's wait ends with the pad's arrival", false, false, false,
                         MOUSEPAD_STATIC, 2, {41}, false, 0},
                        {"synchronised", true, true, false, MOUSEPAD_STATIC, 2, {41}, false, 0},
                        {"stopped", true, false, true, MOUSEPAD_STATIC, 2, {}, false, 0}};
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeClock own;
    std::fill(std::begin(leds), std::end(leds), kUntouched);
    MousePadLiveSettings live = Settings(c.mode, 0, 0);
    live.speed = c.speed;
    channel.m_connected = c.connected;
    channel.m_lightingSync = c.synced;
    if (c.stopped) {
      SetEvent(stop);
    } else {
      ResetEvent(stop);
    }
    int frames = 0;
    MousePadLightingTargets targets{channel, live, leds, flashRequest, [&] { ++frames; }};
    std::thread arriving([&] {
      Sleep(50);
      channel.m_connected = 1;
    });
    RunMousePadLightingPass(stop, targets);
    arriving.join();
    EXPECT_EQ(c.pauses, own.Pauses());
    EXPECT_EQ(c.stepped, !Same(kUntouched, leds[0]));
    EXPECT_EQ(c.frames, frames);
  }
  CloseHandle(stop);
}

// The lighting thread at speed 2 (a 41 ms step pause) ends within the pause that the stop met,
// however long that pause was to be, and sends no frame after it.
TEST_F(MousePadEffectsTest, AStopDuringAnyPauseEndsTheLightingThreadWithoutAnotherFrame) {
  struct Case {
    const char* what;
    uint8_t mode;
    DWORD stoppedPause;
    std::vector<DWORD> pausesBefore;
  };
  // The step pause also waits the millisecond of the loop's look at the stop event.
  const Case cases[] = {{"the step pause", MOUSEPAD_STATIC, 42, {}},
                        {"the fill's pause", MOUSEPAD_FILL, 120, {42}},
                        {"the trail's pause at the end of its run", MOUSEPAD_TRAIL, 1000, {42, 60}}};
  channel.m_connected = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    StopDuringPause stopping(stop, c.stoppedPause);
    ResetMousePadEffectStates();
    MousePadTrail = {1, 0, 14};  // the next trail step ends the run
    MousePadLiveSettings live = Settings(c.mode, 0, 0);
    live.speed = 2;
    int frames = 0;
    MousePadLightingTargets targets{channel, live, leds, flashRequest, [&] { ++frames; }};
    RunWorkerLoop(stop, 0, [&] {
      RunMousePadLightingPass(stop, targets);
      return WorkerPassResult::NextPass;
    }, L"ended");
    EXPECT_EQ(0, frames);
    EXPECT_EQ(c.pausesBefore, stopping.Pauses()) << "no time passed in the stopped pause";
    CloseHandle(stop);
  }
}

TEST_F(MousePadEffectsTest, TablesAndPanels) {
  for (uint8_t mode = 0; mode < 9; ++mode)
    for (uint8_t speed = 0; speed < 5; ++speed)
      EXPECT_EQ((std::array<int, 5>{9, 25, 41, 53, 65})[speed], MOUSEPAD_EFFECT_DELAY_TABLE[mode * 5 + speed]);
  EXPECT_EQ(9, MousePadEffectDelay(9, 0));  // the combo's mode 9 takes row 8
  EXPECT_EQ(65, MousePadEffectDelay(200, 7));

  std::multiset<int32_t> placed;
  for (const auto& row : MOUSEPAD_LED_MAP)
    for (int32_t led : row)
      if (led != MOUSEPAD_NO_LED) placed.insert(led);
  EXPECT_EQ(15u, placed.size());
  EXPECT_EQ(15u, std::set<int32_t>(placed.begin(), placed.end()).size());

  const auto states = [](const LightingPlanRow* row) {
    return std::vector<PanelState>{row->direction, row->colour, row->multicolour, row->speed, row->sameMode};
  };
  using P = PanelState;
  // Sweep: the direction panel, no colour panels.
  EXPECT_EQ((std::vector<P>{P::Enabled, P::Disabled, P::Disabled, P::Enabled, P::Disabled}),
            states(MousePadShownModePanels(6)));
  EXPECT_EQ((std::vector<P>{P::Disabled, P::Enabled, P::Enabled, P::Leave, P::Disabled}),
            states(MousePadPickedModePanels(9)));
  // The same-mode button only where a synchronised effect exists.
  for (int mode = 0; mode < 9; ++mode)
    EXPECT_EQ(mode < 4 ? P::Enabled : P::Disabled, MousePadShownModePanels(mode)->sameMode) << mode;
  EXPECT_EQ(nullptr, MousePadShownModePanels(9));
  EXPECT_EQ(nullptr, MousePadPickedModePanels(10));
  EXPECT_EQ(nullptr, MousePadPickedModePanels(-1));
}

}  // namespace
