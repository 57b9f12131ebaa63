// The RGB frame, the frame timer's sending rule and the lighting pass, against a simulated
// keyboard on the fake clock: ticks and passes are called, no time is waited.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "fake_clock.h"
#include "keyboard_effects.h"
#include "keyboard_led_frame.h"
#include "keyboard_light_settings.h"
#include "keyboard_lighting_pass.h"
#include "keyboard_test_fixture.h"
#include "lighting_helpers.h"
#include "simulated_firmware.h"

namespace {

struct FrameCase {
  int model;
  uint8_t key;
  int led;  // -1: no bytes in the frame
};

TEST(KeyboardLedFrame, EachRgbModelUsesItsOwnMapAndTheOneColorModelTheRgb2Map) {
  const FrameCase cases[] = {
      {KEYBOARD_MODEL_RGB, 55, 55},     {KEYBOARD_MODEL_RGB, 80, -1},     {KEYBOARD_MODEL_RGB2, 55, 75},
      {KEYBOARD_MODEL_RGB2, 80, 85},    {KEYBOARD_MODEL_ONECOLOR, 55, 75}, {KEYBOARD_MODEL_RGB, 0, 0},
      {KEYBOARD_MODEL_RGB2, 125, -1},
  };
  for (const FrameCase& c : cases) {
    LedColor leds[KEYBOARD_LED_COUNT] = {};
    leds[c.key] = {200, 100, 255, 128};
    uint8_t frame[KEYBOARD_RGB_FRAME_SIZE];
    BuildKeyboardLedFrame(c.model, leds, frame);
    const int lit = static_cast<int>(std::count_if(std::begin(frame), std::end(frame), [](uint8_t b) { return b; }));
    if (c.led < 0) {
      EXPECT_EQ(lit, 0) << c.model << " " << int(c.key);
      continue;
    }
    EXPECT_EQ(lit, 3);
    EXPECT_EQ(frame[3 * c.led], 100) << c.model << " " << int(c.key);
    EXPECT_EQ(frame[3 * c.led + 1], 50);
    EXPECT_EQ(frame[3 * c.led + 2], 127);
  }
}

struct PassFixture : KeyboardFixture {
  FakeClock clock;
  LedColor leds[KEYBOARD_LED_COUNT] = {};
  uint8_t frame[KEYBOARD_RGB_FRAME_SIZE] = {};
  KeyboardFrameGate gate;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  int previewCalls = 0;
  KeyboardLightingPass pass{channel, state, leds, [this](const KeyboardKeyPreviews&) { ++previewCalls; }};

  PassFixture() { ResetLightingStates(); }
  ~PassFixture() override { CloseHandle(stop); }

  static int Count(const SimulatedDevice& device, int command) {
    const auto shapes = Shapes(device);
    return static_cast<int>(std::count_if(shapes.begin(), shapes.end(), [command](const std::array<int, 3>& s) {
      return s[0] == command && s[2] == 0;
    }));
  }
  static unsigned Frames(const SimulatedDevice& device, size_t length) {
    return FramesOfLength(device.Memory(), length).count;
  }
};

TEST_F(PassFixture, TheFirstTickSendsNothingAndEveryLaterOneAFrame) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_RGB);
  gate.Tick(channel, 0, true, frame);
  EXPECT_EQ(Frames(*keyboard, 378), 0u);
  gate.Tick(channel, 0, true, frame);
  gate.Tick(channel, 0, true, frame);
  EXPECT_EQ(Frames(*keyboard, 378), 2u);
  EXPECT_EQ(Count(*keyboard, DEVICE_COMMAND_HARDWARE_LIGHTING), 0);
}

TEST_F(PassFixture, DeviceRunModesSendTheHardwareCommandAfter50MsAndNoFrame) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_RGB2);
  gate.Tick(channel, 13, true, frame);
  gate.Tick(channel, 13, true, frame);
  gate.Tick(channel, 14, false, frame);
  EXPECT_EQ(Count(*keyboard, DEVICE_COMMAND_HARDWARE_LIGHTING), 2) << "also while frames are off";
  EXPECT_EQ(Count(*keyboard, DEVICE_COMMAND_LED_FRAME), 0);
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{50, 50}));
}

TEST_F(PassFixture, FramesOffSendNothing) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_RGB);
  for (int i = 0; i < 3; ++i) gate.Tick(channel, 0, false, frame);
  EXPECT_TRUE(keyboard->Requests().empty());
}

TEST_F(PassFixture, APassStepsTheLiveModeAfterItsPausesAndAdvancesTheCounter) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_RGB);
  state.model = KEYBOARD_MODEL_RGB;
  state.KeyboardLiveSettings[KB_LIGHT_MODE] = 5;  // ripple: 40 ms before the step
  state.KeyboardLiveSettings[KB_LIGHT_SPEED] = 2;
  state.KeyboardLiveSettings[KB_LIGHT_LEVEL] = 4;
  state.KeyboardLiveSettings[KB_LIGHT_RED] = 255;
  SeedKeyboardRipplePlanes();
  const uint8_t counter = EffectColorCounter;
  pass.Run(stop);
  pass.Run(stop);
  EXPECT_EQ(EffectColorCounter, static_cast<uint8_t>(counter + 2));
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{30 + 30, 40, 30 + 30, 40}))
      << "the mode's delay and the step pause in one wait";
  EXPECT_NE(leds[109].level, 0);
  EXPECT_TRUE(keyboard->Requests().empty()) << "RGB steps send nothing themselves";
}

TEST_F(PassFixture, WhileSynchronisedNoStepRunsButTheCounterAdvances) {
  Connect(SIMULATED_KEYBOARD_RGB);
  state.KeyboardLiveSettings[KB_LIGHT_MODE] = 3;
  state.KeyboardLiveSettings[KB_LIGHT_LEVEL] = 4;
  channel.m_lightingSync = 1;
  const uint8_t counter = EffectColorCounter;
  pass.Run(stop);
  EXPECT_EQ(leds[0].level, 0);
  EXPECT_EQ(EffectColorCounter, static_cast<uint8_t>(counter + 1));
}

// Without a keyboard a pass pauses its step, then waits, without a timed pause, for the keyboard
// (or the stop); the pass that waited steps nothing.
TEST_F(PassFixture, WithoutAKeyboardAPassPausesThenWaitsForIt) {
  state.KeyboardLiveSettings[KB_LIGHT_MODE] = 200;  // from a hostile file: the delay row is bounded
  state.KeyboardLiveSettings[KB_LIGHT_SPEED] = 200;
  const uint8_t counter = EffectColorCounter;
  std::thread plugging([this] {
    Sleep(50);
    Connect(SIMULATED_KEYBOARD_RGB);
  });
  pass.Run(stop);
  plugging.join();
  EXPECT_EQ(EffectColorCounter, counter);
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{EffectDelay(18, 4) + 30}));
}

TEST_F(PassFixture, TheOneColorModelSendsItsLevelFramesFromThePass) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_ONECOLOR);
  state.model = KEYBOARD_MODEL_ONECOLOR;
  state.KeyboardLiveSettings[KB_LIGHT_LEVEL] = 4;
  state.KeyboardLiveSettings[KB_LIGHT_MODE] = 2;
  pass.Run(stop);
  state.KeyboardLiveSettings[KB_LIGHT_MODE] = 10;
  pass.Run(stop);
  EXPECT_EQ(Frames(*keyboard, 126), 1u);
  EXPECT_EQ(Frames(*keyboard, 108), 1u);
  EXPECT_EQ(FramesOfLength(keyboard->Memory(), 126).last[0], 255);
  EXPECT_EQ(previewCalls, 2);
  gate.Tick(channel, 2, true, frame);
  gate.Tick(channel, 2, true, frame);
  EXPECT_EQ(Frames(*keyboard, 378), 1u) << "the timer's RGB frame still goes out";
}

}  // namespace
