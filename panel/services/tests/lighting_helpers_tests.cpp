#include "lighting_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

using Cell = std::pair<int, int>;  // column, row

TEST(LightPhase, CountersWrapAndComeBackIntoRange) {
  struct Counter {
    const char* name;
    uint8_t (*step)(uint8_t, uint8_t);
    uint8_t* phase;
  } counters[] = {
      {"keyboard", StepKeyboardLightPhase, &KeyboardLightState.phase},
      {"mouse", StepMouseLightPhase, &MouseLightState.phase},
      {"mouse pad", StepMousePadLightPhase, &MousePadLightState.phase},
      {"sync", StepSyncLightPhase, &SyncLightState.phase},
  };
  struct Case {
    int forward, count, from, to;
  } cases[] = {
      {1, 96, 95, 0}, {0, 96, 0, 95},  {1, 96, 150, 0},  {0, 96, 150, 95},
      {1, 96, 5, 6},  {0, 192, 10, 9}, {1, 192, 255, 0}, {2, 128, 126, 127},
  };
  for (const Counter& counter : counters) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << counter.name << " forward " << c.forward << " count "
                                      << c.count << " from " << c.from);
      *counter.phase = c.from;
      EXPECT_EQ(c.to, counter.step(c.forward, c.count));
      EXPECT_EQ(c.to, *counter.phase);
    }
  }
}

TEST(LightPhase, HeadsetCountersMoveByThree) {
  struct Counter {
    uint8_t (*step)(uint8_t, uint8_t);
    uint8_t* phase;
  } counters[] = {{StepHeadsetLightPhase, &HeadsetLightState.phase},
                  {StepHeadsetK27LightPhase, &HeadsetK27LightState.phase}};
  struct Case {
    int forward, limit, from, to;
  } cases[] = {{0, 192, 1, 189}, {1, 192, 190, 1}, {1, 192, 0, 3}, {0, 192, 5, 2}, {0, 192, 3, 0}};
  for (const Counter& counter : counters) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "forward " << c.forward << " from " << c.from);
      *counter.phase = c.from;
      EXPECT_EQ(c.to, counter.step(c.forward, c.limit));
      EXPECT_EQ(c.to, *counter.phase);
    }
  }
}

TEST(LightPhase, StepLightPhaseTouchesNoState) {
  struct Case {
    int forward, limit, value, step, next;
  } cases[] = {
      {1, 96, 50, 10, 60}, {1, 192, 190, 7, 0}, {1, 255, 250, 10, 0},  // no byte wrap forward
      {0, 96, 20, 10, 10}, {0, 96, 5, 10, 86},  {0, 96, 10, 10, 0},
  };
  SyncLightState.phase = 77;
  for (const Case& c : cases) {
    EXPECT_EQ(c.next, StepLightPhase(c.forward, c.limit, c.value, c.step))
        << c.forward << " " << c.value << " by " << c.step;
  }
  EXPECT_EQ(77, SyncLightState.phase);
}

TEST(LightColorScale, KeyboardUsesTheFactorOthersOneMore) {
  struct Scaler {
    const char* name;
    void (*scale)(uint16_t);
    LightPhaseState* state;
    bool keyboard;
  } scalers[] = {
      {"keyboard", ScaleKeyboardLightColor, &KeyboardLightState, true},
      {"sync", ScaleSyncLightColor, &SyncLightState, false},
      {"mouse", ScaleMouseLightColor, &MouseLightState, false},
      {"mouse pad", ScaleMousePadLightColor, &MousePadLightState, false},
      {"headset", ScaleHeadsetLightColor, &HeadsetLightState, false},
      {"K27 headset", ScaleHeadsetK27LightColor, &HeadsetK27LightState, false},
  };
  struct Case {
    int factor;
    int keyboard[3], other[3];
  } cases[] = {
      {255, {254, 99, 0}, {255, 100, 0}},
      {127, {126, 49, 0}, {127, 50, 0}},
      {0, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Scaler& s : scalers) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << s.name << " factor " << c.factor);
      *s.state = {9, 255, 100, 0};
      s.scale(c.factor);
      const int* expected = s.keyboard ? c.keyboard : c.other;
      EXPECT_EQ(expected[0], s.state->scratchRed);
      EXPECT_EQ(expected[1], s.state->scratchGreen);
      EXPECT_EQ(expected[2], s.state->scratchBlue);
      EXPECT_EQ(9, s.state->phase);
    }
  }
}

struct Fader {
  const char* name;
  void (*fade)(uint8_t, uint8_t);
  LightEffectState* state;
};
const Fader KEYBOARD_FADER{"keyboard", FadeKeyboardKey, &KeyboardLightState};
const Fader MOUSE_FADER{"mouse", FadeMouseLed, &MouseLightState};
const Fader MOUSEPAD_FADER{"mouse pad", FadeMousePadLed, &MousePadLightState};

std::vector<int> FadeFrom(const Fader& fader, uint8_t mode, int level, size_t steps) {
  fader.state->fade[3] = level;
  std::vector<int> seen;
  for (size_t i = 0; i < steps; ++i) {
    fader.fade(3, mode);
    seen.push_back(fader.state->fade[3]);
  }
  return seen;
}

TEST(LightFade, FullRunsFrom255) {
  EXPECT_EQ((std::vector<int>{215, 175, 135, 95, 65, 35, 25, 17, 9, 5, 0, 0}),
            FadeFrom(KEYBOARD_FADER, 5, 255, 12));
  EXPECT_EQ((std::vector<int>{225, 195, 165, 135, 105, 85, 65, 45, 35, 25, 20, 15, 11, 7, 0, 0}),
            FadeFrom(KEYBOARD_FADER, 0, 255, 16));
  EXPECT_EQ((std::vector<int>{215, 175, 135, 95, 65, 35, 25, 17, 9, 5, 1, 0, 0}),
            FadeFrom(MOUSE_FADER, 5, 255, 13));
}

TEST(LightFade, OneStepPerRule) {
  const int levels[] = {255, 128, 127, 64, 63, 32, 31, 17, 16, 9, 8, 3, 1, 0};
  struct Case {
    const Fader* fader;
    int mode;
    int next[14];
  } cases[] = {
      {&KEYBOARD_FADER, 5, {215, 88, 97, 34, 53, 22, 23, 9, 12, 5, 0, 0, 0, 0}},
      {&KEYBOARD_FADER, 2, {225, 98, 107, 44, 53, 22, 26, 12, 12, 5, 0, 0, 0, 0}},
      {&MOUSE_FADER, 5, {215, 88, 97, 34, 53, 22, 23, 9, 12, 5, 4, 0, 0, 0}},
      {&MOUSE_FADER, 0, {240, 113, 117, 54, 56, 25, 28, 14, 15, 8, 7, 2, 0, 0}},
      {&MOUSEPAD_FADER, 5, {215, 88, 97, 34, 43, 12, 26, 12, 11, 4, 7, 2, 0, 0}},
      {&MOUSEPAD_FADER, 6, {240, 113, 117, 54, 56, 25, 28, 14, 15, 8, 7, 2, 0, 0}},
  };
  for (const Case& c : cases) {
    for (size_t i = 0; i < 14; ++i) {
      SCOPED_TRACE(testing::Message()
                   << c.fader->name << " mode " << c.mode << " level " << levels[i]);
      EXPECT_EQ((std::vector<int>{c.next[i]}), FadeFrom(*c.fader, c.mode, levels[i], 1));
    }
  }
}

TEST(LightFade, LedPastTheTableIsIgnored) {
  const LightEffectState before = MouseLightState;
  FadeMouseLed(126, 5);
  FadeMouseLed(255, 0);
  EXPECT_EQ(0, std::memcmp(&before, &MouseLightState, sizeof before));
}

TEST(LightRing, RotatesItsOwnLengthOnly) {
  struct Case {
    void (*rotate)(uint8_t);
    LightEffectState* state;
    size_t length;
  } cases[] = {{RotateMouseLightRing, &MouseLightState, 23},
               {RotateMousePadLightRing, &MousePadLightState, 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    uint8_t* ring = c.state->planes[3];
    for (size_t i = 0; i < 23; ++i) ring[i] = static_cast<uint8_t>(i + 1);
    c.rotate(1);
    EXPECT_EQ(c.length, ring[0]);
    EXPECT_EQ(1, ring[1]);
    EXPECT_EQ(c.length - 1, ring[c.length - 1]);
    for (size_t i = c.length; i < 23; ++i) EXPECT_EQ(i + 1, ring[i]);
    c.rotate(0);
    c.rotate(0);
    EXPECT_EQ(2, ring[0]);
    EXPECT_EQ(1, ring[c.length - 1]);
    for (size_t i = c.length; i < 23; ++i) EXPECT_EQ(i + 1, ring[i]);
  }
}

class KeyboardGrid : public testing::Test {
 protected:
  void SetUp() override { ClearKeyboardLightState(); }

  // The drawable cells marked in any plane.
  static std::set<Cell> MarkedCells() {
    std::set<Cell> cells;
    for (int c = 0; c < 23; ++c) {
      for (int r = 0; r < 6; ++r) {
        for (const uint8_t* plane : KeyboardLightState.planes) {
          if (plane[c] & (1 << r)) cells.insert({c, r});
        }
      }
    }
    return cells;
  }

  static std::set<Cell> CellsAtDistance(Cell from, int distance) {
    std::set<Cell> cells;
    for (int c = 0; c < 23; ++c) {
      for (int r = 0; r < 6; ++r) {
        if (std::abs(c - from.first) + std::abs(r - from.second) == distance) cells.insert({c, r});
      }
    }
    return cells;
  }
};

TEST_F(KeyboardGrid, MarkedKeySpreadsAsARing) {
  struct Case {
    int key;
    Cell cell;
  } cases[] = {{52, {11, 2}}, {84, {0, 4}}, {118, {22, 4}}, {0, {2, 0}}, {105, {0, 5}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ClearKeyboardLightState();
    MarkKeyboardGridKey(c.key);
    EXPECT_EQ((std::set<Cell>{c.cell}), MarkedCells());
    for (int distance = 1; distance <= 4; ++distance) {
      SpreadKeyboardGridPlanes();
      EXPECT_EQ(CellsAtDistance(c.cell, distance), MarkedCells()) << "after " << distance;
    }
  }
}

TEST_F(KeyboardGrid, KeysOutsideTheGridMarkNothing) {
  for (int key : {16, 62, 126, 127, 255}) {
    MarkKeyboardGridKey(key);
    EXPECT_TRUE(MarkedCells().empty()) << key;
  }
}

TEST_F(KeyboardGrid, RenderWritesMarkedKeysAndClearsOrKeepsTheRest) {
  MarkKeyboardGridKey(52);
  SpreadKeyboardGridPlanes();
  KeyboardLightState.fade[0] = 77;   // in the grid, not marked
  KeyboardLightState.fade[16] = 66;  // no key: never touched
  RenderKeyboardGridPlanes(200, 1);
  EXPECT_EQ(77, KeyboardLightState.fade[0]);
  RenderKeyboardGridPlanes(200, 0);
  std::set<int> lit;
  for (int key = 0; key < 126; ++key) {
    if (KeyboardLightState.fade[key] == 200) lit.insert(key);
  }
  EXPECT_EQ((std::set<int>{51, 53, 31, 73}), lit);  // cells (10,2), (12,2), (11,1), (11,3)
  EXPECT_EQ(0, KeyboardLightState.fade[0]);
  EXPECT_EQ(0, KeyboardLightState.fade[52]);
  EXPECT_EQ(66, KeyboardLightState.fade[16]);
}

TEST(KeyboardLedLookup, KeysMapThroughTheOrders) {
  struct Case {
    int key, led;
  } cases[] = {{55, 55},  {0, 0},    {15, 15},   {119, 119},
               {16, 126}, {62, 126}, {126, 126}, {255, 126}};
  for (const Case& c : cases) EXPECT_EQ(c.led, LookupKeyboardLed(c.key)) << c.key;
  for (int key = 0; key < 126; ++key) {
    const int led = LookupKeyboardLed(key);
    EXPECT_TRUE(led == key || led == 126) << key;
  }
}

TEST(LightStateClear, ZeroesTheStateButKeepsColoursAndSharedBytes) {
  struct Case {
    void (*clear)();
    LightEffectState* state;
    int stageAfter;
  } cases[] = {{ClearKeyboardLightState, &KeyboardLightState, 0},
               {ClearMouseLightState, &MouseLightState, 0x5A},
               {ClearMousePadLightState, &MousePadLightState, 0x5A}};
  for (const Case& c : cases) {
    std::memset(c.state, 0x5A, sizeof *c.state);
    EffectColorCounter = 33;
    KeyboardOneColorPhases[4] = 44;
    c.clear();
    const uint8_t zero[KEYBOARD_LED_COUNT] = {};
    EXPECT_EQ(0, c.state->phase);
    EXPECT_EQ(0, std::memcmp(zero, c.state->steps, sizeof c.state->steps));
    EXPECT_EQ(0, std::memcmp(zero, c.state->fade, sizeof c.state->fade));
    EXPECT_EQ(0, std::memcmp(zero, c.state->planes, sizeof c.state->planes));
    EXPECT_EQ(c.stageAfter, c.state->stage);
    EXPECT_EQ(0x5A, c.state->scratchRed);
    EXPECT_EQ(0x5A, c.state->scratchBlue);
    EXPECT_EQ(33, EffectColorCounter);
    EXPECT_EQ(44, KeyboardOneColorPhases[4]);
  }
}

TEST(LightBuffer, ZeroesExactlyCountBytes) {
  uint8_t buffer[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ZeroLightBuffer(buffer, 5);
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 6, 7, 8}), std::vector<int>(buffer, buffer + 8));
}

}  // namespace
