#include "keyboard_device_profile.h"
#include "keyboard_download.h"
#include "keyboard_readback.h"
#include "keyboard_test_fixture.h"
#include "macro_store_writer.h"

namespace {

struct KeyboardDownloadTest : KeyboardFixture {
  std::shared_ptr<SimulatedDevice> keyboard;

  // A 0x763E keyboard with 2 units (256 bytes) of macro memory, read back.
  void SetUp() override {
    SimulatedDeviceModel model = SimulatedKeyboardModel(0x763E);
    model.info.bytes[6] = 2;
    keyboard = std::make_shared<SimulatedDevice>(model);
    channel.m_device.Open(bus.Attach(keyboard), true, true, true, false);
    channel.m_connected = 1;
    ASSERT_EQ(KeyboardReadResult::Read, ReadKeyboardMemory(channel, state));
    keyboard->ClearWireLog();
    WriteText(folder / L"kbProfile.ini", "[PROFILEDEVICESELECT]\r\nselect=0\r\n[PROFILEDEVICENAME]\r\n0=Main\r\n");
    LoadKeyboardDeviceProfile(state, folder.path(), 0);  // as the detection does; the file is not there yet
  }
};

TEST_F(KeyboardDownloadTest, WithoutMacrosOnlyTheKeyTableIsWrittenAndTheProfileSaved) {
  state.keyTables[0][0] = 0x30;
  const KeyboardDownloadOutcome outcome = DownloadKeyboardMacros(channel, state, folder.path(), false);
  EXPECT_EQ(1, outcome.result);
  EXPECT_EQ((std::vector<int>{0x01, 0x09, 0x02}), Commands(*keyboard));
  EXPECT_EQ(0x30, keyboard->Memory().keyMemory[0]);
  EXPECT_EQ(2486u, ReadBytes(folder / L"Main.kconfig").size());
}

TEST_F(KeyboardDownloadTest, TheFlagReadsTheDeviceInfoBeforeTheKeyTable) {
  EXPECT_EQ(1, DownloadKeyboardMacros(channel, state, folder.path(), true).result);
  EXPECT_EQ((std::vector<int>{0x01, 0x03, 0x09, 0x02}), Commands(*keyboard));
}

TEST_F(KeyboardDownloadTest, AnImageThatFillsTheMemoryIsSentAndALongerOneRefused) {
  WriteMacroStore(folder, {MacroOf("a", 57), MacroOf("b", 0)});
  EXPECT_EQ(1, DownloadKeyboardMacros(channel, state, folder.path(), false).result);
  EXPECT_EQ((std::vector<int>{0x01, 0x15, 0x02, 0x01, 0x09, 0x02}), Commands(*keyboard));
  const std::vector<uint8_t> memory = keyboard->Memory().macroMemory;
  EXPECT_EQ(0xAA, memory[0]);
  EXPECT_EQ(0, memory[2]);  // length 256
  EXPECT_EQ(1, memory[3]);
  EXPECT_EQ(138, memory[250]);  // the type of the last action of "a", before the empty block of "b"

  keyboard->ClearWireLog();
  DeleteFileW((folder / L"Main.kconfig").c_str());
  WriteMacroStore(folder, {MacroOf("a", 59)});
  const KeyboardDownloadOutcome refused = DownloadKeyboardMacros(channel, state, folder.path(), false);
  EXPECT_EQ(0, refused.result);
  EXPECT_STREQ(L"message_text_16", refused.messageId);
  EXPECT_EQ(1, refused.messageNumber);
  EXPECT_TRUE(keyboard->WireLog().empty());
  EXPECT_FALSE(PathExists(folder / L"Main.kconfig"));
}

TEST_F(KeyboardDownloadTest, BeforeAnyReadBackEveryImageIsRefused) {
  KeyboardState fresh;
  WriteMacroStore(folder, {MacroOf("a", 1)});
  const KeyboardDownloadOutcome refused = DownloadKeyboardMacros(channel, fresh, folder.path(), false);
  EXPECT_EQ(0, refused.result);
  EXPECT_EQ(7, refused.messageNumber);  // 26 bytes over a capacity of 0
  EXPECT_TRUE(keyboard->WireLog().empty());
}

TEST_F(KeyboardDownloadTest, TheKeyTableGoesToTheLiveProfilesBank) {
  state.KeyboardLiveSettings[0] = 3;
  state.keyTables[3][0] = 0x40;
  EXPECT_EQ(1, DownloadKeyboardMacros(channel, state, folder.path(), false).result);
  EXPECT_EQ(3 * 126, Shapes(*keyboard)[1][2]);
  EXPECT_EQ(0x40, keyboard->Memory().keyMemory[3 * 126]);
}

}  // namespace
