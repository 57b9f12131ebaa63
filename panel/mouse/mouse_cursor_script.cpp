#include "mouse_cursor_script.h"

#include <windows.h>

#include <algorithm>

#include "ini_values.h"
#include "macro_action.h"
#include "macro_files.h"
#include "macro_store_edits.h"

namespace {
constexpr int kDelayEntry = 3;
constexpr int kHorizontalEntry = 4;
constexpr int kVerticalEntry = 5;
constexpr uint8_t kLeftOrUp = MACRO_ACTION_PRESS;

std::wstring EntryKey(int step, int entry) { return std::to_wstring(CURSOR_SCRIPT_ENTRIES_PER_STEP * step + entry); }

std::optional<MacroAction> ReadEntry(const std::wstring& file, int step, int entry) {
  return ParseMacroAction(ReadIniText(file, L"MACROACTION", EntryKey(step, entry)));
}

void WriteEntry(const std::wstring& file, int step, int entry, const MacroAction& action) {
  WriteIniText(file, L"MACROACTION", EntryKey(step, entry), FormatMacroAction(action));
}

MacroAction MoveAction(MacroActionType kind, const CursorMove& move, const wchar_t* leftOrUpLabel,
                       const wchar_t* otherLabel) {
  MacroAction action;
  action.type = static_cast<uint8_t>(kind | (move.leftOrUp ? kLeftOrUp : 0));
  action.code = static_cast<uint8_t>(std::clamp(move.amount, 0, CURSOR_STEP_MOST_AMOUNT));
  action.down = move.leftOrUp ? 1 : 0;
  action.label = move.leftOrUp ? leftOrUpLabel : otherLabel;
  return action;
}

void ShowMove(CursorStepView& view, const MacroAction& action) {
  const CursorMove move{action.code, (action.type & kLeftOrUp) != 0};
  if (action.Kind() == MACRO_ACTION_MOVE_X) view.horizontal = move;
  if (action.Kind() == MACRO_ACTION_MOVE_Y) view.vertical = move;
}

bool IsStep(int step) { return step >= 0 && step < CURSOR_SCRIPT_STEPS; }
bool IsSlot(int slot) { return slot >= 0 && slot < MOUSE_CURSOR_SLOTS; }
}  // namespace

std::wstring MouseCursorScriptName(int slot) { return L"name_" + std::to_wstring(slot + 1); }

std::wstring MouseCursorScriptFile(const std::wstring& folder, int slot) {
  return folder + MouseCursorScriptName(slot) + L".cur";
}

void WriteMouseCursorScriptNames(const std::wstring& folder) {
  const std::wstring index = folder + L"msMacro.ini";
  WriteIniNumber(index, L"CURSORCOUNT", L"count", MOUSE_CURSOR_SLOTS);
  for (int slot = 0; slot < MOUSE_CURSOR_SLOTS; ++slot)
    WriteIniText(index, L"CURSORNAME", std::to_wstring(slot), MouseCursorScriptName(slot));
}

CursorStepView LoadCursorStep(const std::wstring& scriptFile, int step) {
  CursorStepView view;
  if (!IsStep(step)) return view;
  if (const auto delay = ReadEntry(scriptFile, step, kDelayEntry)) view.delayMs = delay->DelayMs();
  for (int entry : {kHorizontalEntry, kVerticalEntry})
    if (const auto move = ReadEntry(scriptFile, step, entry)) ShowMove(view, *move);
  return view;
}

void SaveCursorStep(const std::wstring& scriptFile, int step, int delayMs, const CursorMove& horizontal,
                    const CursorMove& vertical) {
  if (!IsStep(step)) return;
  MacroAction delay = ReadEntry(scriptFile, step, kDelayEntry).value_or(MacroAction{});
  delay.SetDelayUnits(std::clamp(delayMs, 0, CURSOR_STEP_MOST_DELAY_MS) / 10);
  WriteEntry(scriptFile, step, kDelayEntry, delay);
  WriteEntry(scriptFile, step, kHorizontalEntry,
             MoveAction(MACRO_ACTION_MOVE_X, horizontal, L"mouse_move_to_left_text", L"mouse_move_to_right_text"));
  WriteEntry(scriptFile, step, kVerticalEntry,
             MoveAction(MACRO_ACTION_MOVE_Y, vertical, L"mouse_move_to_up_text", L"mouse_move_to_down_text"));
}

bool ImportCursorScript(const std::wstring& chosenFile, const std::wstring& folder, int slot) {
  if (!IsSlot(slot)) return false;
  const int count = ReadMacroActionCount(chosenFile);
  if (count < 0 || count > CURSOR_SCRIPT_MOST_ENTRIES) return false;
  return CopyMacroFileBytes(chosenFile, MouseCursorScriptFile(folder, slot));
}

bool ExportCursorScript(const std::wstring& folder, int slot, const std::wstring& chosenFile) {
  return IsSlot(slot) && CopyMacroFileBytes(MouseCursorScriptFile(folder, slot), chosenFile);
}

bool ResetCursorScript(const std::wstring& programFolder, const std::wstring& folder, int slot) {
  if (!IsSlot(slot)) return false;
  const std::wstring name = MouseCursorScriptName(slot) + L".cur";
  return CopyFileW((programFolder + name).c_str(), (folder + name).c_str(), FALSE) != 0;
}
