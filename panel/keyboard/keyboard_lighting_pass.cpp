#include "keyboard_lighting_pass.h"

#include "keyboard_effects.h"
#include "keyboard_light_settings.h"
#include "lighting_tables.h"

namespace {
constexpr DWORD kStepPauseMs = 30;
}  // namespace

KeyboardLightingPass::KeyboardLightingPass(DeviceCommandChannel& channel, KeyboardState& keyboard, LedColor* leds,
                                           PreviewSink previews)
    : channel_(channel), context_(keyboard, leds), previews_(std::move(previews)) {}

WorkerPassResult KeyboardLightingPass::Run(HANDLE stopEvent) {
  constexpr auto next = WorkerPassResult::NextPass;
  const KeyboardLightView view(context_.keyboard);
  // The mode's delay and the step pause follow each other: one wait.
  if (PauseBeforeEffectStep(stopEvent, EffectDelay(view.Mode(), view.Speed()), kStepPauseMs)) return next;
  if (!channel_.IsConnected()) {
    PauseUntilConnected(stopEvent, channel_.m_connected);
    return next;
  }
  if (!channel_.m_lightingSync) {
    const KeyboardEffectEntry entry = KeyboardEffectFor(context_.keyboard.model, view.Mode());
    if (entry.step && !(entry.pauseMs && PauseUnlessStopped(stopEvent, entry.pauseMs)) && channel_.IsConnected()) {
      context_.BeginStep();
      entry.step(context_);
      if (previews_) previews_(context_.previews);
      if (context_.frameLength) channel_.SendLedFrame(context_.levelFrame.data(), context_.frameLength);
    }
  }
  EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + 1);
  return next;
}
