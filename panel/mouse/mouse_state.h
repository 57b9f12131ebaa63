#pragma once
// The mouse page's process-wide state records.
#include <atomic>
#include <cstdint>

// The state of the mouse macro recording, process-wide. The select-changed handling starts and
// stops a recording and ends it when key capture ends (on whichever thread selected the option);
// the mouse page's recorders measure each pause from lastTick and move it on.
struct MouseMacroRecorderState {
  std::atomic<int32_t> recording{0};
  std::atomic<uint32_t> lastTick{0};
};

inline MouseMacroRecorderState MouseMacroRecorder;
