#pragma once
struct MacroPageState;

// The mouse macro page's recorder (MouseMacroRecorder) and rename state.
MacroPageState& MouseMacroPageState();
