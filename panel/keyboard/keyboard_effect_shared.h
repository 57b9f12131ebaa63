#pragma once
// Pieces that the RGB and the one-colour keyboard effects share. They work on the process-wide
// keyboard effect state (lighting_state.h); every index they take from it is bounded.
#include <array>
#include <cstdint>

// x * y >> 8 in 16 bits.
inline uint8_t ScaleByte(uint8_t x, uint8_t y) { return static_cast<uint8_t>(static_cast<uint16_t>(x * y) >> 8); }

// Adds step to a phase that wraps at limit.
inline uint8_t AdvanceWrapped(uint8_t value, uint8_t step, uint8_t limit) {
  const unsigned next = value + step;
  return static_cast<uint8_t>(next >= limit ? next - limit : next);
}

// A key lit at full fade; in multicolour it takes the next colour of the counter (+ 11).
void LightKeyboardFlashKey(uint8_t key, bool multicolour);
// Every key marked in any grid plane (rows 0..5) lit as above.
void FlashKeyboardPlaneKeys(bool multicolour);
// One step of the sequence show's five stages (stage byte and phase byte of the keyboard state).
void StepKeyboardSequenceStages(bool multicolour);
// Three more keys of the shuffled order lit, at the given twinkle position (one per model).
void LightKeyboardTwinkleKeys(uint8_t& position);
// The next key of a fill order lit (position in the synchronised phase byte; past 105 it restarts).
void LightKeyboardFillKey(const uint8_t* order, size_t orderLength);

// The twinkle positions of the three models; never cleared while the panel runs.
extern uint8_t KeyboardTwinklePositions[3];
