#include "keyboard_light_plans.h"

#include <iterator>

#include "keyboard_effects.h"
#include "keyboard_state.h"

namespace {
constexpr PanelState E = PanelState::Enabled;
constexpr PanelState D = PanelState::Disabled;
constexpr PanelState H = PanelState::Hidden;

constexpr const wchar_t* FXL = L"Deng_FXL_text";
constexpr const wchar_t* FXR = L"Deng_FXR_text";
constexpr const wchar_t* FXJ = L"Deng_FXJ_text";
constexpr const wchar_t* FXK = L"Deng_FXK_text";

constexpr uint8_t kScrollMode = 15;  // seeded on model 0 only

// Columns: direction, colour, multicolour, speed, same-mode check, labels; seed.
const KeyboardModePlan kRgbPlans[] = {
    {{E, E, E, E, E, FXL, FXR}, nullptr},                                      // 0 wave
    {{D, D, D, E, E, FXL, FXR}, nullptr},                                      // 1 spectrum
    {{D, E, E, E, E, FXL, FXR}, nullptr},                                      // 2 breathing
    {{D, E, D, D, E, FXL, FXR}, nullptr},                                      // 3 static
    {{D, D, D, E, D, FXL, FXR}, SeedKeyboardKeyPhases},                        // 4 key rainbow
    {{D, E, E, E, D, FXL, FXR}, SeedKeyboardRipplePlanes},                     // 5 ripple
    {{D, E, E, E, D, FXL, FXR}, nullptr},                                      // 6 sequence
    {{E, E, E, E, D, FXL, FXR}, nullptr},                                      // 7 path
    {{H, E, H, D, D, nullptr, nullptr}, nullptr},                              // 8 custom
    {{D, E, E, E, D, FXL, FXR}, nullptr},                                      // 9 twinkle
    {{E, D, D, E, D, L"Deng_FXU_text", L"Deng_FXD_text"}, nullptr},            // 10 row band
    {{D, E, E, E, D, FXL, FXR}, SeedKeyboardColumnPhases},                     // 11 key cycle
    {{D, E, E, E, D, FXL, FXR}, nullptr},                                      // 12 random fill
    {{H, E, E, E, D, nullptr, nullptr}, nullptr},                              // 13 device mode 6
    {{D, E, E, E, D, FXL, FXR}, nullptr},                                      // 14 device mode 7
    {{E, D, D, E, D, FXJ, FXK}, SeedKeyboardScrollPlanes},                     // 15 plane scroll
    {{E, E, E, E, D, FXL, FXR}, nullptr},                                      // 16
    {{E, D, D, E, D, FXJ, FXK}, nullptr},                                      // 17 spiral
    {{D, E, E, E, D, FXL, FXR}, SeedKeyboardScrollPlanes},                     // 18 plane scroll
};

// The one-colour page never enables its colour and multicolour panels.
const KeyboardModePlan kOneColorPlans[] = {
    {{E, D, D, E, D, FXL, FXR}, nullptr},                                          // 0 wave
    {{D, D, D, E, E, nullptr, nullptr}, nullptr},                                  // 1 breathing
    {{D, D, D, E, D, nullptr, nullptr}, nullptr},                                  // 2 static
    {{D, D, D, D, E, nullptr, nullptr}, SeedKeyboardRipplePlanes},                 // 3 ripple
    {{D, D, D, E, D, nullptr, nullptr}, SeedKeyboardKeyPhases},                    // 4 sequence
    {{D, D, D, E, D, nullptr, nullptr}, SeedKeyboardRipplePlanes},                 // 5 path
    {{H, D, D, D, D, nullptr, nullptr}, nullptr},                                  // 6 custom
    {{E, D, D, E, D, FXL, FXR}, nullptr},                                          // 7 twinkle
    {{D, D, D, E, D, nullptr, nullptr}, SeedKeyboardOneColorPhases},               // 8 key cycle
    {{D, D, D, E, D, nullptr, nullptr}, SeedKeyboardOneColorGradient},             // 9 key cycle
    {{E, D, D, E, D, L"Deng_FXUP_text", L"Deng_FXDOWN_text"}, nullptr},            // 10 random fill
    {{D, D, D, E, D, nullptr, nullptr}, SeedKeyboardOneColorPhases},               // 11
    {{D, D, D, E, D, nullptr, nullptr}, nullptr},                                  // 12
    {{E, D, D, E, D, L"Deng_FXSPEAD_text", L"Deng_FXGATHER_text"}, nullptr},       // 13
    {{E, D, D, E, D, FXL, FXR}, nullptr},                                          // 14
    {{D, D, D, E, D, FXL, FXR}, SeedKeyboardOneColorGradient},                     // 15
    {{D, D, D, E, D, FXL, FXR}, SeedKeyboardOneColorGradient},                     // 16
};
}  // namespace

const KeyboardModePlan* KeyboardModePlanFor(int model, uint8_t mode) {
  if (model == KEYBOARD_MODEL_ONECOLOR) return mode < std::size(kOneColorPlans) ? &kOneColorPlans[mode] : nullptr;
  return mode < std::size(kRgbPlans) ? &kRgbPlans[mode] : nullptr;
}

void SeedKeyboardMode(int model, uint8_t mode) {
  if (model == KEYBOARD_MODEL_RGB2 && mode == kScrollMode) return;
  const KeyboardModePlan* plan = KeyboardModePlanFor(model, mode);
  if (plan && plan->seed) plan->seed();
}
