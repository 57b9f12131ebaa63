// The macro page's action rows: building them, moving and deleting them, the action editor and the
// insertion of mouse actions.
#include <cwchar>

#include "control_lookup.h"
#include "macro_page.h"
#include "macro_row_editor.h"

namespace {
constexpr int kRowHeight = 30;
constexpr UINT kCentred = DT_VCENTER;
constexpr int kKindCell = 0, kStateCell = 1, kDelayCell = 2;

CControlUI* Cell(CControlUI* row, int index) {
  auto* container = dynamic_cast<CContainerUI*>(row);
  return container ? container->GetItemAt(index) : nullptr;
}

void SetCell(CControlUI* row, int index, const wchar_t* style, const std::wstring* text) {
  CControlUI* cell = Cell(row, index);
  if (!cell) return;
  if (style) cell->SetAttribute(L"style", style);
  if (text) cell->SetText(text->c_str());
}

void SelectItemOf(CComboUI* combo, int item) {
  if (combo && item >= 0) combo->SelectItem(item);
}
}  // namespace

CListContainerElementUI* MacroPage::NewRow() {
  auto* row = new CListContainerElementUI;
  row->SetName(c_.actionRowName);
  row->SetChildVAlign(kCentred);
  row->SetFixedHeight(kRowHeight);
  for (int cell = 0; cell < 3; ++cell) row->Add(new CLabelUI);
  return row;
}

void MacroPage::FillRow(CControlUI* row, const MacroAction& action) {
  const MacroRowCells cells = RowCellsOf(action);
  SetCell(row, kDelayCell, MACRO_LABEL_TEXT_STYLE, nullptr);
  SetCell(row, kKindCell, cells.kindStyle, &cells.kindText);
  // A press state shows through its style alone.
  SetCell(row, kStateCell, cells.stateStyle, action.ShowsAmount() ? &cells.stateText : nullptr);
  SetCell(row, kDelayCell, nullptr, &cells.delayText);
}

CControlUI* MacroPage::AddRow(const MacroAction& action, int index) {
  CListUI* actions = Actions();
  return actions ? AddRow(*actions, action, index) : nullptr;
}

// For many rows at once the list is looked up by the caller once: each look-up after a row was
// added walks the whole window again.
CControlUI* MacroPage::AddRow(CListUI& actions, const MacroAction& action, int index) {
  CListContainerElementUI* row = NewRow();
  if (index < 0) actions.Add(row);
  else actions.AddAt(row, index);
  FillRow(row, action);
  row->SetUserData(FormatMacroAction(action).c_str());
  return row;
}

std::vector<std::wstring> MacroPage::RowRecords() {
  std::vector<std::wstring> records;
  if (CListUI* actions = Actions())
    for (int i = 0; i < actions->GetCount(); ++i) records.push_back(actions->GetItemAt(i)->GetUserData().str());
  return records;
}

// The selected row and its record; null when no row is selected or its record is not valid.
CControlUI* MacroPage::SelectedRow(MacroAction& action) {
  CListUI* actions = Actions();
  if (!actions || actions->GetCurSel() < 0) return nullptr;
  CControlUI* row = actions->GetItemAt(actions->GetCurSel());
  const std::optional<MacroAction> parsed = row ? ParseMacroAction(row->GetUserData().str()) : std::nullopt;
  if (!parsed) return nullptr;
  action = *parsed;
  return row;
}

void MacroPage::Rewrite(CControlUI* row, const MacroAction& action) {
  row->SetUserData(FormatMacroAction(action).c_str());
}

void MacroPage::MoveRow(Move move) {
  CListUI* actions = Actions();
  if (!actions) return;
  const int selected = actions->GetCurSel();
  const int last = actions->GetCount() - 1;
  if (selected < 0) return;
  const bool towardsTop = move == Move::Up || move == Move::ToTop;
  if ((towardsTop && selected == 0) || (!towardsTop && selected == last)) return;
  const int target = move == Move::Up ? selected - 1 : move == Move::Down ? selected + 1 : move == Move::ToTop ? 0 : last;
  const std::wstring record = actions->GetItemAt(selected)->GetUserData().str();
  actions->RemoveAt(selected);
  AddRow(ParseMacroAction(record).value_or(MacroAction{}), target);
  actions->SelectItem(target);
}

void MacroPage::DeleteRow() {
  CListUI* actions = Actions();
  if (actions && actions->GetCurSel() >= 0) actions->RemoveAt(actions->GetCurSel());
}

void MacroPage::DeleteAllRows() {
  if (CListUI* actions = Actions()) {
    actions->RemoveAll();
    actions->SelectItem(-1);
  }
}

bool MacroPage::RowSelected() {
  MacroAction action;
  return SelectedRow(action) != nullptr;
}

void MacroPage::OpenRow() {
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  if (!row) return;
  const MacroEditorView view = OpenMacroAction(action);
  ShowEditorPage(view.page);
  const std::wstring delay = std::to_wstring(view.delayUnits);
  if (view.page == MACRO_EDITOR_KEY_PAGE) {
    SelectItemOf(Find<CComboUI>(c_.keyCombo), view.keyItem);
    SelectItemOf(Find<CComboUI>(c_.upDownCombo), view.upDownItem);
    if (CControlUI* edit = Find(c_.keyDelayEdit)) edit->SetText(delay.c_str());
    return;
  }
  SelectItemOf(Find<CComboUI>(c_.mouseCombo), view.mouseItem);
  if (view.amount)
    if (CControlUI* edit = Find(c_.amountEdit)) edit->SetText(std::to_wstring(*view.amount).c_str());
  if (CControlUI* edit = Find(c_.mouseDelayEdit)) edit->SetText(delay.c_str());
}

void MacroPage::ChooseKey() {
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  auto* combo = Find<CComboUI>(c_.keyCombo);
  if (!row || !combo) return;
  ChooseMacroKey(action, combo->GetCurSel());
  SetCell(row, kKindCell, nullptr, &action.label);
  Rewrite(row, action);
}

void MacroPage::ChooseMouseEvent() {
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  auto* combo = Find<CComboUI>(c_.mouseCombo);
  if (!row || !combo) return;
  const bool movement = ChooseMacroMouseEvent(action, combo->GetCurSel());
  SetCell(row, kKindCell, nullptr, &action.label);
  SetShown(c_.amountPanel, movement);
  const std::wstring amount = std::to_wstring(action.code);
  if (movement) SetCell(row, kStateCell, MACRO_LABEL_TEXT_STYLE, &amount);
  else SetCell(row, kStateCell, PressStateStyle(action.down != 0), nullptr);
  Rewrite(row, action);
  const std::wstring delay = std::to_wstring(action.DelayMs());
  SetCell(row, kDelayCell, nullptr, &delay);
  if (movement)
    if (CControlUI* edit = Find(c_.amountEdit)) edit->SetText(amount.c_str());
}

void MacroPage::ChoosePressState() {
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  auto* combo = Find<CComboUI>(c_.upDownCombo);
  if (!row || !combo) return;
  ChooseMacroPressState(action, combo->GetCurSel());
  SetCell(row, kStateCell, PressStateStyle(action.down != 0), nullptr);
  Rewrite(row, action);
}

int MacroPage::EditNumber(const wchar_t* edit, int upperBound) {
  CControlUI* control = Find(edit);
  if (!control) return 0;
  const long value = wcstol(control->GetText().GetData(), nullptr, 10);
  return static_cast<int>(value > upperBound ? upperBound : value);
}

// The edit has been clamped by the text-changed handling.
void MacroPage::DelayEdited(const wchar_t* edit) {
  const int units = EditNumber(edit, MACRO_MOST_DELAY_UNITS);
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  if (!row) return;
  action.SetDelayUnits(units);
  const std::wstring delay = std::to_wstring(action.DelayMs());
  SetCell(row, kDelayCell, nullptr, &delay);
  Rewrite(row, action);
}

void MacroPage::AmountEdited() {
  const int amount = EditNumber(c_.amountEdit, 255);
  MacroAction action;
  CControlUI* row = SelectedRow(action);
  if (!row) return;
  action.code = static_cast<uint8_t>(amount);
  const std::wstring text = std::to_wstring(amount);
  SetCell(row, kStateCell, MACRO_LABEL_TEXT_STYLE, &text);
  Rewrite(row, action);
}

void MacroPage::SelectInsertTab(int tab, bool show) {
  for (const wchar_t* name : c_.insertTabs) SetShown(name, false);
  if (show && tab >= 0 && tab < static_cast<int>(c_.insertTabs.size())) SetShown(c_.insertTabs[tab], true);
}

void MacroPage::ShowInsertPanel(bool shown) {
  SetShown(c_.insertPanel, shown);
  SetShown(c_.namePanel, !shown);
}

void MacroPage::InsertMouseAction(UINT message, int parameter) {
  int amount = 0;
  if (message == WM_MOUSEMOVE && parameter >= 0 && parameter < static_cast<int>(c_.movementEdits.size()))
    if (CControlUI* edit = Find(c_.movementEdits[parameter]))
      amount = static_cast<int>(wcstol(edit->GetText().GetData(), nullptr, 10));
  const MacroAction action = InsertedMouseAction(message, parameter, amount);
  CListUI* actions = Actions();
  if (!actions || MacroCount() == 0 || SelectedMacro() < 0) return;
  const int count = actions->GetCount();
  int selected = actions->GetCurSel() < 0 ? 0 : actions->GetCurSel();
  SetShown(c_.saveOrCancel, true);
  const int index = MacroInsertionIndex(count, actions->GetCurSel(), c_.insertsBeforeSelection);
  actions->SelectItem(-1);
  AddRow(action, index);
  // The row that was selected stays selected, wherever the new one went.
  if (count > 0 && index <= selected) ++selected;
  actions->SelectItem(selected, true);
  actions->LineDown();
}
