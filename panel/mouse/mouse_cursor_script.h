#pragma once
// The four cursor scripts of the mouse data folder (ending in a backslash): "name_1.cur" to
// "name_4.cur", laid out as macro files. Step a (0..29) owns entries 6a..6a+5; the page edits the
// last three: the step's delay, its horizontal move and its vertical move.
#include <optional>
#include <string>

constexpr int MOUSE_CURSOR_SLOTS = 4;
constexpr int CURSOR_SCRIPT_STEPS = 30;
constexpr int CURSOR_SCRIPT_ENTRIES_PER_STEP = 6;
constexpr int CURSOR_SCRIPT_MOST_ENTRIES = CURSOR_SCRIPT_STEPS * CURSOR_SCRIPT_ENTRIES_PER_STEP;
constexpr int CURSOR_STEP_MOST_DELAY_MS = 65535;
constexpr int CURSOR_STEP_MOST_AMOUNT = 255;

// "name_<slot + 1>": the script's index name and the stem of its file.
std::wstring MouseCursorScriptName(int slot);
std::wstring MouseCursorScriptFile(const std::wstring& folder, int slot);
// The index's cursor-script entries: count 4, names "name_1" to "name_4".
void WriteMouseCursorScriptNames(const std::wstring& folder);

struct CursorMove {
  int amount = 0;
  bool leftOrUp = false;
};
// What a step's editor shows; an entry that is missing or does not parse leaves its controls as
// they are. The moves are told by their own type, not their place.
struct CursorStepView {
  std::optional<int> delayMs;
  std::optional<CursorMove> horizontal;
  std::optional<CursorMove> vertical;
};
CursorStepView LoadCursorStep(const std::wstring& scriptFile, int step);

// Writes the step's three entries from the editor. The delay is stored in 10 ms units (the unit
// digit dropped) with the delay entry's other fields kept; values are clamped to their ranges.
void SaveCursorStep(const std::wstring& scriptFile, int step, int delayMs, const CursorMove& horizontal,
                    const CursorMove& vertical);

// Import: a file with a count outside 0..180 is refused and the slot's file kept.
bool ImportCursorScript(const std::wstring& chosenFile, const std::wstring& folder, int slot);
bool ExportCursorScript(const std::wstring& folder, int slot, const std::wstring& chosenFile);
// The factory file of the slot, from the program's folder, over the user's.
bool ResetCursorScript(const std::wstring& programFolder, const std::wstring& folder, int slot);
