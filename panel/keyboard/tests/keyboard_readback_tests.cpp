#include <cstring>
#include <thread>

#include "fake_clock.h"
#include "keyboard_device_profile.h"
#include "keyboard_factory_data.h"
#include "keyboard_profile_payloads.h"
#include "keyboard_readback.h"
#include "keyboard_test_fixture.h"
#include "profile_store.h"

namespace {

using KeyboardReadBackTest = KeyboardFixture;

// A state that a read-back must not disturb: everything non-zero.
KeyboardState FilledState() {
  KeyboardState state;
  std::memset(state.info.bytes, 0x44, sizeof state.info.bytes);
  state.KEYBOARD_FACTORY_KEY_TABLE.fill(0x11);
  for (auto& table : state.keyTables) table.fill(0x22);
  for (auto& block : state.settingsBlocks) block.fill(0x03);
  state.KeyboardLiveSettings.fill(0x02);
  state.KeyboardUiKeyMap.fill(7);
  return state;
}

TEST_F(KeyboardReadBackTest, AFailedReadChangesNothingAndSavesNothing) {
  struct Case {
    const char* what;
    bool plugged;
    SimulatedFault fault;
    unsigned afterRequests;
  };
  // Requests of a 105-slot read-back: 0x01, 0x03, 6 x 0x07, 0x05, 6 x 0x08, 0x05, 0x02.
  const Case cases[] = {{"absent", false, SimulatedFault::NoReply, 0},
                        {"0x03 refused", true, SimulatedFault::StatusFF, 1},
                        {"0x07 refused", true, SimulatedFault::StatusFF, 2},
                        {"unplugged after 0x05", true, SimulatedFault::Unplug, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimulatedHidBackend bus;
    DeviceCommandChannel channel(bus);
    auto keyboard = MakeSimulatedKeyboard(0x0632);
    if (c.plugged) {
      channel.m_device.Open(bus.Attach(keyboard), true, true, true, false);
      channel.m_connected = 1;
      keyboard->InjectFault(c.fault, c.afterRequests);
    }
    KeyboardState state = FilledState();
    const KeyboardState before = state;
    const KeyboardReadResult result = ReadKeyboardMemory(channel, state);
    EXPECT_NE(KeyboardReadResult::Read, result);
    EXPECT_TRUE(SameState(before, state));
    EXPECT_FALSE(PathExists(folder / L"0.kconfig"));
  }
}

TEST_F(KeyboardReadBackTest, AnActiveProfileOf1To4IsReadToo) {
  struct Case {
    uint8_t deviceIndex;
    int live;
    std::vector<std::array<int, 3>> extra;  // requests between the 1-byte read and 0x02
  };
  std::vector<std::array<int, 3>> bank2 = {{0x05, 56, 128}};
  for (int done = 0; done < 318; done += 56) bank2.push_back({0x08, done + 56 < 318 ? 56 : 318 - done, 252 + done});
  const Case cases[] = {{0, 0, {}}, {2, 2, bank2}, {200, 0, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.deviceIndex));
    SimulatedHidBackend bus;
    DeviceCommandChannel channel(bus);
    auto keyboard = MakeSimulatedKeyboard(0x763E);
    keyboard->EditMemory([&](SimulatedMemory& memory) {
      memory.settings[0] = c.deviceIndex;
      memory.settings[128 + 5] = 0x5A;
      memory.keyMemory[252] = 0x71;
    });
    channel.m_device.Open(bus.Attach(keyboard), true, true, true, false);
    channel.m_connected = 1;
    KeyboardState state;
    ASSERT_EQ(KeyboardReadResult::Read, ReadKeyboardMemory(channel, state));
    EXPECT_EQ(c.live, state.LiveProfileIndex());
    EXPECT_EQ(c.live, state.KeyboardLiveSettings[0]);
    const auto shapes = Shapes(*keyboard);
    const std::vector<std::array<int, 3>> tail(shapes.end() - 1 - c.extra.size(), shapes.end() - 1);
    EXPECT_EQ(c.extra, tail);
    EXPECT_EQ((std::array<int, 3>{0x05, 1, 0}), *(shapes.end() - 2 - c.extra.size()));
    if (c.live == 2) {
      EXPECT_EQ(0x5A, state.settingsBlocks[2][5]);
      EXPECT_EQ(0x71, state.keyTables[2][0]);
    }
  }
}

TEST_F(KeyboardReadBackTest, AReadBackFillsTheStateAndTheKeyMap) {
  auto keyboard = Connect(0x7513);
  ASSERT_EQ(KeyboardReadResult::Read, ReadKeyboardMemory(channel, state));
  const KeyboardKeyTable factory = KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB);
  EXPECT_EQ(factory, state.KEYBOARD_FACTORY_KEY_TABLE);
  EXPECT_EQ(factory, state.keyTables[0]);
  EXPECT_EQ(1, state.settingsBlocks[0][1]);  // the keyboard's block 0: mode 1
  EXPECT_EQ(0, state.settingsBlocks[0][56]) << "only 56 bytes are read";
  EXPECT_EQ(0, state.KeyboardUiKeyMap[0]);
}

// While the read-back waits for the keyboard, another thread loads a light profile and the page
// stores an edit. The read-back stores only what it read (device info, the factory table, block 0's
// 56 bytes, key table 0 and the live profile index), so everything else they stored survives; and
// it holds the state's lock only while it stores, never while it waits.
TEST_F(KeyboardReadBackTest, AProfileLoadAndAnEditStoredMidReadSurviveTheReadBack) {
  FakeClock clock;
  auto keyboard = Connect(0x7513);
  std::vector<uint8_t> profile(KEYBOARD_LIGHT_PAYLOAD_SIZE, 0x66);
  profile[0] = 0;
  state.loadedDeviceProfile = 1;

  bool edited = false, unlocked = false;
  keyboard->SetRequestObserver([&](const uint8_t* request) {
    if (edited || request[COMMAND_FIELD_COMMAND] != 0x08) return;
    edited = true;
    std::thread([&] {
      unlocked = state.lock.try_lock();
      if (!unlocked) return;
      ApplyKeyboardLightProfile(state, profile.data());
      state.loadedDeviceProfile = 2;
      state.lock.unlock();
      state.KeyboardLiveSettings[4] = 0x01;  // a single-byte edit of the page, as the light page stores it
    }).join();
  });
  ASSERT_EQ(KeyboardReadResult::Read, ReadKeyboardMemory(channel, state));
  keyboard->SetRequestObserver(nullptr);

  ASSERT_TRUE(edited);
  EXPECT_TRUE(unlocked) << "the state is locked only while the read-back stores";
  EXPECT_EQ(2, state.loadedDeviceProfile);
  EXPECT_EQ(0x66, state.KeyboardLiveSettings[1]) << "the loaded profile's live settings";
  EXPECT_EQ(0x01, state.KeyboardLiveSettings[4]) << "the page's edit";
  EXPECT_EQ(0, state.LiveProfileIndex()) << "read from the keyboard";
  EXPECT_EQ(0x66, state.KeyboardCustomPaint[0]);
  EXPECT_EQ(0x66, state.KeyboardCustomLayouts[4][KEYBOARD_LAYOUT_SIZE - 1]);
  EXPECT_EQ(0x66, state.settingsBlocks[0][60]) << "bytes 56..63 are not read";
  EXPECT_EQ(1, state.settingsBlocks[0][1]) << "block 0's read bytes are the keyboard's";
  EXPECT_EQ(KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB), state.keyTables[0]);
}

TEST_F(KeyboardReadBackTest, ASettingsChangeReportReloadsBlock0AsProfile0AndSaves) {
  WriteText(folder / L"kbProfile.ini", "[PROFILEDEVICESELECT]\r\nselect=0\r\n[PROFILEDEVICENAME]\r\n0=Work\r\n");
  auto keyboard = Connect(0x0632);
  LoadKeyboardDeviceProfile(state, folder.path(), 0);  // as the detection does; the file is not there yet
  keyboard->EditMemory([](SimulatedMemory& memory) {
    memory.settings[0] = 3;
    memory.settings[1] = 9;
  });
  state.KeyboardLiveSettings.fill(0x0B);
  state.KeyboardLiveSettings[0] = 1;
  ASSERT_TRUE(ReloadActiveKeyboardProfile(channel, state));
  ASSERT_EQ(0, SaveKeyboardDeviceProfile(state, folder.path()));
  EXPECT_EQ(0x0B, state.settingsBlocks[1][5]) << "the live settings went back to their block";
  EXPECT_EQ(0, state.LiveProfileIndex());
  EXPECT_EQ(0, state.settingsBlocks[0][0]);
  EXPECT_EQ(9, state.KeyboardLiveSettings[1]);
  const std::vector<unsigned char> file = ReadBytes(folder / L"Work.kconfig");
  ASSERT_EQ(2486u, file.size());
  EXPECT_EQ(0, file[16]);
  EXPECT_EQ(9, file[17]);

  const KeyboardState before = state;
  keyboard->Unplug();
  EXPECT_FALSE(ReloadActiveKeyboardProfile(channel, state));
  EXPECT_TRUE(SameState(before, state));
}

TEST_F(KeyboardReadBackTest, TheFactoryKeyProfileIsStoredOnlyFromAGoodRead) {
  auto keyboard = Connect(0x763E);
  state.model = KEYBOARD_MODEL_RGB2;
  state.info.bytes[5] = 106;
  channel.SetTransferSize(318);
  keyboard->InjectFault(SimulatedFault::StatusFE, 3);
  EXPECT_FALSE(StoreKeyboardFactoryKeyProfile(channel, state, folder.path()));
  EXPECT_FALSE(PathExists(folder / L"kbkey16default.pro"));
  EXPECT_TRUE(StoreKeyboardFactoryKeyProfile(channel, state, folder.path()));
  std::vector<unsigned char> file = ReadBytes(folder / L"kbkey16default.pro");
  ASSERT_EQ(528u, file.size());
  const KeyboardKeyTable factory = KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB2);
  EXPECT_TRUE(std::equal(factory.begin(), factory.end(), file.begin() + 16));
  EXPECT_NE(KEYBOARD_NO_SLOT, state.KeyboardUiKeyMap[80]);
}

}  // namespace
