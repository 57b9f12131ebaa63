// The operations of a named profile list against its index file and payload files.
#include "debug_log_capture.h"
#include "profile_list_fixture.h"

namespace {
using Names = std::vector<std::wstring>;
using Origin = ProfileListView::ItemOrigin;

TEST_F(ProfileListFixture, AFirstRunMakesProfile1FromTheFactoryFileInAUnicodeIndexFile) {
  ASSERT_TRUE(list.Fill());
  EXPECT_EQ(view.Names(), Names{L"Profile 1"});
  EXPECT_EQ(view.items[0].origin, Origin::Filled);
  EXPECT_EQ(view.selected, -1) << "nothing is selected at start-up";
  EXPECT_EQ(ProfilePayload(L"Profile 1"), factory);
  EXPECT_EQ(Entry(L"COUNT", L"count"), L"1");
  EXPECT_EQ(Entry(L"LIKEEXE", L"0"), L"0");
  EXPECT_EQ(Entry(L"NAME", L"0"), L"Profile 1");
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"0");
  const std::vector<unsigned char> index = ReadBytes(IndexFile());
  ASSERT_GE(index.size(), 2u);
  EXPECT_EQ(index[0], 0xFF);
  EXPECT_EQ(index[1], 0xFE) << "a new index file is UTF-16LE with its byte-order mark";
}

TEST_F(ProfileListFixture, AFirstRunWithoutAUsableFactoryFileStopsTheFilling) {
  struct Case {
    std::vector<unsigned char> factoryBytes;  // empty: no factory file
    const wchar_t* message;
  };
  for (const Case& c : {Case{{}, L"message_text_8"}, Case{std::vector<unsigned char>(24, 0x11), L"message_text_9"}}) {
    DeleteFileW(hooks.factoryFile().c_str());
    if (!c.factoryBytes.empty()) WriteBytes(hooks.factoryFile(), c.factoryBytes);
    view.messages.clear();
    EXPECT_FALSE(list.Fill());
    EXPECT_EQ(view.messages, Names{c.message});
    EXPECT_TRUE(view.items.empty());
    EXPECT_FALSE(PathExists(IndexFile()));
  }
}

// Without a usable count the list's own files are the user's profiles: an index that was lost or
// damaged is rebuilt from them, and none of them is written over with the factory payload.
TEST_F(ProfileListFixture, ALostOrDamagedIndexIsRebuiltFromTheProfileFilesAndNoneIsOverwritten) {
  std::vector<unsigned char> garbage(300);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 37 + 11);
  const struct {
    const char* what;
    std::string index;  // "-": no index file
  } cases[] = {
      {"missing", "-"},
      {"empty", ""},
      {"garbage", std::string(garbage.begin(), garbage.end())},
      {"cut short", "[NAME]\r\n0=Work\r\n1=Prof"},
      {"count 0", "[COUNT]\r\ncount=0\r\n[NAME]\r\n0=Work\r\n"},
      {"negative count", "[COUNT]\r\ncount=-2\r\n"},
  };
  WriteProfile(L"Profile 1", PayloadOf(0x41));
  WriteProfile(L"work", PayloadOf(0x42));
  WriteProfile(L" Odd", PayloadOf(0x43));  // an index file could not give this name back
  CreateDirectoryW((folder / L"Folder.tp").c_str(), nullptr);
  WriteText(folder / L"notes.tpx", "not of the list");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileW(IndexFile().c_str());
    if (c.index != "-") WriteText(IndexFile(), c.index);
    FakeProfileListView page;
    NamedProfileList fresh(params, hooks, folder.path(), page);
    ASSERT_TRUE(fresh.Fill());
    EXPECT_EQ(page.Names(), (Names{L"Profile 1", L"work"}));
    EXPECT_TRUE(page.messages.empty());
    EXPECT_EQ(ProfilePayload(L"Profile 1"), PayloadOf(0x41));
    EXPECT_EQ(Entry(L"COUNT", L"count"), L"2");
    EXPECT_EQ(Entry(L"NAME", L"1"), L"work");
    EXPECT_EQ(Entry(L"LIKEEXE", L"1"), L"0");
    EXPECT_EQ(Entry(L"SELECT", L"select"), L"0");
    FakeProfileListView restarted;
    ASSERT_TRUE(NamedProfileList(params, hooks, folder.path(), restarted).Fill());
    EXPECT_EQ(restarted.Names(), page.Names()) << "the next start reads the rebuilt index";
  }
}

// A rebuilt profile's companion is named as a copy's: fresh, so no two profiles share a file.
TEST_F(ProfileListFixture, ARebuiltIndexGivesEachProfileACompanionOfItsOwn) {
  params.companionSection = L"VOICE";
  params.companionExtension = L".v";
  std::vector<Origin> origins;
  hooks.companionName = [&](Origin origin, int index, const std::wstring&) {
    origins.push_back(origin);
    return L"voice" + std::to_wstring(index);
  };
  WriteProfile(L"A", PayloadOf(1));
  WriteProfile(L"B", PayloadOf(2));
  ASSERT_TRUE(list.Fill());
  EXPECT_EQ(origins, (std::vector<Origin>{Origin::Copied, Origin::Copied}));
  EXPECT_EQ(Entry(L"VOICE", L"0"), L"voice0");
  EXPECT_EQ(Entry(L"VOICE", L"1"), L"voice1");
}

// An index that cannot be written is left as it is: nothing is listed that could not be stored.
TEST_F(ProfileListFixture, AnIndexThatCannotBeWrittenIsLeftAloneWithADiagnosticsLine) {
  WriteProfile(L"Profile 1", PayloadOf(0x41));
  ASSERT_TRUE(CreateDirectoryW(IndexFile().c_str(), nullptr));
  const DebugLogCapture log;
  ASSERT_TRUE(list.Fill());
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(ProfilePayload(L"Profile 1"), PayloadOf(0x41));
  EXPECT_NE(log.Text().find("test.ini"), std::string::npos) << log.Text();
}

TEST_F(ProfileListFixture, StoredNamesAreTakenAsTheyAreAndKeepCharactersOutsideAnsi) {
  const std::wstring unicode = L"Spiel \u00e9\u4e2d\u0416";
  Given({unicode, L"..\\odd"}, 0);
  EXPECT_EQ(view.Names(), (Names{unicode, L"..\\odd"}));
  EXPECT_EQ(Entry(L"NAME", L"0"), unicode);
  EXPECT_EQ(view.nameEdit, unicode);
  EXPECT_EQ(applied, std::vector<int>{}) << "Given clears what its own selection applied";
  SetEntry(L"COUNT", L"count", L"100000000");
  FakeProfileListView other;
  NamedProfileList large(params, hooks, folder.path(), other);
  ASSERT_TRUE(large.Fill());
  EXPECT_EQ(other.Count(), kMostListedProfiles) << "a hostile count is cut";
}

TEST_F(ProfileListFixture, AddTakesTheSmallestFreeNumberAndSelectsTheNewProfile) {
  Given({L"Profile 1", L"profile 3"}, 0);
  list.Add();
  EXPECT_EQ(view.Names(), (Names{L"Profile 1", L"profile 3", L"Profile 2"}));
  EXPECT_EQ(view.items[2].origin, Origin::Added);
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(applied, std::vector<int>{2});
  EXPECT_EQ(taken, std::vector<Payload>{factory});
  EXPECT_EQ(ProfilePayload(L"Profile 2"), factory);
  EXPECT_EQ(Entry(L"COUNT", L"count"), L"3");
  EXPECT_EQ(Entry(L"NAME", L"2"), L"Profile 2");
  EXPECT_EQ(Entry(L"LIKEEXE", L"2"), L"0");
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"2");
  list.Add();
  EXPECT_EQ(view.items.back().name, L"Profile 4");
}

TEST_F(ProfileListFixture, AnAddWithoutAFactoryFileKeepsItsItemWithoutAPayloadFile) {
  Given({L"Profile 1"}, 0);
  DeleteFileW(hooks.factoryFile().c_str());
  list.Add();
  EXPECT_EQ(view.messages, Names{L"message_text_8"});
  EXPECT_EQ(view.Names(), (Names{L"Profile 1", L"Profile 2"}));
  EXPECT_EQ(Entry(L"NAME", L"1"), L"Profile 2");
  EXPECT_FALSE(PathExists(folder / L"Profile 2.tp"));
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(taken.empty());
}

TEST_F(ProfileListFixture, CopyAppendsCopyUntilTheNameIsFreeAndStartsUnlinked) {
  Given({L"Game", L"Game copy", L"GAME COPY COPY"}, 0);
  SetEntry(L"LIKEEXE", L"3", L"1");  // left behind at index 3 by an earlier delete
  SetEntry(L"PROCESS", L"3", L"C:\\old.exe");
  list.Copy();
  EXPECT_EQ(view.items.back().name, L"Game copy copy copy");
  EXPECT_EQ(view.items.back().origin, Origin::Copied);
  EXPECT_EQ(ProfilePayload(L"Game copy copy copy"), PayloadOf(10));
  EXPECT_EQ(taken, std::vector<Payload>{PayloadOf(10)});
  EXPECT_EQ(Entry(L"COUNT", L"count"), L"4");
  EXPECT_EQ(Entry(L"NAME", L"3"), L"Game copy copy copy");
  EXPECT_EQ(Entry(L"LIKEEXE", L"3"), L"0");
  EXPECT_EQ(view.selected, 3);
  EXPECT_EQ(applied, std::vector<int>{3});
  EXPECT_FALSE(view.linkChecked);
}

TEST_F(ProfileListFixture, ACopyThatCannotBeMadeChangesNothing) {
  struct Case {
    const wchar_t* name;
    const wchar_t* message;
  };
  for (const Case& c : {Case{L"a:b", L"message_text_14"}, Case{L"Lost", L"message_text_8"}}) {
    FakeProfileListView page;
    page.onItemSelect = [&] { applied.push_back(page.selected); };
    NamedProfileList other(params, hooks, folder.path(), page);
    page.AppendItem(c.name, Origin::Filled);
    page.selected = 0;
    other.Copy();
    EXPECT_EQ(page.messages, Names{c.message}) << c.name;
    EXPECT_EQ(page.Count(), 1);
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(taken.empty());
  }
}

TEST_F(ProfileListFixture, DeletingIndex1Of4ShiftsNamesAndLinksAndSelectsIndex2) {
  Given({L"A", L"B", L"C", L"D"}, 1);
  for (int i = 0; i < 4; ++i) {
    SetEntry(L"LIKEEXE", std::to_wstring(i), i % 2 ? L"1" : L"0");
    SetEntry(L"PROCESS", std::to_wstring(i), L"C:\\p" + std::to_wstring(i) + L".exe");
  }
  list.Delete();
  EXPECT_EQ(view.messages, Names{L"message_text_12"});
  EXPECT_EQ(view.Names(), (Names{L"A", L"C", L"D"}));
  EXPECT_FALSE(PathExists(folder / L"B.tp"));
  EXPECT_EQ(Entry(L"COUNT", L"count"), L"3");
  const Names names{L"A", L"C", L"D"}, flags{L"0", L"0", L"1"}, paths{L"C:\\p0.exe", L"C:\\p2.exe", L"C:\\p3.exe"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Entry(L"NAME", std::to_wstring(i)), names[i]);
    EXPECT_EQ(Entry(L"LIKEEXE", std::to_wstring(i)), flags[i]);
    EXPECT_EQ(Entry(L"PROCESS", std::to_wstring(i)), paths[i]);
  }
  EXPECT_EQ(Entry(L"NAME", L"3"), L"D") << "the former last index stays beyond the count";
  EXPECT_EQ(Entry(L"LIKEEXE", L"3"), L"1");
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(applied, std::vector<int>{2});
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"2");
  EXPECT_TRUE(view.linkChecked) << "index 2 is linked now";
}

TEST_F(ProfileListFixture, DeleteRefusesACancelledQuestionAndTheLastProfile) {
  Given({L"Only", L"Other"}, 0);
  view.messageAnswer = 0;
  list.Delete();
  EXPECT_EQ(view.messages, Names{L"message_text_12"});
  EXPECT_EQ(view.Count(), 2);
  EXPECT_TRUE(PathExists(folder / L"Only.tp"));
  view.messageAnswer = 1;
  list.Delete();
  EXPECT_EQ(view.Names(), Names{L"Other"});
  view.messages.clear();
  list.Delete();
  EXPECT_EQ(view.messages, Names{L"message_text_11"});
  EXPECT_TRUE(PathExists(folder / L"Other.tp"));
  view.selected = -1;
  view.messages.clear();
  list.Delete();
  EXPECT_TRUE(view.messages.empty()) << "without a selection nothing happens";
}

TEST_F(ProfileListFixture, ARenameWritesTheNewFileTheIndexAndDropsTheOldFile) {
  Given({L"Old", L"Other"}, 0);
  SetEntry(L"LIKEEXE", L"0", L"1");
  view.nameEdit = L"New \u00e9";
  list.Rename();
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.Names(), (Names{L"New \u00e9", L"Other"}));
  EXPECT_EQ(view.items[0].text, L"New \u00e9");
  EXPECT_EQ(Entry(L"NAME", L"0"), L"New \u00e9");
  EXPECT_EQ(Entry(L"LIKEEXE", L"0"), L"1") << "the link stays at its index";
  EXPECT_EQ(ProfilePayload(L"New \u00e9"), PayloadOf(10));
  EXPECT_FALSE(PathExists(folder / L"Old.tp"));
  EXPECT_TRUE(applied.empty()) << "nothing is re-applied";
}

TEST_F(ProfileListFixture, ARefusedRenameChangesNothing) {
  struct Case {
    std::wstring name;
    const wchar_t* message;
  };
  std::vector<Case> cases = {{L"", L"message_text_14"},          {L"Other", L"message_text_15"},
                             {L"OLD", L"message_text_15"},       {L"..", L"message_text_14"},
                             {L".", L"message_text_14"},         {L"Trailing ", L"message_text_14"},
                             {L"Trailing.", L"message_text_14"}, {L"Tab\there", L"message_text_14"},
                             {L"Blocked", L"message_text_14"}};
  for (const wchar_t* c = L"\\/:*?\"<>|"; *c; ++c) cases.push_back({std::wstring(L"a") + *c + L"b", L"message_text_14"});
  Given({L"Old", L"Other"}, 0);
  CreateDirectoryW((folder / L"Blocked.tp").c_str(), nullptr);  // the new file cannot be written
  for (const Case& c : cases) {
    view.messages.clear();
    view.nameEdit = c.name;
    list.Rename();
    EXPECT_EQ(view.messages, Names{c.message}) << c.name;
    EXPECT_EQ(view.Names(), (Names{L"Old", L"Other"})) << c.name;
    EXPECT_EQ(Entry(L"NAME", L"0"), L"Old") << c.name;
    EXPECT_EQ(ProfilePayload(L"Old"), PayloadOf(10)) << c.name;
  }
  DeleteFileW((folder / L"Old.tp").c_str());
  view.messages.clear();
  view.nameEdit = L"Fresh";
  list.Rename();
  EXPECT_EQ(view.messages, Names{L"message_text_8"});
  EXPECT_EQ(Entry(L"NAME", L"0"), L"Old") << "a missing old file leaves the index as it was";
  EXPECT_FALSE(PathExists(folder / L"Fresh.tp"));
}

TEST_F(ProfileListFixture, AnImportReplacesTheSelectedPayloadAndAppliesItAgain) {
  struct Case {
    int selected;
    std::vector<int> applied;
  };
  for (const Case& c : {Case{0, {0}}, Case{2, {1, 2}}}) {
    FakeProfileListView page;
    NamedProfileList other(params, hooks, folder.path(), page);
    page.onItemSelect = [&] { other.Select(); };
    for (const wchar_t* name : {L"A", L"B", L"C"}) page.AppendItem(name, Origin::Filled);
    for (int i = 0; i < 3; ++i) SetEntry(L"NAME", std::to_wstring(i), page.ItemName(i));
    page.selected = c.selected;
    WriteProfile(L"import", PayloadOf(99));
    page.dialogAnswers = {folder / L"import.tp"};
    page.duringDialog = [&] { EXPECT_FALSE(page.fileButtonsEnabled); };
    applied.clear();
    other.Import();
    EXPECT_EQ(applied, c.applied);
    EXPECT_EQ(ProfilePayload(page.ItemName(c.selected)), PayloadOf(99));
    EXPECT_TRUE(page.fileButtonsEnabled);
    ASSERT_EQ(page.dialogs.size(), 1u);
    EXPECT_TRUE(page.dialogs[0].open);
    EXPECT_EQ(page.dialogs[0].defaultExtension, L"tp");
    EXPECT_EQ(page.dialogs[0].fileName, L"*.tp");
    EXPECT_EQ(page.dialogs[0].filter, L"(*.tp) | *.tp ||");
  }
}

// A file of another list has the magic but not the length: its bytes would land in the wrong places.
TEST_F(ProfileListFixture, AnImportOfAFileThatIsNotAProfileOfTheListIsRefused) {
  struct Case {
    const wchar_t* what;
    std::vector<unsigned char> bytes;  // empty: no such file
    const wchar_t* message;
  };
  std::vector<unsigned char> longer = ReadBytes(hooks.factoryFile()), wrongMagic = longer;
  longer.push_back(0);
  wrongMagic[0] ^= 0xFF;
  Given({L"A"}, 0);
  for (const Case& c : {Case{L"missing", {}, L"message_text_8"}, Case{L"wrong magic", wrongMagic, L"message_text_9"},
                        Case{L"wrong length", longer, L"message_text_9"}}) {
    DeleteFileW((folder / L"chosen.tp").c_str());
    if (!c.bytes.empty()) WriteBytes(folder / L"chosen.tp", c.bytes);
    view.messages.clear();
    view.dialogAnswers = {folder / L"chosen.tp"};
    list.Import();
    EXPECT_EQ(view.messages, Names{c.message}) << c.what;
    EXPECT_EQ(ProfilePayload(L"A"), PayloadOf(10)) << c.what;
    EXPECT_TRUE(view.fileButtonsEnabled) << c.what;
    EXPECT_TRUE(applied.empty()) << c.what;
  }
  // 2 GB: refused by its length alone, before anything is read into a 32-bit program's memory.
  WriteSparseFile(folder / L"chosen.tp", 2ull << 30);
  view.messages.clear();
  view.dialogAnswers = {folder / L"chosen.tp"};
  list.Import();
  EXPECT_EQ(view.messages, Names{L"message_text_9"});
  EXPECT_EQ(ProfilePayload(L"A"), PayloadOf(10));
  DeleteFileW((folder / L"chosen.tp").c_str());
  list.Import();  // cancelled
  EXPECT_TRUE(view.fileButtonsEnabled);
  EXPECT_EQ(ProfilePayload(L"A"), PayloadOf(10));
}

TEST_F(ProfileListFixture, AnExportWritesTheSelectedPayloadWithAFreshHeader) {
  Given({L"A", L"B"}, 1);
  view.dialogAnswers = {folder / L"out.tp"};
  list.Export();
  const std::vector<unsigned char> bytes = ReadBytes(folder / L"out.tp");
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(bytes[0], 0xAA);
  EXPECT_EQ(bytes[1], 0x55);
  EXPECT_EQ(bytes[4] | bytes[5] << 8, 1) << "kind";
  EXPECT_EQ(Payload(bytes.begin() + 16, bytes.end()), PayloadOf(11));
  EXPECT_FALSE(view.dialogs.at(0).open);
  EXPECT_TRUE(view.fileButtonsEnabled);
}

// A write that fails is reported, and the list stays as it was.
TEST_F(ProfileListFixture, ImportAndExportReportAFileTheyCannotWrite) {
  Given({L"A", L"B"}, 1);
  view.dialogAnswers = {folder / L"no such folder\\out.tp"};
  list.Export();
  EXPECT_EQ(view.messages, Names{L"message_text_8"});
  EXPECT_TRUE(view.fileButtonsEnabled);

  view.messages.clear();
  WriteProfile(L"in", PayloadOf(99));
  view.dialogAnswers = {folder / L"in.tp"};
  const std::wstring target = folder / L"B.tp";  // a folder in the profile file's place
  ASSERT_TRUE(DeleteFileW(target.c_str()) && CreateDirectoryW(target.c_str(), nullptr));
  list.Import();
  EXPECT_EQ(view.messages, Names{L"message_text_8"});
  EXPECT_TRUE(applied.empty()) << "nothing applied";
  RemoveDirectoryW(target.c_str());
  EXPECT_TRUE(view.fileButtonsEnabled);
}

TEST_F(ProfileListFixture, SelectShowsTheNameRecordsTheChoiceAndAppliesIt) {
  Given({L"A", L"B"}, 0);
  view.SelectIndex(1);
  EXPECT_EQ(view.nameEdit, L"B");
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"1");
  EXPECT_EQ(applied, std::vector<int>{1});
  view.SelectIndex(1);
  EXPECT_EQ(applied, std::vector<int>{1}) << "the selected item is not applied again";
}

// Code's own selections: a detection applies the saved profile also when the combo shows it
// already; a start-up shows one without applying or recording it. Neither raises the combo's
// notification.
TEST_F(ProfileListFixture, ApplyAtAndShowAtSelectWithoutTheCombosNotification) {
  SetEntry(L"LIKEEXE", L"0", L"1");
  SetEntry(L"PROCESS", L"0", L"C:\\Games\\Game.exe");
  Given({L"A", L"B"}, -1);
  int comboNotifications = 0;
  view.onItemSelect = [&] { ++comboNotifications; };
  list.ApplyAt(1);
  list.ApplyAt(1);
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(applied, (std::vector<int>{1, 1}));
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"1");

  list.ShowAt(0);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.nameEdit, L"A");
  EXPECT_TRUE(view.linkChecked);
  EXPECT_EQ(view.linkText, L"Game.exe");
  EXPECT_EQ(applied.size(), 2u);
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"1");
  list.ShowAt(2);
  list.ApplyAt(-1);
  EXPECT_EQ(view.selected, 0) << "an index outside the list changes nothing";
  EXPECT_EQ(comboNotifications, 0);
}

TEST_F(ProfileListFixture, ResetHandsTheFactoryPayloadToTheList) {
  Given({L"A"}, 0);
  list.Reset();
  EXPECT_EQ(resets, std::vector<Payload>{factory});
  DeleteFileW(hooks.factoryFile().c_str());
  list.Reset();
  EXPECT_EQ(view.messages, Names{L"message_text_8"});
  EXPECT_EQ(resets.size(), 1u);
}

// A list whose profiles each name a companion file (the K27 headset's voice INI files).
TEST_F(ProfileListFixture, CompanionEntriesAreWrittenBeforeSelectingAndMoveWithTheirProfiles) {
  params.companionSection = L"VOICE";
  params.companionExtension = L".v";
  params.deleteRemovesFormerLastEntries = true;
  const wchar_t* const origins[] = {L"first", L"added", L"copied"};
  hooks.companionName = [&](Origin origin, int index, const std::wstring& name) {
    EXPECT_EQ(Entry(L"COUNT", L"count"), index == 0 ? L"<none>" : std::to_wstring(index)) << "not counted yet";
    return origins[static_cast<int>(origin)] + std::to_wstring(index) + name;
  };
  Names seenAtApply;
  hooks.apply = [&](int index) { seenAtApply.push_back(Entry(L"VOICE", std::to_wstring(index))); };
  ASSERT_TRUE(list.Fill());
  EXPECT_EQ(Entry(L"VOICE", L"0"), L"first0Profile 1");
  view.SelectIndex(0);
  list.Add();
  list.Copy();
  EXPECT_EQ(seenAtApply, (Names{L"first0Profile 1", L"added1Profile 2", L"copied2Profile 2 copy"}));

  for (int i = 0; i < 3; ++i) WriteBytes(folder / (Entry(L"VOICE", std::to_wstring(i)) + L".v"), {1});
  // A profile without its entry has no file of its own: "0.v", which a missing entry would read
  // as, is not its to remove.
  WritePrivateProfileStringW(L"VOICE", L"1", nullptr, IndexFile().c_str());
  WriteBytes(folder / L"0.v", {1});
  view.SelectIndex(1);
  list.Delete();
  EXPECT_TRUE(PathExists(folder / L"0.v"));
  EXPECT_EQ(Entry(L"VOICE", L"0"), L"first0Profile 1");
  EXPECT_EQ(Entry(L"VOICE", L"1"), L"copied2Profile 2 copy");
  EXPECT_EQ(Entry(L"VOICE", L"2"), L"<none>") << "the former last entry goes";
  EXPECT_TRUE(PathExists(folder / L"copied2Profile 2 copy.v"));
  view.SelectIndex(0);
  list.Delete();
  EXPECT_FALSE(PathExists(folder / L"first0Profile 1.v"));
  EXPECT_EQ(Entry(L"VOICE", L"0"), L"copied2Profile 2 copy");
  EXPECT_EQ(Entry(L"VOICE", L"1"), L"<none>");
}

TEST_F(ProfileListFixture, ACopyMayRepeatAnotherSuffixAndAnImportMayReloadInPlace) {
  params.repeatedCopySuffix = L"copy";
  params.importReloadsInPlace = true;
  Given({L"Game", L"Game copy", L"x"}, 0);
  list.Copy();
  EXPECT_EQ(view.items.back().name, L"Game copycopy");
  view.SelectIndex(2);
  applied.clear();
  WriteProfile(L"import", PayloadOf(99));
  view.dialogAnswers = {folder / L"import.tp"};
  list.Import();
  EXPECT_EQ(applied, std::vector<int>{2}) << "no other profile is applied on the way";
  EXPECT_EQ(ProfilePayload(L"x"), PayloadOf(99));
}

// Names read back from an index file pass the check of a typed name: an entry that points into
// another device's folder or out of the data folder keeps its row, so the rows stay at their keys,
// and no file is read, written or deleted through it.
TEST_F(ProfileListFixture, StoredNamesThatLeaveTheFolderReachNoFile) {
  const std::wstring data = folder / L"data\\", ms = data + L"ms\\", kb = data + L"kb\\";
  for (const std::wstring& sub : {data, ms, kb}) CreateDirectoryW(sub.c_str(), nullptr);
  NamedProfileList msList{params, hooks, ms, view};
  view.onItemSelect = [&] { msList.Select(); };
  WriteProfileFile(kb + L"Game.tp", PayloadOf(0x66).data(), 8, PROFILE_KIND_KEYBOARD);
  WriteProfileFile(ms + L"Mine.tp", PayloadOf(0x11).data(), 8, PROFILE_KIND_KEYBOARD);
  const std::vector<unsigned char> game = ReadBytes(kb + L"Game.tp");
  const Names stored = {L"Mine", L"..\\kb\\Game", L"..\\..\\escaped", L"c:\\outside"};
  WriteIniNumber(ms + L"test.ini", L"COUNT", L"count", static_cast<int>(stored.size()));
  for (size_t i = 0; i < stored.size(); ++i) WriteIniText(ms + L"test.ini", L"NAME", std::to_wstring(i), stored[i]);
  const std::vector<unsigned char> index = ReadBytes(ms + L"test.ini");

  ASSERT_TRUE(msList.Fill());
  EXPECT_EQ(stored.size(), static_cast<size_t>(view.Count()));
  EXPECT_EQ(index, ReadBytes(ms + L"test.ini")) << "the index file is left as it is";
  Payload payload;
  for (int i = 1; i < static_cast<int>(stored.size()); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(1, ReadListedProfile(params, ms, i, payload));
    EXPECT_EQ(L"", msList.ProfileFile(stored[i]));
  }
  EXPECT_TRUE(payload.empty());

  view.SelectIndex(1);
  msList.Export();
  msList.Copy();
  view.dialogAnswers.push_back(ms + L"Mine.tp");
  msList.Import();
  msList.Delete();
  EXPECT_EQ(game, ReadBytes(kb + L"Game.tp"));
  EXPECT_FALSE(PathExists(folder / L"escaped.tp"));
  EXPECT_FALSE(PathExists(data + L"escaped.tp"));
  EXPECT_FALSE(PathExists(L"c:\\outside.tp"));
  EXPECT_EQ(Names({L"Mine", L"..\\..\\escaped", L"c:\\outside"}), Names({view.ItemName(0), view.ItemName(1), view.ItemName(2)}))
      << "the refused profile's row could still be deleted";
}

}  // namespace
