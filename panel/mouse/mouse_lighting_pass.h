#pragma once
// One pass of the mouse lighting thread: the mode's pause; while the mouse is connected and not
// synchronised, one step of its effect; then the frame, also while synchronised (the records then
// hold the synchronised effect). Pauses are waits on the stop event through the clock seam.
#include <windows.h>

#include <functional>

#include "device_command_channel.h"
#include "mouse_light_effects.h"
#include "stop_protocol.h"

class MouseLightingPass {
 public:
  // Sends the frame of the records (the window's frame sender, with its previews).
  using FrameSender = std::function<void()>;

  MouseLightingPass(DeviceCommandChannel& channel, MouseLeds& leds, FrameSender sendFrame);
  WorkerPassResult Run(HANDLE stopEvent);

 private:
  DeviceCommandChannel& channel_;
  MouseLeds& leds_;
  FrameSender sendFrame_;
};

// The frame of the records to the mouse, when frames are enabled (the result is ignored: the next
// frame replaces a failed one).
void SendMouseFrame(DeviceCommandChannel& channel, const MouseLeds& leds, bool framesEnabled);
