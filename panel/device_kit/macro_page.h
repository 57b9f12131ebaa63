#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "macro_action.h"
#include "macro_key_repair.h"
#include "macro_recorder.h"
#include "ui/ui.h"

// The macro page of a device, written once: the name list and its store, the action rows, the
// recorder and the action editor. Each device gives its control names and files in a
// MacroPageControls record and keeps a MacroPageState; its page methods make a MacroPage for each
// call.

struct MacroPageControls {
  const wchar_t* indexFileName;  // in the device's data folder
  const wchar_t* nameList;
  const wchar_t* actionList;
  const wchar_t* actionRowName;
  const wchar_t* saveOrCancel;   // visible exactly while an edit is pending
  const wchar_t* editorPages;    // 0 none, 1 key editor, 2 mouse editor
  const wchar_t* nameEdit;
  const wchar_t* namePanel;    // the names and their buttons, or
  const wchar_t* insertPanel;  // the mouse actions to insert
  const wchar_t* deleteMacroButton;
  const wchar_t* functionCombo;  // the key page's macro choice
  const wchar_t* keyCombo;
  const wchar_t* upDownCombo;
  const wchar_t* keyDelayEdit;
  const wchar_t* mouseCombo;
  const wchar_t* amountPanel;
  const wchar_t* amountEdit;
  const wchar_t* mouseDelayEdit;
  const wchar_t* recordButton;
  const wchar_t* saveButton;
  const wchar_t* fixedPauseOption;
  const wchar_t* keyboardOption;
  const wchar_t* clickOption;
  std::vector<const wchar_t*> mouseOptions;  // any of them hooks the mouse
  std::vector<const wchar_t*> rowButtons;    // locked while recording
  std::vector<const wchar_t*> macroControls; // disabled while there is no macro
  std::vector<const wchar_t*> insertTabs;
  std::vector<const wchar_t*> movementEdits;  // left, right, up, down
  int recordHookMode;
  bool insertsBeforeSelection;  // else after it
  // Recorded button presses become plain text rows of this name, which the action editor does
  // not open; null: they take the common row form.
  const wchar_t* recordedButtonRowName;
  bool storesOwnName;  // a macro file also names its macro
  // Run after the index file is written anew, for the device's other entries in it.
  void (*indexRewritten)(const std::wstring& folder);
};

// The device's own recorder and rename flag (1 while no rename runs), which it keeps under their
// own names.
struct MacroPageState {
  MacroPageState(MacroRecorder& pageRecorder, int& pageRenameIdle)
      : recorder(pageRecorder), renameIdle(pageRenameIdle) {}
  MacroRecorder& recorder;
  int& renameIdle;
  void Reset() {
    recorder.Reset();
    renameIdle = 1;
  }
};

// The language text of a text id, through the page's hidden label "str_test".
std::wstring ResolvedLanguageText(const CPaintManagerUI& manager, const wchar_t* id);

// The capture hook as the window sets it: mode, enable, keyboard, mouse.
using MacroHookSwitch = std::function<bool(int, bool, bool, bool)>;

class MacroPage {
 public:
  MacroPage(CPaintManagerUI& manager, const MacroPageControls& controls, MacroPageState& state, HWND owner,
            std::wstring folder)
      : pm_(manager), c_(controls), state_(state), owner_(owner), folder_(std::move(folder)) {}

  // Start-up: the rows emptied, the names listed in the name list and the function combo, the last
  // shown; without macros the macro controls disabled.
  void Init();
  // The key editor's choice: the first 105 rows of the key list.
  void FillKeyChooser();
  void ShowSelected();
  void LockNameList(bool locked);
  // Null when the add was refused.
  bool Add();
  // The key tables are repaired only once every question is answered; false when nothing changed.
  bool Delete(const MacroKeyTables& keys);
  // True when the rename ran (the keys are to be relabelled).
  bool Rename();
  void Save();
  void Cancel();
  enum class Move { Up, Down, ToTop, ToBottom };
  void MoveRow(Move move);
  void DeleteRow();
  void DeleteAllRows();
  void Import();
  void Export();

  void ToggleRecording(const MacroHookSwitch& setHook);
  void RecordKeyEvent(UINT message, const KBDLLHOOKSTRUCT& event);
  void RecordMouseEvent(UINT message);

  // An action row is selected that the editor can open.
  bool RowSelected();
  // The editor shows the selected row; the device locks the name list first.
  void OpenRow();
  void ChooseKey();
  void ChooseMouseEvent();
  void ChoosePressState();
  void DelayEdited(const wchar_t* edit);
  void AmountEdited();
  void SelectInsertTab(int tab, bool show);
  void ShowInsertPanel(bool shown);
  void InsertMouseAction(UINT message, int parameter);

  int MacroCount();
  int SelectedMacro();

 private:
  template <class T = CControlUI>
  T* Find(const wchar_t* name) const;
  CListUI* Names() const;
  CListUI* Actions() const;
  bool EditPending() const;
  bool RefusedWhilePending();
  std::wstring IndexFile() const { return folder_ + c_.indexFileName; }
  std::vector<std::wstring> ListedNames();
  void EnableMacroControls(bool enabled);
  void SetEnabled(const wchar_t* name, bool enabled);
  void SetShown(const wchar_t* name, bool shown);
  void ShowEditorPage(int page);
  void EndEdit();
  bool LoadRows(const std::wstring& name);
  bool MoveRowsToRenamedFile(const std::wstring& oldFile, const std::wstring& newFile);

  // Rows of the action list.
  CListContainerElementUI* NewRow();
  void FillRow(CControlUI* row, const MacroAction& action);
  CControlUI* AddRow(const MacroAction& action, int index);
  CControlUI* AddRow(CListUI& actions, const MacroAction& action, int index);
  std::vector<std::wstring> RowRecords();
  CControlUI* SelectedRow(MacroAction& action);
  void Rewrite(CControlUI* row, const MacroAction& action);
  void AppendRecordedAction(const MacroAction& action);
  CControlUI* AddRecordedButtonRow(MacroAction action);
  void GivePause(CControlUI* row, uint32_t pauseMs);
  int EditNumber(const wchar_t* edit, int upperBound);

  CPaintManagerUI& pm_;
  const MacroPageControls& c_;
  MacroPageState& state_;
  HWND owner_;
  std::wstring folder_;
};
