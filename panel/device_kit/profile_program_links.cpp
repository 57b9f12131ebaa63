// The program links of a named profile list: at most one profile of a list per program, set with
// the link check box or the browse button, shown on Select, cleared by the cancel-link button.
// Every operation acts on the selected profile; without one it does nothing.
#include "ini_values.h"
#include "named_profile_list.h"

namespace {
const wchar_t* const kProgramTaken = L"message_text_13";
const wchar_t* const kUnlinkedPath = L" ";
// Program paths are read whole; a path longer than the usual buffer would never match.
constexpr DWORD kLongestPath = 32768;

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}
}  // namespace

void NamedProfileList::ToggleLink() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  if (!view_.IsLinkChecked()) {
    Unlink(selected, params_.linkRowShownWhenUnlinked);
    return;
  }
  const std::wstring program = ChooseProgram();
  if (program.empty()) {
    view_.SetLinkChecked(false, true);
    Unlink(selected, params_.linkRowShownWhenCancelled);
  } else if (ProgramTaken(program, selected)) {
    view_.ShowMessage(kProgramTaken);
    view_.SetLinkChecked(false, true);  // its notification unlinks the profile
  } else {
    LinkTo(selected, program);
  }
}

void NamedProfileList::BrowseLink() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  view_.SetBrowseEnabled(false);
  const std::wstring program = ChooseProgram();
  if (!program.empty()) {
    if (ProgramTaken(program, selected)) {
      view_.ShowMessage(kProgramTaken);
      view_.SetLinkChecked(false, true);
    } else {
      LinkTo(selected, program);
    }
  }
  view_.SetBrowseEnabled(true);
}

void NamedProfileList::CancelLink() {
  const int selected = view_.SelectedIndex();
  if (selected >= 0) Unlink(selected, true);
}

void NamedProfileList::ShowLinkOf(int index) {
  if (ReadIniNumber(IndexFile(), params_.linkFlagSection, std::to_wstring(index)) != 0) {
    view_.SetLinkText(FileNameOf(LinkEntry(params_.linkPathSection, index)));
    view_.SetLinkChecked(true, false);
    view_.SetLinkRowShown(true);
  } else if (view_.IsLinkChecked()) {
    // A box that was checked unlinks this profile too, as its toggle does; unchecked without its
    // notification, since the routes of a user's change of the box are not the user's here.
    view_.SetLinkChecked(false, false);
    Unlink(index, params_.linkRowShownWhenUnlinked);
  }
}

void NamedProfileList::Unlink(int index, bool rowShown) {
  view_.SetLinkChecked(false, true);
  view_.SetLinkText(kUnlinkedPath);
  view_.SetLinkRowShown(rowShown);
  const std::wstring key = std::to_wstring(index);
  WriteIniText(IndexFile(), params_.linkFlagSection, key, L"0");
  WriteIniText(IndexFile(), params_.linkPathSection, key, kUnlinkedPath);
}

std::wstring NamedProfileList::LinkEntry(const wchar_t* section, int index) const {
  return ReadIniText(IndexFile(), section, std::to_wstring(index), L"0", kLongestPath);
}

void NamedProfileList::LinkTo(int index, const std::wstring& program) {
  view_.SetLinkText(FileNameOf(program));
  const std::wstring key = std::to_wstring(index);
  WriteIniText(IndexFile(), params_.linkFlagSection, key, L"1");
  WriteIniText(IndexFile(), params_.linkPathSection, key, program);
  view_.SetLinkChecked(true, false);
  view_.SetLinkRowShown(true);
}

// Unless the list passes over it, the selected profile takes part: choosing again the program that
// it links unlinks it.
bool NamedProfileList::ProgramTaken(const std::wstring& program, int selected) {
  for (int i = 0; i < view_.Count(); ++i)
    if ((i != selected || !params_.duplicateTestSkipsSelected) && IsLinkedTo(IndexFile(), params_, i, program))
      return true;
  return false;
}

std::wstring NamedProfileList::ChooseProgram() { return view_.ChooseFile(true, L"exe", L"*.exe", L"(*.exe) | *.exe||"); }

bool IsLinkedTo(const std::wstring& indexFile, const NamedProfileListParams& params, int index,
                const std::wstring& program) {
  const std::wstring key = std::to_wstring(index);
  return ReadIniNumber(indexFile, params.linkFlagSection, key) == 1 &&
         SameTextIgnoringCase(ReadIniText(indexFile, params.linkPathSection, key, L"0", kLongestPath), program);
}
