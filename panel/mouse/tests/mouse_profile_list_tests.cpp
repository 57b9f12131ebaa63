// The mouse's three profile lists: the shared list with the mouse's parameters (one table over the
// three), what their select and reset steps load, save and send to a simulated mouse, and the
// device list's watcher pass with the foreground program injected.
#include <numeric>

#include "fake_clock.h"
#include "fake_profile_list_view.h"
#include "foreground_profile_watcher.h"
#include "foreground_program.h"
#include "ini_values.h"
#include "mouse_memory.h"
#include "mouse_profile_lists.h"
#include "mouse_test_fixture.h"
#include "profile_store.h"
#include "program_folder.h"

namespace {
using Payload = std::vector<uint8_t>;

Payload PayloadOfFile(const std::wstring& path) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  return bytes.size() < 16 ? Payload{} : Payload(bytes.begin() + 16, bytes.end());
}

Payload Patterned(size_t size, uint8_t seed) {
  Payload payload(size);
  std::iota(payload.begin(), payload.end(), seed);
  return payload;
}

// What the steps did on the page, each with the number of requests the mouse had seen by then.
struct RecordingPage : MouseProfilePage {
  const SimulatedDevice* mouse = nullptr;
  std::vector<std::pair<std::string, size_t>> events;
  int slider = -100;
  bool speedApplied = false;

  void Note(const char* what) { events.push_back({what, mouse ? mouse->Requests().size() : 0}); }
  void ShowPointerSettings(int sliderValue, bool applySpeed) override {
    slider = sliderValue;
    speedApplied = applySpeed;
    Note("pointer");
  }
  void Refresh() override { Note("refresh"); }
  void MarkDirty() override { Note("dirty"); }
  void RelabelKeys() override { Note("relabel"); }
  void CloseKeyFunctions() override { Note("close"); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& event : events) names.push_back(event.first);
    return names;
  }
};

struct MouseListFixture : MouseFixture {
  const std::wstring index = folder / L"msProfile.ini";

  void Store(MouseProfileKind kind, const std::vector<std::wstring>& names, const std::vector<Payload>& payloads) {
    const NamedProfileListParams& params = MouseProfileListParams(kind);
    WriteIniNumber(index, params.countSection, L"count", static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      WriteIniText(index, params.nameSection, std::to_wstring(i), names[i]);
      WriteProfileFile(folder / (names[i] + params.extension), payloads[i].data(), payloads[i].size(),
                       PROFILE_KIND_MOUSE);
    }
  }
  Payload File(const std::wstring& name) { return PayloadOfFile(folder / name); }
  static Payload Factory(MouseProfileKind kind) { return PayloadOfFile(MouseFactoryProfileFile(kind, ProgramFolder())); }
};

// ---- The shared list with each mouse list's parameters ----

struct ListCase {
  MouseProfileKind kind;
  const char* label;
  size_t payloadSize;
  bool importAdds, rowShownWhenUnchecked;
};
const ListCase kListCases[] = {
    {MouseProfileKind::Device, "device", MOUSE_DEVICE_PAYLOAD_SIZE, true, true},
    {MouseProfileKind::Light, "light", MOUSE_LIGHT_PAYLOAD_SIZE, false, false},
    {MouseProfileKind::Key, "key", MOUSE_KEY_PAYLOAD_SIZE, false, false},
};

struct MouseListTable : MouseListFixture, ::testing::WithParamInterface<ListCase> {
  const NamedProfileListParams& params = MouseProfileListParams(GetParam().kind);
  NamedProfileListHooks hooks;
  FakeProfileListView view;
  NamedProfileList list{params, hooks, folder.path(), view};
  std::vector<int> applied;

  MouseListTable() {
    const MouseProfileKind kind = GetParam().kind;
    hooks.factoryFile = [kind] { return MouseFactoryProfileFile(kind, ProgramFolder()); };
    hooks.apply = [this](int i) { applied.push_back(i); };
    view.onItemSelect = [this] { list.Select(); };
    view.onLinkChanged = [this] { list.ToggleLink(); };
  }
  std::wstring Entry(const wchar_t* section, const std::wstring& key) {
    return ReadIniText(index, section, key, L"<none>");
  }
  std::wstring FileOf(const std::wstring& name) { return folder / (name + params.extension); }
  void Given(const std::vector<std::wstring>& names, int selected = 0) {
    std::vector<Payload> payloads;
    for (size_t i = 0; i < names.size(); ++i) payloads.push_back(Payload(GetParam().payloadSize, uint8_t(10 + i)));
    Store(GetParam().kind, names, payloads);
    for (const std::wstring& name : names) view.AppendItem(name, ProfileListView::ItemOrigin::Filled);
    view.SelectIndex(selected);
    applied.clear();
  }
  void Link(int i, const std::wstring& program) {
    WriteIniText(index, params.linkFlagSection, std::to_wstring(i), L"1");
    WriteIniText(index, params.linkPathSection, std::to_wstring(i), program);
  }
};

TEST_P(MouseListTable, AFirstRunMakesProfile1FromTheFactoryFile) {
  ASSERT_TRUE(list.Fill());
  EXPECT_EQ(view.Names(), std::vector<std::wstring>{L"Profile 1"});
  EXPECT_EQ(ReadBytes(FileOf(L"Profile 1")).size(), 16 + GetParam().payloadSize);
  EXPECT_EQ(PayloadOfFile(FileOf(L"Profile 1")), Factory(GetParam().kind));
  EXPECT_EQ(Entry(params.countSection, L"count"), L"1");
  EXPECT_EQ(Entry(params.nameSection, L"0"), L"Profile 1");
  EXPECT_EQ(Entry(params.linkFlagSection, L"0"), L"0");
  EXPECT_EQ(Entry(params.selectionSection, L"select"), L"0");
  EXPECT_EQ(view.selected, -1) << "the detection or the watcher selects";
}

TEST_P(MouseListTable, AddAndCopyFindFreeNamesIgnoringCase) {
  Given({L"Profile 1", L"profile 2", L"X", L"x COPY"});
  list.Add();
  EXPECT_EQ(view.items.back().name, L"Profile 3");
  EXPECT_EQ(PayloadOfFile(FileOf(L"Profile 3")), Factory(GetParam().kind)) << "the factory payload";
  EXPECT_EQ(applied, std::vector<int>{4}) << "the new profile is selected";
  view.SelectIndex(2);
  list.Copy();
  EXPECT_EQ(view.items.back().name, L"X copy copy");
  EXPECT_EQ(PayloadOfFile(FileOf(L"X copy copy")), Payload(GetParam().payloadSize, 12));
  EXPECT_EQ(Entry(params.countSection, L"count"), L"6");
}

TEST_P(MouseListTable, DeleteMovesTheEntriesDownAndLoadsTheNewLastOnce) {
  Given({L"A", L"B", L"C", L"D"}, 1);
  Link(2, L"C:\\c.exe");
  Link(3, L"C:\\d.exe");
  list.Delete();
  EXPECT_EQ(view.Names(), (std::vector<std::wstring>{L"A", L"C", L"D"}));
  EXPECT_FALSE(PathExists(FileOf(L"B")));
  EXPECT_EQ(Entry(params.countSection, L"count"), L"3");
  EXPECT_EQ(Entry(params.nameSection, L"1"), L"C");
  EXPECT_EQ(Entry(params.linkPathSection, L"1"), L"C:\\c.exe");
  EXPECT_EQ(Entry(params.linkPathSection, L"2"), L"C:\\d.exe");
  EXPECT_EQ(Entry(params.nameSection, L"3"), L"D") << "the former last entries stay";
  EXPECT_EQ(applied, std::vector<int>{2});

  // A copy that lands on the removed index does not take over the link left there.
  list.Copy();
  EXPECT_EQ(Entry(params.linkFlagSection, L"3"), L"0");
  EXPECT_FALSE(view.linkChecked);

  view.items.resize(1);
  view.selected = 0;
  view.messages.clear();
  list.Delete();
  EXPECT_EQ(view.messages, std::vector<std::wstring>{L"message_text_11"});
}

TEST_P(MouseListTable, RefusedRenamesChangeNothing) {
  Given({L"Game", L"Work"});
  CreateDirectoryW(FileOf(L"Blocked").c_str(), nullptr);  // a file of that name cannot be written
  const struct {
    const wchar_t* name;
    const wchar_t* message;
  } cases[] = {{L"game", L"message_text_15"}, {L"WORK", L"message_text_15"}, {L"", L"message_text_14"},
               {L"..\\x", L"message_text_14"}, {L"Blocked", L"message_text_14"}};
  for (const auto& c : cases) {
    view.messages.clear();
    view.nameEdit = c.name;
    list.Rename();
    EXPECT_EQ(view.messages, std::vector<std::wstring>{c.message}) << c.name;
  }
  EXPECT_EQ(view.Names(), (std::vector<std::wstring>{L"Game", L"Work"}));
  EXPECT_EQ(Entry(params.nameSection, L"0"), L"Game");
  EXPECT_EQ(PayloadOfFile(FileOf(L"Game")), Payload(GetParam().payloadSize, 10));
}

TEST_P(MouseListTable, LinksRefuseAnotherProfilesProgramAndKeepTheirOwn) {
  Given({L"A", L"B"}, 1);
  Link(0, L"C:\\Games\\Racer.exe");
  view.dialogAnswers = {L"c:\\games\\RACER.exe"};
  view.SetLinkChecked(true, true);
  EXPECT_EQ(view.messages, std::vector<std::wstring>{L"message_text_13"});
  EXPECT_FALSE(view.linkChecked);
  EXPECT_EQ(Entry(params.linkFlagSection, L"1"), L"0");
  EXPECT_EQ(view.linkRowShown, GetParam().rowShownWhenUnchecked) << "the row after unchecking";

  view.messages.clear();
  view.dialogAnswers = {L"C:\\Tools\\Edit.exe", L"C:\\Tools\\Edit.exe"};
  view.SetLinkChecked(true, true);
  list.BrowseLink();  // its own program again
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(view.linkChecked);
  EXPECT_EQ(Entry(params.linkPathSection, L"1"), L"C:\\Tools\\Edit.exe");

  view.SetLinkChecked(false, true);
  view.SetLinkChecked(true, true);  // cancelled dialog
  EXPECT_FALSE(view.linkRowShown);
}

TEST_P(MouseListTable, ALinkPathWithoutABackslashShowsWholeAndTheProfileLoads) {
  Given({L"A", L"B"});
  Link(1, L"racer.exe");
  view.SelectIndex(1);
  EXPECT_EQ(view.linkText, L"racer.exe");
  EXPECT_TRUE(view.linkChecked);
  EXPECT_EQ(applied, std::vector<int>{1});
}

TEST_P(MouseListTable, ImportsAddOrReplaceAsTheListDoesAndRefuseAWrongMagic) {
  Given({L"A", L"B"});
  const Payload imported = Patterned(GetParam().payloadSize, 90);
  WriteProfileFile(folder / L"in.bin", imported.data(), imported.size(), PROFILE_KIND_MOUSE);
  view.dialogAnswers = {folder / L"in.bin"};
  list.Import();
  const std::wstring target = GetParam().importAdds ? L"Profile 1" : L"A";
  EXPECT_EQ(view.Count(), GetParam().importAdds ? 3 : 2);
  EXPECT_EQ(PayloadOfFile(FileOf(target)), imported);
  EXPECT_EQ(view.ItemName(view.selected), target);
  EXPECT_EQ(applied.back(), view.selected) << "the imported profile is loaded";

  std::vector<unsigned char> wrong = ReadBytes(folder / L"in.bin");
  wrong[0] ^= 0xFF;
  WriteBytes(folder / L"wrong.bin", wrong);
  const int count = view.Count();
  view.SelectIndex(1);
  view.dialogAnswers = {folder / L"wrong.bin"};
  view.duringDialog = [this] { EXPECT_FALSE(view.fileButtonsEnabled); };
  list.Import();
  EXPECT_EQ(view.messages.back(), L"message_text_9");
  EXPECT_TRUE(view.fileButtonsEnabled);
  EXPECT_EQ(PayloadOfFile(FileOf(L"B")), Payload(GetParam().payloadSize, 11));
  EXPECT_EQ(view.Count(), count + (GetParam().importAdds ? 1 : 0)) << "a device import keeps its new profile";
}

INSTANTIATE_TEST_SUITE_P(Mouse, MouseListTable, ::testing::ValuesIn(kListCases),
                         [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.label); });

TEST(MouseLists, OnlyTheDeviceListHasACancelLinkButtonAndAllShareOneIndexFile) {
  EXPECT_NE(MouseProfileListParams(MouseProfileKind::Device).cancelLinkButton, nullptr);
  EXPECT_EQ(MouseProfileListParams(MouseProfileKind::Light).cancelLinkButton, nullptr);
  EXPECT_EQ(MouseProfileListParams(MouseProfileKind::Key).cancelLinkButton, nullptr);
  for (MouseProfileKind kind : {MouseProfileKind::Device, MouseProfileKind::Light, MouseProfileKind::Key})
    EXPECT_STREQ(MouseProfileListParams(kind).indexFile, L"msProfile.ini");
}

// ---- Select and reset steps on a simulated mouse ----

TEST_F(MouseListFixture, ADeviceSelectSendsItsSettingsAndKeysToProfile0WhateverProfileIsActive) {
  auto mouse = Connect();
  mouse->EditMemory([](SimulatedMemory& memory) {
    memory.settings[0] = 3;
    memory.keyMemory[126] = 0x70;  // profile 1's first key, which bank 0's write reaches over
  });
  ASSERT_EQ(MouseReadResult::Read, ReadMouseMemory(channel));
  mouse->ClearWireLog();
  const std::vector<uint8_t> keysBefore = mouse->Memory().keyMemory;
  Payload profile = Patterned(MOUSE_DEVICE_PAYLOAD_SIZE, 5);
  profile[512] = 3;  // the block names on-board profile 3
  profile[512 + MOUSE_BLOCK_POINTER_SPEED] = 12;
  profile[512 + MOUSE_BLOCK_WHEEL_LINES] = 7;
  Store(MouseProfileKind::Device, {L"Game"}, {profile});
  RecordingPage page;
  page.mouse = mouse.get();
  SelectMouseDeviceProfileAt(channel, folder.path(), 0, page);

  const auto shapes = Shapes(*mouse);
  ASSERT_GE(shapes.size(), 2u);
  EXPECT_EQ(shapes[0], (std::array<int, 3>{0x06, 33, 0}));
  for (size_t i = 1; i < shapes.size(); ++i) EXPECT_EQ(shapes[i][0], 0x09) << i;
  EXPECT_EQ(shapes[1][2], 0) << "bank 0";
  const std::vector<uint8_t> keys = mouse->Memory().keyMemory;
  EXPECT_TRUE(std::equal(profile.begin(), profile.begin() + 126, keys.begin())) << "bank 0 is the profile's";
  EXPECT_TRUE(std::equal(keys.begin() + 126, keys.end(), keysBefore.begin() + 126)) << "the later banks stay";
  EXPECT_EQ(page.Names(), (std::vector<std::string>{"pointer", "refresh", "dirty", "relabel"}));
  EXPECT_EQ(page.events[1].second, 0u) << "refreshed before the settings go";
  EXPECT_EQ(page.events[3].second, 1u) << "relabelled between the settings and the keys";
  EXPECT_EQ(page.slider, 5) << "speed / 2 - 1";
  EXPECT_TRUE(page.speedApplied);
  EXPECT_EQ(MouseWheelLines.load(), 7);
}

TEST_F(MouseListFixture, ALightSelectSendsNothingAndLeavesTheWindowsSpeed) {
  auto mouse = Connect();
  const MouseKeyTable keys = MouseKeyTables[0];
  Payload light = Patterned(MOUSE_LIGHT_PAYLOAD_SIZE, 1);
  light[MOUSE_BLOCK_POINTER_SPEED] = 10;
  Store(MouseProfileKind::Light, {L"Glow"}, {light});
  RecordingPage page;
  SelectMouseLightProfileAt(folder.path(), 0, page);
  EXPECT_TRUE(mouse->Requests().empty());
  EXPECT_EQ(page.slider, 5) << "speed / 2";
  EXPECT_FALSE(page.speedApplied);
  EXPECT_EQ(page.Names(), (std::vector<std::string>{"pointer", "refresh", "dirty"}));
  EXPECT_TRUE(std::equal(light.begin(), light.end(), MouseSettingsBlocks[0].begin()));
  EXPECT_EQ(MouseKeyTables[0], keys);
}

TEST_F(MouseListFixture, AKeySelectSendsOnlyItsKeysAsBank0) {
  auto mouse = Connect();
  const MouseStateSnapshot before;
  const Payload keys = Patterned(MOUSE_KEY_PAYLOAD_SIZE, 3);
  Store(MouseProfileKind::Key, {L"Keys"}, {keys});
  RecordingPage page;
  SelectMouseKeyProfileAt(channel, folder.path(), 0, page);
  for (const auto& shape : Shapes(*mouse)) EXPECT_EQ(shape[0], 0x09);
  EXPECT_EQ(Shapes(*mouse).at(0)[2], 0);
  EXPECT_EQ(page.Names(), (std::vector<std::string>{"close", "relabel"}));
  EXPECT_TRUE(std::equal(keys.begin(), keys.end(), MouseKeyTables[0].begin()));
  EXPECT_EQ(MouseSettingsBlocks, before.blocks);
  EXPECT_EQ(MousePointerSpeed.load(), before.speed);
}

TEST_F(MouseListFixture, ResetsSaveSendAndSetTheFactoryPointerValues) {
  auto mouse = Connect();
  Store(MouseProfileKind::Device, {L"D"}, {Patterned(MOUSE_DEVICE_PAYLOAD_SIZE, 1)});
  Store(MouseProfileKind::Light, {L"L"}, {Patterned(MOUSE_LIGHT_PAYLOAD_SIZE, 2)});
  Store(MouseProfileKind::Key, {L"K"}, {Patterned(MOUSE_KEY_PAYLOAD_SIZE, 3)});
  MousePointerSpeed = 14;
  MouseWheelLines = 9;
  RecordingPage page;

  const Payload device = Factory(MouseProfileKind::Device);
  ResetMouseDeviceProfileTo(channel, folder.path(), device, page);
  Payload saved = File(L"D.config");
  EXPECT_TRUE(std::equal(device.begin(), device.begin() + 512 + 33, saved.begin()));
  EXPECT_EQ(saved[512 + MOUSE_BLOCK_POINTER_SPEED], 14) << "the values from before the reset";
  EXPECT_EQ(saved[512 + MOUSE_BLOCK_WHEEL_LINES], 9);
  auto shapes = Shapes(*mouse);
  EXPECT_EQ(shapes.at(0), (std::array<int, 3>{0x06, 33, 0}));
  EXPECT_EQ(shapes.at(1)[0], 0x09);
  EXPECT_EQ(shapes.at(1)[2], 0);
  EXPECT_EQ(page.slider, 4);
  EXPECT_EQ(MousePointerSpeed.load(), 10);
  EXPECT_EQ(MouseWheelLines.load(), 6);

  mouse->ClearWireLog();
  MouseSettingsBlocks[0][60] = 0x5A;
  const Payload light = Factory(MouseProfileKind::Light);
  ResetMouseLightProfileTo(channel, folder.path(), light, page);
  EXPECT_EQ(Shapes(*mouse), (std::vector<std::array<int, 3>>{{0x06, 56, 0}}));
  // The saves fold the pointer values from before the reset into bytes 33 and 34.
  EXPECT_TRUE(std::equal(light.begin(), light.begin() + 33, MouseSettingsBlocks[0].begin()));
  EXPECT_TRUE(std::equal(light.begin() + 35, light.begin() + 56, MouseSettingsBlocks[0].begin() + 35));
  EXPECT_EQ(MouseSettingsBlocks[0][MOUSE_BLOCK_WHEEL_LINES], 6);
  EXPECT_EQ(MouseSettingsBlocks[0][60], 0x5A) << "bytes 56..63 stay";
  EXPECT_EQ(File(L"L.led")[60], 0x5A);
  EXPECT_TRUE(std::equal(light.begin(), light.begin() + 33, File(L"D.config").begin() + 512));
  EXPECT_EQ(page.slider, 5);
  EXPECT_EQ(MousePointerSpeed.load(), 10);
  EXPECT_EQ(MouseWheelLines.load(), 1);

  mouse->ClearWireLog();
  const MouseSettingsBlock block = MouseSettingsBlocks[0];
  const Payload keys = Factory(MouseProfileKind::Key);
  ResetMouseKeyProfileTo(channel, folder.path(), keys, page);
  EXPECT_EQ(File(L"K.pro"), keys);
  for (const auto& shape : Shapes(*mouse)) EXPECT_EQ(shape[0], 0x09);
  EXPECT_TRUE(std::equal(keys.begin(), keys.end(), mouse->Memory().keyMemory.begin()));
  EXPECT_EQ(MouseSettingsBlocks[0], block);
  EXPECT_EQ(MouseWheelLines.load(), 1);
}

// ---- The device watcher: the program in front selects its profile ----

struct InjectedForegroundProgram : ForegroundProgram {
  InjectedForegroundProgram() { InstallForegroundProgram(this); }
  ~InjectedForegroundProgram() override { InstallForegroundProgram(nullptr); }
  std::wstring Path() override { return path; }
  std::wstring path;
};

TEST_F(MouseListFixture, ALinkedProgramShowsItsProfileWhileSavesKeepToIt) {
  InjectedForegroundProgram foreground;
  FakeClock clock;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const NamedProfileListParams& params = MouseProfileListParams(MouseProfileKind::Device);
  Store(MouseProfileKind::Device, {L"Saved", L"Linked"},
        {Patterned(MOUSE_DEVICE_PAYLOAD_SIZE, 1), Patterned(MOUSE_DEVICE_PAYLOAD_SIZE, 2)});
  WriteIniText(index, params.linkFlagSection, L"1", L"1");
  WriteIniText(index, params.linkPathSection, L"1", L"C:\\Games\\Racer.exe");
  WriteIniNumber(index, params.selectionSection, L"select", 0);
  const Payload saved = File(L"Saved.config");

  RecordingPage page;
  NamedProfileListHooks hooks;
  hooks.apply = [&](int i) { SelectMouseDeviceProfileAt(channel, folder.path(), i, page); };
  FakeProfileListView view;
  NamedProfileList list(params, hooks, folder.path(), view);
  view.onItemSelect = [&] { list.Select(); };
  view.AppendItem(L"Saved", ProfileListView::ItemOrigin::Filled);
  view.AppendItem(L"Linked", ProfileListView::ItemOrigin::Filled);

  ForegroundWatch watch;
  RunForegroundWatcherPass(params, folder.path(), view, watch, stop);
  EXPECT_EQ(view.selected, 0);
  foreground.path = L"c:\\games\\racer.EXE";
  RunForegroundWatcherPass(params, folder.path(), view, watch, stop);
  EXPECT_EQ(view.selected, 1) << "within one pass";
  EXPECT_EQ(ReadIniNumber(index, params.selectionSection, L"select"), 0);

  MouseLiveSettings[1] = 0x77;  // a change on the page, saved
  ASSERT_EQ(SaveMouseProfile(MouseProfileKind::Device, folder.path()), 0);
  EXPECT_EQ(File(L"Linked.config")[512 + 1], 0x77);
  EXPECT_EQ(File(L"Saved.config"), saved);

  foreground.path = L"C:\\Windows\\explorer.exe";
  RunForegroundWatcherPass(params, folder.path(), view, watch, stop);
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(MouseLiveSettings[1], saved[512 + 1]) << "the saved profile is back";
  CloseHandle(stop);
}

TEST_F(MouseListFixture, BeforeAnyLoadASaveGoesToTheProfileTheSelectEntryNames) {
  Store(MouseProfileKind::Key, {L"A", L"B"}, {Patterned(512, 1), Patterned(512, 2)});
  WriteIniNumber(index, L"PROFILESELECT", L"select", 1);
  MouseKeyTables[0].fill(0x44);
  ASSERT_EQ(SaveMouseProfile(MouseProfileKind::Key, folder.path()), 0);
  EXPECT_EQ(File(L"B.pro"), Payload(512, 0x44));
  ASSERT_EQ(LoadMouseProfile(MouseProfileKind::Key, folder.path(), 0), 0);
  MouseKeyTables[0].fill(0x55);
  ASSERT_EQ(SaveMouseProfile(MouseProfileKind::Key, folder.path()), 0);
  EXPECT_EQ(File(L"A.pro"), Payload(512, 0x55));
  EXPECT_EQ(File(L"B.pro"), Payload(512, 0x44));
}

// A file that fails its check is kept: the saves stay with the profile that loaded last.
TEST_F(MouseListFixture, AFailedLoadLeavesTheSaveTargetWhereItWas) {
  Store(MouseProfileKind::Key, {L"A", L"Foreign", L"Gone"}, {Patterned(512, 1), Patterned(512, 2), Patterned(512, 3)});
  WriteBytes(folder / L"Foreign.pro", std::vector<unsigned char>(528, 0x55));
  DeleteFileW((folder / L"Gone.pro").c_str());
  ASSERT_EQ(LoadMouseProfile(MouseProfileKind::Key, folder.path(), 0), 0);
  EXPECT_EQ(LoadMouseProfile(MouseProfileKind::Key, folder.path(), 1), -1);
  EXPECT_EQ(LoadMouseProfile(MouseProfileKind::Key, folder.path(), 2), 1);
  MouseKeyTables[0].fill(0x66);
  ASSERT_EQ(SaveMouseProfile(MouseProfileKind::Key, folder.path()), 0);
  EXPECT_EQ(File(L"A.pro"), Payload(512, 0x66));
  EXPECT_EQ(ReadBytes(folder / L"Foreign.pro"), std::vector<unsigned char>(528, 0x55));
  EXPECT_FALSE(PathExists(folder / L"Gone.pro"));
}

}  // namespace
