#pragma once
// The mouse macro page's state that outlives the page's calls.
#include <array>
#include <cstdint>

#include "macro_recorder.h"

// The mouse macro recording, process-wide. The select-changed handling starts and stops it and
// ends it with key capture, on a selection of the user's only; the mouse page's recorders measure
// each pause from its lastTick and move it on.
inline MacroRecorder MouseMacroRecorder;
// The recorder's repeat filters under their own names: the key pressed and not yet released, and
// the last recorded button message.
inline uint32_t& MouseMacroLastDownKey = MouseMacroRecorder.lastKey;
inline uint32_t& MouseMacroLastButtonMessage = MouseMacroRecorder.lastMouseMessage;
// 0 while a rename runs: a second rename asked for while its message box is open only relabels.
inline int MouseMacroRenameGuard = 1;
// The macro page's five insert tabs (left, middle, right, forward, back): 1 while closed, so that
// the tab's next click opens it. Window thread only.
inline std::array<int, 5> MouseMacroInsertTabClosed{1, 1, 1, 1, 1};
