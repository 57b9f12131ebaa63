#pragma once
// One pass of the mouse pad's lighting thread: the table's pause, then, while the pad is connected
// and not in synchronised lighting, the mode's step and one frame.
#include <windows.h>

#include <atomic>
#include <functional>

#include "device_command_channel.h"
#include "mousepad_effects.h"

struct MousePadLightingTargets {
  DeviceCommandChannel& channel;  // its connected and lighting-sync flags
  MousePadLiveSettings& live;
  MousePadLeds& leds;
  std::atomic<int>& flashRequest;
  std::function<void()> sendFrame;  // previews and the frame
};

// Every pause, the effect's own included, is a wait on `stopEvent`; a stop ends the pass at once,
// and no frame is sent after it. A mode without an effect still sends the unchanged records.
void RunMousePadLightingPass(HANDLE stopEvent, MousePadLightingTargets& targets);
