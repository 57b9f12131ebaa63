#include "mouse_lighting_pass.h"

#include "diagnostics.h"
#include "lighting_tables.h"
#include "mouse_state.h"

namespace {
constexpr DWORD kFramePauseMs = 20;
}  // namespace

MouseLightingPass::MouseLightingPass(DeviceCommandChannel& channel, MouseLeds& leds, FrameSender sendFrame)
    : channel_(channel), leds_(leds), sendFrame_(std::move(sendFrame)) {}

WorkerPassResult MouseLightingPass::Run(HANDLE stopEvent) {
  constexpr auto next = WorkerPassResult::NextPass;
  const uint8_t mode = MouseLiveSettings[MOUSE_LIGHT_MODE];
  if (PauseBeforeEffectStep(stopEvent, EffectDelay(mode, MouseLiveSettings[MOUSE_LIGHT_SPEED]))) return next;
  if (!channel_.IsConnected()) {
    PauseUntilConnected(stopEvent, channel_.m_connected);
    return next;
  }
  if (!channel_.m_lightingSync) {
    if (const MouseEffect* effect = MouseEffectFor(mode)) {
      if (effect->pauseMs && PauseUnlessStopped(stopEvent, effect->pauseMs)) return next;
      effect->step(leds_);
    } else {
      DebugLine(L"\u9f20\u6807\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a2");  // "mouse lighting thread setting 2"
    }
  }
  if (PauseUnlessStopped(stopEvent, kFramePauseMs)) return next;
  if (sendFrame_) sendFrame_();
  return next;
}

void SendMouseFrame(DeviceCommandChannel& channel, const MouseLeds& leds, bool framesEnabled) {
  if (!framesEnabled) return;
  uint8_t frame[MOUSE_LED_FRAME_SIZE];
  BuildMouseLedFrame(leds, frame);
  channel.SendLedFrame(frame, sizeof frame);
}
