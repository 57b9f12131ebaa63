#include "mousepad_lighting_pass.h"

#include "mousepad_lighting_tables.h"
#include "stop_protocol.h"

void RunMousePadLightingPass(HANDLE stopEvent, MousePadLightingTargets& targets) {
  const MousePadLiveSettings settings = targets.live;
  if (PauseBeforeEffectStep(stopEvent, MousePadEffectDelay(settings.mode, settings.speed))) return;
  if (!targets.channel.IsConnected()) {
    PauseUntilConnected(stopEvent, targets.channel.m_connected);
    return;
  }
  // The synchronised-lighting thread drives the pad meanwhile.
  if (targets.channel.m_lightingSync) return;
  if (StepMousePadEffect(targets.live, targets.leds, targets.flashRequest, stopEvent) == MousePadStep::Stopped) return;
  targets.sendFrame();
}
