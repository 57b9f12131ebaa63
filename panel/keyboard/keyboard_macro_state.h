#pragma once
// The keyboard macro page's state that outlives the page's calls. Window thread only, but for the
// recording flag, which the select-changed handling clears on whichever thread selected.
#include "macro_recorder.h"

// The keyboard macro recording: its flag, the tick of the last event and the last key and mouse
// message, which survive from one recording to the next.
inline MacroRecorder KeyboardMacroRecorder;
// 0 while a rename runs, so that a second rename asked for meanwhile does nothing.
inline int KeyboardMacroRenameIdle = 1;
