#include "sync_lighting.h"

#include "lighting_helpers.h"

namespace {

constexpr uint8_t WAVE_COLUMN_HUE_STEP = 7;     // multicolour: wheel steps between columns
constexpr uint8_t WAVE_COLUMN_CURVE_STEP = 10;  // one colour: curve steps between columns
constexpr uint8_t BREATH_WHEEL_OFFSET = 25;     // multicolour breath shows wheel 25..152

bool Synced(const SyncLightTarget& target) {
  return target.leds != nullptr && target.isSynced != nullptr && target.isSynced(target.channel);
}

LedColor Record(RgbColor colour, uint8_t level) {
  return {colour.red, colour.green, colour.blue, level};
}

RgbColor SetColour(const SyncLightSettings& settings) {
  return {settings.red, settings.green, settings.blue};
}

void FillRecords(const SyncLightTarget& target, size_t count, LedColor record) {
  if (!Synced(target)) return;
  for (size_t i = 0; i < count; ++i) target.leds[i] = record;
}

// The same record on every LED of every synchronised device.
void FillAllDevices(const SyncLightTargets& targets, LedColor record) {
  FillRecords(targets.keyboard, KEYBOARD_LED_COUNT, record);
  FillRecords(targets.mouse, MOUSE_LED_COUNT, record);
  FillRecords(targets.mousePad, MOUSEPAD_LED_COUNT, record);
}

// One column of the key grid; the mouse's groups and the pad's LEDs follow the first columns.
void WriteWaveColumn(const SyncLightTargets& targets, size_t column, LedColor record) {
  if (Synced(targets.keyboard)) {
    for (size_t row = 0; row < KEY_GRID_ROWS; ++row) {
      const uint8_t key = KEYBOARD_KEY_GRID[column * KEY_GRID_ROWS + row];
      if (key != NO_KEY) targets.keyboard.leds[key] = record;
    }
  }
  if (column < MOUSE_LED_GROUP_COUNT && Synced(targets.mouse)) {
    for (uint8_t led : MOUSE_LED_GROUPS[column]) targets.mouse.leds[led] = record;
  }
  if (column < MOUSEPAD_LED_COUNT && Synced(targets.mousePad)) {
    targets.mousePad.leds[column] = record;
  }
}

uint8_t Advance(uint8_t position, uint8_t step, uint8_t length) {
  const unsigned next = position + step;
  return static_cast<uint8_t>(next >= length ? next - length : next);
}

}  // namespace

void StepSyncWaveEffect(SyncLightSettings settings, const SyncLightTargets& targets) {
  const uint8_t brightness = BrightnessLevel(settings.brightness);
  if (settings.multicolour) {
    uint8_t hue = StepSyncLightPhase(settings.direction, COLOR_WHEEL_STEPS);
    for (size_t column = 0; column < KEY_GRID_COLUMNS; ++column) {
      const RgbColor colour = COLOR_WHEEL[hue];
      hue = Advance(hue, WAVE_COLUMN_HUE_STEP, COLOR_WHEEL_STEPS);
      WriteWaveColumn(targets, column, Record(colour, brightness));
    }
    return;
  }
  const RgbColor colour = SetColour(settings);
  uint8_t position = StepSyncLightPhase(settings.direction, WAVE_CURVE.size());
  for (size_t column = 0; column < KEY_GRID_COLUMNS; ++column) {
    position = Advance(position, WAVE_COLUMN_CURVE_STEP, WAVE_CURVE.size());
    const uint8_t level = static_cast<uint8_t>(brightness * WAVE_CURVE[position] >> 8);
    WriteWaveColumn(targets, column, Record(colour, level));
  }
}

void StepSyncSpectrumEffect(SyncLightSettings settings, const SyncLightTargets& targets) {
  const uint8_t hue = StepSyncLightPhase(settings.direction, COLOR_WHEEL_STEPS);
  FillAllDevices(targets, Record(COLOR_WHEEL[hue], BrightnessLevel(settings.brightness)));
}

void StepSyncBreathingEffect(SyncLightSettings settings, const SyncLightTargets& targets) {
  const uint8_t phase = StepSyncLightPhase(settings.direction, PULSE_CURVE.size());
  const RgbColor colour =
      settings.multicolour ? COLOR_WHEEL[phase + BREATH_WHEEL_OFFSET] : SetColour(settings);
  const uint8_t level =
      static_cast<uint8_t>(BrightnessLevel(settings.brightness) * PULSE_CURVE[phase] >> 8);
  FillAllDevices(targets, Record(colour, level));
}

void StepSyncStaticEffect(SyncLightSettings settings, const SyncLightTargets& targets) {
  FillAllDevices(targets, Record(SetColour(settings), BrightnessLevel(settings.brightness)));
}

bool StepSyncLightEffect(SyncLightSettings settings, const SyncLightTargets& targets) {
  switch (settings.effect) {
    case SYNC_LIGHT_WAVE: StepSyncWaveEffect(settings, targets); return true;
    case SYNC_LIGHT_SPECTRUM: StepSyncSpectrumEffect(settings, targets); return true;
    case SYNC_LIGHT_BREATHING: StepSyncBreathingEffect(settings, targets); return true;
    case SYNC_LIGHT_STATIC: StepSyncStaticEffect(settings, targets); return true;
    default: return false;
  }
}
