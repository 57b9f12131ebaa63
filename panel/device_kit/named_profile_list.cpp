#include "named_profile_list.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "diagnostics.h"
#include "file_name_check.h"
#include "foreground_profile_watcher.h"
#include "ini_values.h"
#include "profile_store.h"

namespace {
const wchar_t* const kFileMissing = L"message_text_8";
const wchar_t* const kNotAProfile = L"message_text_9";
const wchar_t* const kLastProfile = L"message_text_11";
const wchar_t* const kConfirmDelete = L"message_text_12";
const wchar_t* const kNameRefused = L"message_text_14";
const wchar_t* const kNameTaken = L"message_text_15";
constexpr int kConfirmed = 1;

// A missing entry stays missing at its new index.
void MoveEntry(const std::wstring& indexFile, const wchar_t* section, int from, int to) {
  const std::wstring value = ReadIniText(indexFile, section, std::to_wstring(from), L"");
  WritePrivateProfileStringW(section, std::to_wstring(to).c_str(), value.empty() ? nullptr : value.c_str(),
                             indexFile.c_str());
}

bool HasLength(const std::wstring& path, unsigned long long length, bool& exists) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  exists = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) != FALSE;
  return exists && ((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) == length;
}
}  // namespace

ProfilePayloadFormat BinaryProfilePayloads(size_t payloadSize, int kind) {
  ProfilePayloadFormat format;
  format.read = [payloadSize, kind](const std::wstring& path, bool exactLength, std::vector<uint8_t>& payload) {
    bool exists = true;
    if (exactLength && !HasLength(path, sizeof(ProfileFileHeader) + payloadSize, exists)) return exists ? -1 : 1;
    std::vector<uint8_t> buffer(payloadSize, 0);
    const int result = ReadProfileFile(path, buffer.data(), buffer.size(), kind);
    if (result == 0) payload = std::move(buffer);
    return result;
  };
  format.write = [payloadSize, kind](const std::wstring& path, const std::vector<uint8_t>& payload) {
    return payload.size() == payloadSize && WriteProfileFile(path, payload.data(), payload.size(), kind) == 0;
  };
  return format;
}

bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

int SavedProfileIndex(const std::wstring& indexFile, const wchar_t* selectionSection, int count) {
  const int saved = ReadIniNumber(indexFile, selectionSection, L"select");
  return saved >= 0 && saved < count ? saved : 0;
}

int ReadListedProfile(const NamedProfileListParams& params, const std::wstring& folder, int index,
                      std::vector<uint8_t>& payload) {
  const std::wstring name = ReadIniText(folder + params.indexFile, params.nameSection, std::to_wstring(index));
  return params.format.read(FileInFolder(folder, name, params.extension), false, payload);
}

std::wstring NamedProfileList::ProfileFile(const std::wstring& name) const {
  return FileInFolder(folder_, name, params_.extension);
}

NamedProfileList::NamedProfileList(const NamedProfileListParams& params, const NamedProfileListHooks& hooks,
                                   std::wstring folder, ProfileListView& view)
    : params_(params), hooks_(hooks), folder_(std::move(folder)), view_(view) {}

void NamedProfileList::Add() { AddFromFactory(); }

// False when the factory payload could not be read: the new item and its entries stay, without a file.
bool NamedProfileList::AddFromFactory() {
  int number = 1;
  while (ItemWithText(params_.newNamePrefix + std::to_wstring(number)) >= 0) ++number;
  const std::wstring name = params_.newNamePrefix + std::to_wstring(number);
  view_.AppendItem(name, ProfileListView::ItemOrigin::Added);
  const int count = view_.Count();
  WriteNewEntries(count, name, ProfileListView::ItemOrigin::Added);
  DeleteFileW(ProfileFile(name).c_str());
  std::vector<uint8_t> payload;
  if (!ReadFactoryPayload(payload)) return false;
  if (hooks_.takeNewPayload) hooks_.takeNewPayload(payload);
  params_.format.write(ProfileFile(name), payload);
  view_.SelectIndex(count - 1);
  return true;
}

void NamedProfileList::Delete() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  if (view_.Count() == 1) {
    view_.ShowMessage(kLastProfile);
    return;
  }
  if (view_.ShowMessage(kConfirmDelete) != kConfirmed) return;
  DeleteFileW(ProfileFile(view_.ItemName(selected)).c_str());
  DeleteCompanionFileOf(selected);
  view_.RemoveItem(selected);
  MoveEntriesAfterRemoval(selected);
  view_.SetLinkChecked(false, false);
  view_.SelectIndex(view_.Count() - 1);
}

void NamedProfileList::Copy() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  const std::wstring source = view_.ItemName(selected);
  std::wstring name = source + L" copy";
  for (int i = 0; i < view_.Count();) {
    if (SameTextIgnoringCase(view_.ItemName(i), name)) {
      name += params_.repeatedCopySuffix;
      DebugLine(name);
      i = 0;
    } else {
      ++i;
    }
  }
  // A stored name may be one that a file name cannot hold; its copy is refused like a rename.
  if (!IsUsableAsFileName(name)) {
    view_.ShowMessage(kNameRefused);
    return;
  }
  std::vector<uint8_t> payload;
  if (!ReadShowingFailure(ProfileFile(source), false, payload)) return;
  if (hooks_.takeNewPayload) hooks_.takeNewPayload(payload);
  if (!WriteShowingFailure(ProfileFile(name), payload)) return;
  view_.AppendItem(name, ProfileListView::ItemOrigin::Copied);
  const int count = view_.Count();
  WriteNewEntries(count, name, ProfileListView::ItemOrigin::Copied);
  view_.SelectIndex(count - 1);
}

// The imported payload replaces the selected profile's, or that of a new profile that the import
// adds first; selecting away and back (or Select in place) applies it. An add that failed leaves
// the selected profile as it was.
void NamedProfileList::Import() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  view_.SetFileButtonsEnabled(false);
  const std::wstring chosen = ChooseProfileFile(true);
  if (!chosen.empty() && (!params_.importAddsProfile || AddFromFactory())) {
    const int target = params_.importAddsProfile ? view_.Count() - 1 : selected;
    std::vector<uint8_t> payload;
    if (ReadShowingFailure(chosen, true, payload) && WriteShowingFailure(ProfileFile(view_.ItemName(target)), payload)) {
      if (params_.importReloadsInPlace) {
        Select();
      } else {
        view_.SelectIndex(target - 1);
        view_.SelectIndex(target);
      }
    }
  }
  view_.SetFileButtonsEnabled(true);
}

void NamedProfileList::Export() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  view_.SetFileButtonsEnabled(false);
  const std::wstring chosen = ChooseProfileFile(false);
  std::vector<uint8_t> payload;
  if (!chosen.empty() && ReadShowingFailure(ProfileFile(view_.ItemName(selected)), false, payload))
    WriteShowingFailure(chosen, payload);
  view_.SetFileButtonsEnabled(true);
}

void NamedProfileList::Rename() {
  const std::wstring newName = view_.NameEditText();
  if (!IsUsableAsFileName(newName)) {
    view_.ShowMessage(kNameRefused);
    return;
  }
  if (ItemWithText(newName) >= 0) {
    view_.ShowMessage(kNameTaken);
    return;
  }
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  const std::wstring oldName = view_.ItemName(selected);
  std::vector<uint8_t> payload;
  if (!ReadShowingFailure(ProfileFile(oldName), false, payload)) return;
  if (!StoreRenamed(selected, oldName, newName, payload)) {
    view_.ShowMessage(kNameRefused);
    return;
  }
  view_.RenameItem(selected, newName);
  view_.SetNameEditText(newName);
}

// A watcher's selection is not the user's choice: the selection entry keeps the user's.
void NamedProfileList::Select() {
  const int selected = view_.SelectedIndex();
  if (selected < 0) return;
  view_.SetNameEditText(view_.ItemName(selected));
  if (!SelectingForWatcher()) WriteIniNumber(IndexFile(), params_.selectionSection, L"select", selected);
  ShowLinkOf(selected);
  if (hooks_.apply) hooks_.apply(selected);
}

void NamedProfileList::ShowAt(int index) {
  if (index < 0 || index >= view_.Count()) return;
  view_.SelectIndexQuietly(index);
  view_.SetNameEditText(view_.ItemName(index));
  ShowLinkOf(index);
}

void NamedProfileList::ApplyAt(int index) {
  if (index < 0 || index >= view_.Count()) return;
  view_.SelectIndexQuietly(index);
  Select();
}

void NamedProfileList::Reset() {
  std::vector<uint8_t> payload;
  if (ReadFactoryPayload(payload) && hooks_.reset) hooks_.reset(payload);
}

int NamedProfileList::ItemWithText(const std::wstring& text) {
  for (int i = 0; i < view_.Count(); ++i)
    if (SameTextIgnoringCase(view_.ItemText(i), text)) return i;
  return -1;
}

bool NamedProfileList::ReadShowingFailure(const std::wstring& path, bool exactLength, std::vector<uint8_t>& payload) {
  const int result = params_.format.read(path, exactLength, payload);
  if (result == 1) view_.ShowMessage(kFileMissing);
  else if (result != 0) view_.ShowMessage(kNotAProfile);
  return result == 0;
}

// A payload file that cannot be written is reported like one that cannot be opened, never passed
// over as if the copy, import or export had worked.
bool NamedProfileList::WriteShowingFailure(const std::wstring& path, const std::vector<uint8_t>& payload) {
  if (params_.format.write(path, payload)) return true;
  view_.ShowMessage(kFileMissing);
  return false;
}

bool NamedProfileList::ReadFactoryPayload(std::vector<uint8_t>& payload) {
  return ReadShowingFailure(hooks_.factoryFile(), false, payload);
}

// The entries of a profile just appended at index count - 1; it starts unlinked, whatever an
// earlier delete left at that index. Its companion is named while the count still leaves it out.
bool NamedProfileList::WriteNewEntries(int count, const std::wstring& name, ProfileListView::ItemOrigin origin) {
  const std::wstring index = IndexFile(), key = std::to_wstring(count - 1);
  const std::wstring companion = CompanionName(origin, count - 1, name);
  return WriteIniNumber(index, params_.countSection, L"count", count) &&
         WriteIniText(index, params_.nameSection, key, name) &&
         WriteIniText(index, params_.linkFlagSection, key, L"0") && WriteCompanionEntry(key, companion);
}

std::wstring NamedProfileList::CompanionName(ProfileListView::ItemOrigin origin, int index, const std::wstring& name) {
  return params_.companionSection && hooks_.companionName ? hooks_.companionName(origin, index, name) : std::wstring();
}

bool NamedProfileList::WriteCompanionEntry(const std::wstring& key, const std::wstring& value) {
  return !params_.companionSection || WriteIniText(IndexFile(), params_.companionSection, key, value);
}

// A profile without the entry has no companion file of its own to remove.
void NamedProfileList::DeleteCompanionFileOf(int index) {
  if (!params_.companionSection) return;
  const std::wstring companion = ReadIniText(IndexFile(), params_.companionSection, std::to_wstring(index), L"");
  if (!companion.empty()) DeleteFileW(FileInFolder(folder_, companion, params_.companionExtension).c_str());
}

// Names follow the items; the links of the profiles after the removed one move down with them.
// The entries of the former last index stay in the file, beyond the count, unless the list removes
// them.
void NamedProfileList::MoveEntriesAfterRemoval(int removed) {
  const std::wstring index = IndexFile();
  const int count = view_.Count();
  WriteIniNumber(index, params_.countSection, L"count", count);
  for (int i = 0; i < count; ++i) {
    const std::wstring key = std::to_wstring(i);
    WriteIniText(index, params_.nameSection, key, view_.ItemName(i));
    const int from = i < removed ? i : i + 1;
    const std::wstring flag = LinkEntry(params_.linkFlagSection, from);
    const std::wstring path = LinkEntry(params_.linkPathSection, from);
    WriteIniText(index, params_.linkFlagSection, key, flag);
    WriteIniText(index, params_.linkPathSection, key, path);
    if (params_.companionSection && from != i) MoveEntry(index, params_.companionSection, from, i);
  }
  if (!params_.deleteRemovesFormerLastEntries) return;
  const std::wstring formerLast = std::to_wstring(count);
  for (const wchar_t* section :
       {params_.nameSection, params_.linkFlagSection, params_.linkPathSection, params_.companionSection})
    if (section) WritePrivateProfileStringW(section, formerLast.c_str(), nullptr, index.c_str());
}

// The new file first, then the index entry, then the old file goes: a failure at any step undoes
// the steps before it, so the file, the index entry and the item keep the old name together.
bool NamedProfileList::StoreRenamed(int index, const std::wstring& oldName, const std::wstring& newName,
                                    const std::vector<uint8_t>& payload) {
  const std::wstring newFile = ProfileFile(newName), indexFile = IndexFile(), key = std::to_wstring(index);
  if (!params_.format.write(newFile, payload)) return false;
  if (WriteIniNumber(indexFile, params_.countSection, L"count", view_.Count()) &&
      WriteIniText(indexFile, params_.nameSection, key, newName)) {
    if (params_.renameKeepsOldFile || DeleteFileW(ProfileFile(oldName).c_str())) return true;
    WriteIniText(indexFile, params_.nameSection, key, oldName);
  }
  DeleteFileW(newFile.c_str());
  return false;
}

std::wstring NamedProfileList::ChooseProfileFile(bool open) {
  const std::wstring extension = params_.extension;
  return view_.ChooseFile(open, extension.substr(1), L"*" + extension, params_.fileFilter);
}
