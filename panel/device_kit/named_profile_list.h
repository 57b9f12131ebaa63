#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "profile_list_view.h"

// How a list's payload files are read and written. The binary profile files of keyboard, mouse and
// mouse pad use BinaryProfilePayloads; a list with other files plugs in its own.
struct ProfilePayloadFormat {
  // 0 read, 1 missing or unreadable, -1 not a profile file. With `exactLength` a file whose length
  // is not that of a whole profile of the list is refused with -1 (an import must not take a file
  // of another list). `payload` is changed only on 0.
  std::function<int(const std::wstring& path, bool exactLength, std::vector<uint8_t>& payload)> read;
  // False when the file could not be written; a previous file then stays as it was.
  std::function<bool(const std::wstring& path, const std::vector<uint8_t>& payload)> write;
};

// Files of a 16-byte profile header of `kind` and a payload of `payloadSize` bytes; a shorter file
// loads with the missing tail as zeros.
ProfilePayloadFormat BinaryProfilePayloads(size_t payloadSize, int kind);

// The parameters of one named profile list: its controls, its sections of the device's index file
// and its payload files. Every list of the panel is one of these.
struct NamedProfileListParams {
  const wchar_t* combo;
  const wchar_t* nameEdit;
  const wchar_t* addButton;
  const wchar_t* deleteButton;
  const wchar_t* copyButton;
  const wchar_t* importButton;
  const wchar_t* exportButton;
  const wchar_t* resetButton;
  const wchar_t* renameButton;
  const wchar_t* linkCheck;
  const wchar_t* linkEdit;
  const wchar_t* linkRow;
  const wchar_t* linkButton;
  const wchar_t* cancelLinkButton;  // null when the list has none

  const wchar_t* indexFile;  // in the device's data folder
  const wchar_t* countSection;
  const wchar_t* nameSection;
  const wchar_t* selectionSection;
  const wchar_t* linkFlagSection;
  const wchar_t* linkPathSection;

  const wchar_t* newNamePrefix;  // followed by a number: the names that add and the first run give
  const wchar_t* extension;      // of the payload files, with the dot
  const wchar_t* fileFilter;  // of the import and export dialogs
  ProfilePayloadFormat format;

  // Whether the link row stays shown after the profile was unlinked, and after the program dialog
  // of the link check box was cancelled.
  bool linkRowShownWhenUnlinked = true;
  bool linkRowShownWhenCancelled = true;
  // Rename leaves the old file beside the new one; delete removes the entries of the former last
  // index instead of leaving them beyond the count.
  bool renameKeepsOldFile = false;
  bool deleteRemovesFormerLastEntries = false;
  // Whether an import makes a new profile for the imported payload instead of writing it over the
  // selected profile.
  bool importAddsProfile = false;
  // Whether the duplicate test of a new link passes over the selected profile, so that choosing
  // its own program again keeps its link instead of unlinking it.
  bool duplicateTestSkipsSelected = false;
  // What copy appends once more while its candidate name is taken (the first candidate is the
  // source name followed by " copy").
  const wchar_t* repeatedCopySuffix = L" copy";
  // Whether an import reloads the selected profile by running Select in place instead of
  // selecting away and back.
  bool importReloadsInPlace = false;
  // A further entry per profile that names a companion file of it (the value followed by
  // `companionExtension`, in the list's folder): it moves with the profile's other entries, and
  // delete removes the file. Null when the list has none; its values come from the hooks.
  const wchar_t* companionSection = nullptr;
  const wchar_t* companionExtension = nullptr;
};

// What differs between the lists beyond their parameters: the factory file and what a payload does
// to the device's live state.
struct NamedProfileListHooks {
  std::function<std::wstring()> factoryFile;  // full path, for the current model
  // Add and copy: the new profile's payload before its file is written (empty: nothing).
  std::function<void(const std::vector<uint8_t>& payload)> takeNewPayload;
  // Select: load the profile at the index and send it.
  std::function<void(int index)> apply;
  // Reset: the factory payload, read.
  std::function<void(const std::vector<uint8_t>& payload)> reset;
  // The companion entry of a profile just made at `index` under `name` (a first run's profile is
  // Filled); written with its other entries, so before the new profile is selected.
  std::function<std::wstring(ProfileListView::ItemOrigin origin, int index, const std::wstring& name)> companionName;
};

// Start-up takes at most this many profiles; a larger count in the index file is cut to it.
constexpr int kMostListedProfiles = 1000;

// Profile names and program paths compare without regard to case.
bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b);

// Whether the profile at `index` is linked (its flag reads exactly 1) to `program`.
bool IsLinkedTo(const std::wstring& indexFile, const NamedProfileListParams& params, int index,
                const std::wstring& program);

// A list's saved selection ([selectionSection] select) when it names one of its `count` profiles,
// else 0: a stray value in the index file still selects a profile, so that what follows is saved
// somewhere the list knows.
int SavedProfileIndex(const std::wstring& indexFile, const wchar_t* selectionSection, int count);

// The payload of the profile stored at `index` of the list (its name from the index file).
int ReadListedProfile(const NamedProfileListParams& params, const std::wstring& folder, int index,
                      std::vector<uint8_t>& payload);

// The operations of a list, written once: each acts on the view's combo and its selected item and
// rewrites the index file entries that it changes. `folder` ends in a backslash.
class NamedProfileList {
 public:
  NamedProfileList(const NamedProfileListParams& params, const NamedProfileListHooks& hooks, std::wstring folder,
                   ProfileListView& view);

  // Start-up: the items from the index file. Without a count above 0 the list's payload files
  // are listed and the index rebuilt from them (left alone, with a diagnostics line, when it
  // cannot be written); only without any, a first run makes "Profile 1" from the factory file.
  // False when that factory file could not be read (the lists filled after it stay empty).
  bool Fill();
  void Add();
  void Delete();
  void Copy();
  void Import();
  void Export();
  void Rename();
  // The combo's item-select action: the selected profile's name and link are shown, it becomes the
  // user's saved selection (unless a watcher selects it) and it is applied.
  void Select();
  // Selections that code makes without the combo's notification, for an index within the list.
  // ShowAt shows the profile as selected (name and link) and neither applies nor records it;
  // ApplyAt selects it and runs Select, whether or not the combo showed it already.
  void ShowAt(int index);
  void ApplyAt(int index);
  void Reset();

  // Program links (profile_program_links.cpp).
  void ToggleLink();
  void BrowseLink();
  void CancelLink();

  std::wstring IndexFile() const { return folder_ + params_.indexFile; }
  // Empty for a stored name that cannot be a file name (see FileInFolder).
  std::wstring ProfileFile(const std::wstring& name) const;

 private:
  bool FillFirstRun();
  std::vector<std::wstring> StoredProfileNames() const;
  void RebuildIndexFrom(const std::vector<std::wstring>& names);
  bool AddFromFactory();
  int ItemWithText(const std::wstring& text);
  bool ReadShowingFailure(const std::wstring& path, bool exactLength, std::vector<uint8_t>& payload);
  bool WriteShowingFailure(const std::wstring& path, const std::vector<uint8_t>& payload);
  bool ReadFactoryPayload(std::vector<uint8_t>& payload);
  bool WriteNewEntries(int count, const std::wstring& name, ProfileListView::ItemOrigin origin);
  std::wstring CompanionName(ProfileListView::ItemOrigin origin, int index, const std::wstring& name);
  bool WriteCompanionEntry(const std::wstring& key, const std::wstring& value);
  void DeleteCompanionFileOf(int index);
  void MoveEntriesAfterRemoval(int removed);
  bool StoreRenamed(int index, const std::wstring& oldName, const std::wstring& newName,
                    const std::vector<uint8_t>& payload);
  std::wstring ChooseProfileFile(bool open);

  void ShowLinkOf(int index);
  void Unlink(int index, bool rowShown);
  std::wstring LinkEntry(const wchar_t* section, int index) const;
  void LinkTo(int index, const std::wstring& program);
  bool ProgramTaken(const std::wstring& program, int selected);
  std::wstring ChooseProgram();

  const NamedProfileListParams& params_;
  const NamedProfileListHooks& hooks_;
  std::wstring folder_;
  ProfileListView& view_;
};
