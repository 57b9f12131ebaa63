// The keyboard's three profile lists: their first run, and what selecting and resetting load, save
// and send to a simulated keyboard.
#include <numeric>

#include "fake_profile_list_view.h"
#include "ini_values.h"
#include "keyboard_device_profile.h"
#include "keyboard_key_editor.h"
#include "keyboard_profile_lists.h"
#include "keyboard_profile_payloads.h"
#include "keyboard_test_fixture.h"
#include "profile_store.h"

namespace {
using Payload = std::vector<uint8_t>;

Payload PayloadOfFile(const std::wstring& path) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  return bytes.size() < 16 ? Payload{} : Payload(bytes.begin() + 16, bytes.end());
}

// A payload whose every byte differs from its neighbours, with on-board profile `bank` in byte 0.
Payload Patterned(size_t size, uint8_t seed, uint8_t bank) {
  Payload payload(size);
  std::iota(payload.begin(), payload.end(), seed);
  payload[0] = bank;
  return payload;
}

struct KeyboardListFixture : KeyboardFixture {
  const std::wstring index = folder / L"kbProfile.ini";
  std::vector<size_t> requestsWhenShown;

  std::function<void()> Shown(const SimulatedDevice& device) {
    return [this, &device] { requestsWhenShown.push_back(device.Requests().size()); };
  }
  void Store(const KeyboardProfileList& list, const std::vector<std::wstring>& names, const std::vector<Payload>& payloads) {
    WriteIniNumber(index, list.params.countSection, L"count", static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      WriteIniText(index, list.params.nameSection, std::to_wstring(i), names[i]);
      WriteProfileFile(folder / (names[i] + list.params.extension), payloads[i].data(), payloads[i].size(),
                       PROFILE_KIND_KEYBOARD);
    }
  }
  Payload DeviceFile(const std::wstring& name) { return PayloadOfFile(folder / (name + L".kconfig")); }
};

TEST_F(KeyboardListFixture, AFirstRunWithoutAKeyboardMakesProfile1OfEachListFromTheModel2Files) {
  ASSERT_EQ(state.model, KEYBOARD_MODEL_RGB2);
  for (const KeyboardProfileList* list : {&KeyboardDeviceProfiles(), &KeyboardLightProfiles(), &KeyboardKeyProfiles()}) {
    FakeProfileListView view;
    NamedProfileListHooks hooks;
    hooks.factoryFile = [&] { return KeyboardFactoryProfileFile(*list, state.model, ReleaseFolder()); };
    NamedProfileList named(list->params, hooks, folder.path(), view);
    ASSERT_TRUE(named.Fill()) << list->params.extension;
    const std::wstring factory = ReleaseFolder() + list->factoryFiles[KEYBOARD_MODEL_RGB2];
    EXPECT_EQ(PayloadOfFile(folder / (L"Profile 1" + std::wstring(list->params.extension))), PayloadOfFile(factory));
    EXPECT_EQ(ReadIniText(index, list->params.countSection, L"count"), L"1");
    EXPECT_EQ(ReadIniText(index, list->params.nameSection, L"0"), L"Profile 1");
    EXPECT_EQ(ReadIniText(index, list->params.linkFlagSection, L"0"), L"0");
    EXPECT_EQ(ReadIniText(index, list->params.selectionSection, L"select"), L"0");
  }
  EXPECT_EQ(ReadBytes(folder / L"Profile 1.kconfig").size(), 16u + 2470u);
  EXPECT_EQ(ReadBytes(folder / L"Profile 1.led").size(), 16u + 1958u);
  EXPECT_EQ(ReadBytes(folder / L"Profile 1.pro").size(), 16u + 512u);
}

TEST_F(KeyboardListFixture, SelectingADeviceProfileSendsItsSettingsThenItsKeysToTheBankItNames) {
  auto keyboard = Connect(0x763E);
  const Payload profile = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 7, 2);
  Store(KeyboardDeviceProfiles(), {L"Game"}, {profile});
  SelectKeyboardDeviceProfileAt(channel, state, folder.path(), 0, Shown(*keyboard));
  const auto shapes = Shapes(*keyboard);
  ASSERT_GE(shapes.size(), 2u);
  EXPECT_EQ(shapes[0], (std::array<int, 3>{0x06, 56, 0}));
  EXPECT_EQ(shapes[1][0], 0x09);
  EXPECT_EQ(shapes[1][2], 2 * 126) << "bank 2";
  EXPECT_EQ(requestsWhenShown, std::vector<size_t>{1}) << "the page shows the state between the two";
  EXPECT_EQ(EncodeKeyboardDeviceProfile(state), profile);
  const SimulatedMemory memory = keyboard->Memory();
  EXPECT_TRUE(std::equal(profile.begin() + 1958, profile.end(), memory.keyMemory.begin() + 2 * 126));
}

// The key table that the key page edits is the live on-board profile's; a device profile file holds
// that one, and selecting the file sends it back to that profile's bank.
TEST_F(KeyboardListFixture, TheLiveProfilesKeyTableIsTheOneEditedSavedAndSentBack) {
  auto keyboard = Connect(0x763E);
  Store(KeyboardDeviceProfiles(), {L"Game"}, {Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 7, 2)});
  SelectKeyboardDeviceProfileAt(channel, state, folder.path(), 0, [] {});
  ASSERT_EQ(state.LiveProfileIndex(), 2);
  state.KEYBOARD_FACTORY_KEY_TABLE.fill(0x5C);
  KeyboardKeyEditor editor;
  editor.editSlot = 5;
  RestoreKeyAssignment(state, editor);  // the key page's "default" for slot 5
  ASSERT_EQ(SaveKeyboardDeviceProfile(state, folder.path()), 0);
  EXPECT_EQ(DeviceFile(L"Game")[1958 + 15], 0x5C) << "the edit is in the file";

  state.keyTables[2].fill(0);
  keyboard->ClearWireLog();
  SelectKeyboardDeviceProfileAt(channel, state, folder.path(), 0, [] {});
  EXPECT_EQ(state.keyTables[2][15], 0x5C);
  EXPECT_EQ(keyboard->Memory().keyMemory[2 * 126 + 15], 0x5C) << "and goes back to bank 2";
}

TEST_F(KeyboardListFixture, SelectingAKeyProfileSendsOnlyItsKeysToTheLiveProfilesBank) {
  auto keyboard = Connect(0x763E);
  state.SetLiveProfileIndex(3);
  const KeyboardState before = state;
  const Payload keys = Patterned(KEYBOARD_KEY_PAYLOAD_SIZE, 3, 9);
  Store(KeyboardKeyProfiles(), {L"Keys"}, {keys});
  SelectKeyboardKeyProfileAt(channel, state, folder.path(), 0, Shown(*keyboard));
  EXPECT_EQ(Commands(*keyboard), std::vector<int>{0x09});
  EXPECT_EQ(Shapes(*keyboard)[0][2], 3 * 126);
  EXPECT_TRUE(std::equal(keys.begin(), keys.end(), state.keyTables[3].begin()));
  EXPECT_EQ(state.keyTables[0], before.keyTables[0]);
  EXPECT_EQ(state.KeyboardLiveSettings, before.KeyboardLiveSettings) << "the lighting stays";
  EXPECT_EQ(state.KeyboardCustomLayouts, before.KeyboardCustomLayouts);
}

// A light profile carries no keys: the keys in use stay, also when it names another on-board profile.
TEST_F(KeyboardListFixture, ALightProfileChangesTheLightingAndLeavesTheKeys) {
  state.keyTables[0].fill(0x27);
  const Payload light = Patterned(KEYBOARD_LIGHT_PAYLOAD_SIZE, 5, 1);
  Store(KeyboardLightProfiles(), {L"Glow"}, {light});
  EXPECT_EQ(LoadKeyboardLightProfile(state, folder.path(), 0), 0);
  EXPECT_EQ(EncodeKeyboardLightProfile(state), light);
  EXPECT_EQ(state.LiveProfileIndex(), 1);
  EXPECT_EQ(state.LiveKeyTable()[0], 0x27);
}

TEST_F(KeyboardListFixture, AMissingProfileSendsTheStateAsItWas) {
  auto keyboard = Connect(0x763E);
  Store(KeyboardDeviceProfiles(), {L"Game"}, {Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 7, 2)});
  DeleteFileW((folder / L"Game.kconfig").c_str());
  state.settingsBlocks[0].fill(0x31);
  state.KeyboardLiveSettings.fill(0x31);
  state.SetLiveProfileIndex(1);
  state.keyTables[1].fill(0x42);
  const Payload before = EncodeKeyboardDeviceProfile(state);
  SelectKeyboardDeviceProfileAt(channel, state, folder.path(), 0, [] {});
  EXPECT_EQ(EncodeKeyboardDeviceProfile(state), before);
  const auto shapes = Shapes(*keyboard);
  ASSERT_GE(shapes.size(), 2u);
  EXPECT_EQ(shapes[0], (std::array<int, 3>{0x06, 56, 0}));
  EXPECT_EQ(shapes[1][2], 126) << "the bank the unchanged state names";
  EXPECT_EQ(keyboard->Memory().keyMemory[126], 0x42);
}

// Every reset lands in the selected device profile; the light and key lists' files stay.
TEST_F(KeyboardListFixture, ResetsRewriteOnlyTheSelectedDeviceProfile) {
  auto keyboard = Connect(0x763E);
  const Payload a = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 1, 0), b = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 2, 0);
  Store(KeyboardDeviceProfiles(), {L"A", L"B"}, {a, b});
  WriteIniNumber(index, L"PROFILEDEVICESELECT", L"select", 1);
  Store(KeyboardLightProfiles(), {L"L"}, {Patterned(KEYBOARD_LIGHT_PAYLOAD_SIZE, 3, 0)});
  Store(KeyboardKeyProfiles(), {L"K"}, {Patterned(KEYBOARD_KEY_PAYLOAD_SIZE, 4, 0)});
  const std::vector<unsigned char> lightFile = ReadBytes(folder / L"L.led"), keyFile = ReadBytes(folder / L"K.pro");
  ASSERT_EQ(LoadKeyboardDeviceProfile(state, folder.path(), 1), 0);

  const Payload factoryLight = Patterned(KEYBOARD_LIGHT_PAYLOAD_SIZE, 50, 0);
  ResetKeyboardLightProfileTo(state, folder.path(), factoryLight);
  Payload expected(factoryLight);
  expected.insert(expected.end(), b.begin() + 1958, b.end());
  EXPECT_EQ(DeviceFile(L"B"), expected) << "factory lighting, the previous key table";
  EXPECT_TRUE(keyboard->Requests().empty()) << "the light reset sends nothing";

  const Payload factoryKeys = Patterned(KEYBOARD_KEY_PAYLOAD_SIZE, 60, 0);
  ResetKeyboardKeyProfileTo(channel, state, folder.path(), factoryKeys, [] {});
  std::copy(factoryKeys.begin(), factoryKeys.end(), expected.begin() + 1958);
  EXPECT_EQ(DeviceFile(L"B"), expected);
  EXPECT_EQ(Commands(*keyboard), std::vector<int>{0x09});
  EXPECT_EQ(Shapes(*keyboard)[0][2], 0);

  keyboard->ClearWireLog();
  const Payload factoryDevice = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 70, 3);
  ResetKeyboardDeviceProfileTo(channel, state, folder.path(), factoryDevice, [] {});
  EXPECT_EQ(DeviceFile(L"B"), factoryDevice);
  EXPECT_EQ(Commands(*keyboard), std::vector<int>{0x09}) << "no settings write";
  EXPECT_EQ(Shapes(*keyboard)[0][2], 3 * 126);

  EXPECT_EQ(DeviceFile(L"A"), a);
  EXPECT_EQ(ReadBytes(folder / L"L.led"), lightFile);
  EXPECT_EQ(ReadBytes(folder / L"K.pro"), keyFile);
}

}  // namespace

// A watcher loads a linked profile without changing the saved selection: changes made meanwhile
// belong to the profile shown, and the user's saved profile keeps its settings. Before any load the
// state holds no profile of the user's, and nothing is saved.
TEST_F(KeyboardListFixture, ChangesAreSavedToTheProfileLastLoadedNotTheSavedSelection) {
  auto keyboard = Connect(0x763E);
  const Payload a = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 1, 0), b = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 2, 0);
  Store(KeyboardDeviceProfiles(), {L"A", L"B"}, {a, b});
  WriteIniNumber(index, L"PROFILEDEVICESELECT", L"select", 0);
  EXPECT_EQ(SaveKeyboardDeviceProfile(state, folder.path()), 1) << "before any load";
  EXPECT_EQ(DeviceFile(L"A"), a);

  SelectKeyboardDeviceProfileAt(channel, state, folder.path(), 1, [] {});
  state.KeyboardCustomPaint.fill(0x5A);
  ASSERT_EQ(SaveKeyboardDeviceProfile(state, folder.path()), 0);
  EXPECT_EQ(DeviceFile(L"A"), a) << "the saved selection is untouched";
  EXPECT_EQ(DeviceFile(L"B"), EncodeKeyboardDeviceProfile(state));
}

// A selected profile whose file cannot be read is kept as it is on disk: the changes made after it
// go nowhere, not over the file and not into the profile shown before it.
TEST_F(KeyboardListFixture, AnUnreadableProfileIsNeverSavedOver) {
  const Payload a = Patterned(KEYBOARD_DEVICE_PAYLOAD_SIZE, 1, 0);
  Store(KeyboardDeviceProfiles(), {L"A", L"B"}, {a, a});
  const std::vector<unsigned char> unreadable = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'r', 'o', 'f', 'i', 'l', 'e'};
  WriteBytes(folder / L"B.kconfig", unreadable);
  ASSERT_EQ(LoadKeyboardDeviceProfile(state, folder.path(), 0), 0);
  EXPECT_EQ(LoadKeyboardDeviceProfile(state, folder.path(), 1), -1);
  state.KeyboardCustomPaint.fill(0x5A);
  EXPECT_EQ(SaveKeyboardDeviceProfile(state, folder.path()), 1);
  EXPECT_EQ(ReadBytes(folder / L"B.kconfig"), unreadable);
  EXPECT_EQ(DeviceFile(L"A"), a);
}
