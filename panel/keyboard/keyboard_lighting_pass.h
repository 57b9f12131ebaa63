#pragma once
// One pass of the keyboard lighting thread: the mode's pause, then, while the keyboard is
// connected and not synchronised, one step of its effect; the one-colour steps' level frames go
// out from here. Pauses are waits on the stop event through the clock seam.
#include <windows.h>

#include <functional>

#include "device_command_channel.h"
#include "keyboard_effect_context.h"
#include "stop_protocol.h"

class KeyboardLightingPass {
 public:
  // Receives the previews that a step painted itself (called on the lighting thread).
  using PreviewSink = std::function<void(const KeyboardKeyPreviews& previews)>;

  KeyboardLightingPass(DeviceCommandChannel& channel, KeyboardState& keyboard, LedColor* leds, PreviewSink previews);
  WorkerPassResult Run(HANDLE stopEvent);

 private:
  DeviceCommandChannel& channel_;
  KeyboardEffectContext context_;
  PreviewSink previews_;
};
