#include "device_image_decoder.h"
#include "ini_values.h"
#include "mouse_download.h"
#include "mouse_memory.h"
#include "mouse_test_fixture.h"

namespace {

using CommandList = std::vector<int>;

// A store item: its name and how many actions its file holds (records all "5,0,138,4,1,x").
struct Item {
  std::string name;
  std::string count;
  int records;
};

void WriteItems(const std::wstring& folder, const std::string& countSection, const std::string& nameSection,
                const std::string& extension, const std::vector<Item>& items, const std::string& storedCount = "") {
  std::string index = "[" + countSection + "]\r\ncount=" +
                      (storedCount.empty() ? std::to_string(items.size()) : storedCount) + "\r\n[" + nameSection + "]\r\n";
  for (size_t i = 0; i < items.size(); ++i) index += std::to_string(i) + "=" + items[i].name + "\r\n";
  WriteText(folder + L"msMacro.ini", index);
  for (const Item& item : items) {
    std::string text = "[MACROACTIONCOUNT]\r\ncount=" + item.count + "\r\n[MACROACTION]\r\n";
    for (int j = 0; j < item.records; ++j) text += std::to_string(j) + "=5,0,138," + std::to_string(j & 0xFF) + ",1,x\r\n";
    WriteText(folder + std::wstring(item.name.begin(), item.name.end()) + std::wstring(extension.begin(), extension.end()),
              text);
  }
}

struct MouseDownloadTest : MouseFixture {
  std::shared_ptr<SimulatedDevice> mouse;

  // A mouse with 2 units (256 bytes) of macro memory, read back, with one device profile "Main".
  void SetUp() override {
    SimulatedDeviceModel model = SimulatedMouseModel();
    model.info.bytes[6] = 2;
    mouse = std::make_shared<SimulatedDevice>(model);
    channel.m_device.Open(bus.Attach(mouse), true, true, true, false);
    channel.m_connected = 1;
    ASSERT_EQ(MouseReadResult::Read, ReadMouseMemory(channel));
    mouse->ClearWireLog();
    WriteText(folder / L"msProfile.ini", "[PROFILEDEVICESELECT]\r\nselect=0\r\n[PROFILEDEVICENAME]\r\n0=Main\r\n");
  }
  void Macros(const std::vector<Item>& items, const std::string& storedCount = "") {
    WriteItems(folder.path(), "MACROCOUNT", "MACRONAME", ".mac", items, storedCount);
  }
  void Scripts(const std::vector<Item>& items) {
    WriteItems(folder.path(), "CURSORCOUNT", "CURSORNAME", ".cur", items);
  }
};

TEST_F(MouseDownloadTest, TwoMacrosOfThreeAndNoActionsAreThe40ByteImageThenTheKeyTable) {
  Macros({{"a", "3", 3}, {"b", "0", 0}});
  MouseLiveSettings[0] = 2;
  MouseKeyTables[2][0] = 0x70;
  MouseKeyTables[2][511] = 0x5A;
  EXPECT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);
  EXPECT_EQ((CommandList{0x01, 0x15, 0x02, 0x01, 0x09, 0x02}), Commands(*mouse));
  const std::vector<uint8_t> memory = mouse->Memory().macroMemory;
  const std::vector<uint8_t> expected = {0xAA, 0x55, 40, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x14, 0, 0x24, 0,
                                         3,    0,    0,  0, 5, 0, 138, 0, 5, 0, 138, 1, 5, 0, 138, 2, 0, 0, 0, 0};
  EXPECT_EQ(expected, std::vector<uint8_t>(memory.begin(), memory.begin() + 40));
  EXPECT_EQ(0x70, mouse->Memory().keyMemory[2 * 126]);
  EXPECT_EQ(0x5A, mouse->Memory().keyMemory[2 * 126 + 511]);  // all 512 bytes of the bank's table
  EXPECT_EQ(592u, ReadBytes(folder / L"Main.config").size());
}

// Banks lie 126 bytes apart and a write moves 512, so saving one profile's keys reaches into the
// next four banks: those bytes must be what the later profiles hold now, not what they held at the
// read-back.
TEST_F(MouseDownloadTest, SavingOneProfilesKeysKeepsTheKeysSavedToTheFollowingProfiles) {
  for (int profile : {1, 4}) {
    MouseLiveSettings[0] = static_cast<uint8_t>(profile);
    MouseKeyTables[profile][0] = 0x70;
    MouseKeyTables[profile][1] = static_cast<uint8_t>(profile);
    ASSERT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);
  }
  MouseLiveSettings[0] = 0;
  MouseKeyTables[0][3] = 0x71;
  ASSERT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);

  const std::vector<uint8_t> keys = mouse->Memory().keyMemory;
  const auto bankStart = [&keys](int bank) { return keys.begin() + bank * 126; };
  EXPECT_EQ(0x71, bankStart(0)[3]);
  for (int profile : {1, 4}) {
    EXPECT_EQ(0x70, bankStart(profile)[0]) << "profile " << profile << " keeps its saved key";
    EXPECT_EQ(profile, bankStart(profile)[1]) << profile;
  }
  EXPECT_TRUE(std::equal(MouseKeyTables[2].begin(), MouseKeyTables[2].begin() + 126, bankStart(2)));
}

TEST_F(MouseDownloadTest, WithoutMacrosTheKeyTableIsStillSentAndTheProfileSaved) {
  EXPECT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);
  EXPECT_EQ((CommandList{0x01, 0x09, 0x02}), Commands(*mouse));
  EXPECT_TRUE(PathExists(folder / L"Main.config"));
}

TEST_F(MouseDownloadTest, AnImageFillingTheMemoryIsSentAndTwoBytesMoreSendNothing) {
  // 16 + 6 × 2 + 4 × 57 = 256 bytes: exactly the memory.
  Macros({{"a", "57", 57}, {"b", "0", 0}});
  EXPECT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);
  const auto image = DecodeDeviceImage(mouse->Memory().macroMemory);
  ASSERT_TRUE(image);
  EXPECT_EQ(256u, image->length);
  EXPECT_EQ(57u, image->items[0].size());

  mouse->ClearWireLog();
  DeleteFileW((folder / L"Main.config").c_str());
  Macros({{"a", "59", 59}});  // 16 + 6 + 236 = 258: two bytes over
  const MouseDownloadOutcome refused = DownloadMouseMacros(channel, folder.path());
  EXPECT_EQ(0, refused.result);
  EXPECT_STREQ(L"message_text_16", refused.messageId);
  EXPECT_EQ(1, refused.messageNumber);
  Macros({{"a", "58", 58}, {"b", "0", 0}});  // 260 bytes: one action over
  EXPECT_EQ(2, DownloadMouseMacros(channel, folder.path()).messageNumber);
  EXPECT_TRUE(mouse->WireLog().empty());
  EXPECT_FALSE(PathExists(folder / L"Main.config"));
}

TEST_F(MouseDownloadTest, HostileCountsAreBoundedBeforeAnythingIsWritten) {
  struct Case {
    const char* what;
    std::string macroCount;
    std::string actionCount;
    int sentItems;      // -1: refused, nothing sent
    size_t itemActions;
  };
  const Case cases[] = {
      {"negative action count", "1", "-5", 1, 0},
      // A count no file backs sends the one record the file holds.
      {"action count past 65535", "1", "70000", 1, 1},
      {"action count past the int range", "1", "99999999999999999999", 1, 1},
      {"negative macro count", "-5", "1", 0, 0},
      {"macro count past 50", "1000000000", "1", -1, 0},  // 50 items of 6 bytes exceed 256
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    mouse->ClearWireLog();
    Macros({{"m", c.actionCount, 1}}, c.macroCount);
    const MouseDownloadOutcome outcome = DownloadMouseMacros(channel, folder.path());
    if (c.sentItems < 0) {
      EXPECT_EQ(0, outcome.result);
      EXPECT_GT(outcome.messageNumber, 0);
      EXPECT_TRUE(mouse->WireLog().empty());
      continue;
    }
    EXPECT_EQ(1, outcome.result);
    if (c.sentItems == 0) {
      EXPECT_EQ((CommandList{0x01, 0x09, 0x02}), Commands(*mouse));
      continue;
    }
    const auto image = DecodeDeviceImage(mouse->Memory().macroMemory);
    ASSERT_TRUE(image);
    ASSERT_EQ(size_t(c.sentItems), image->items.size());
    EXPECT_EQ(c.itemActions, image->items[0].size());
  }
}

TEST_F(MouseFixture, FiftyMacrosAreTheMostAnImageHolds) {
  SimulatedDeviceModel model = SimulatedMouseModel();
  model.info.bytes[6] = 255;
  auto mouse = std::make_shared<SimulatedDevice>(model);
  channel.m_device.Open(bus.Attach(mouse), true, true, true, false);
  channel.m_connected = 1;
  MouseDeviceInfo.bytes[6] = 255;
  std::vector<Item> items;
  for (int i = 0; i < 60; ++i) items.push_back({"m" + std::to_string(i), "1", 1});
  WriteItems(folder.path(), "MACROCOUNT", "MACRONAME", ".mac", items);
  EXPECT_EQ(1, DownloadMouseMacros(channel, folder.path()).result);
  const auto image = DecodeDeviceImage(mouse->Memory().macroMemory);
  ASSERT_TRUE(image);
  EXPECT_EQ(50u, image->items.size());
}

TEST_F(MouseDownloadTest, AScriptImageOf3072BytesIsSentAndALongerOneSkipped) {
  // 16 + 6 × 4 + 4 × 758 = 3072.
  Scripts({{"name_1", "190", 190}, {"name_2", "190", 190}, {"name_3", "190", 190}, {"name_4", "188", 188}});
  EXPECT_EQ(1, DownloadMouseCursorScripts(channel, folder.path()).result);
  EXPECT_EQ((CommandList{0x01, 0x17, 0x02}), Commands(*mouse));
  const auto image = DecodeDeviceImage(mouse->Memory().scriptMemory);
  ASSERT_TRUE(image);
  EXPECT_EQ(3072u, image->length);
  EXPECT_EQ(188u, image->items[3].size());
  EXPECT_EQ((std::array<uint8_t, 4>{5, 0, 138, 187}), image->items[3][187]);

  mouse->ClearWireLog();
  Scripts({{"name_1", "190", 190}, {"name_2", "190", 190}, {"name_3", "190", 190}, {"name_4", "189", 189}});
  const MouseDownloadOutcome skipped = DownloadMouseCursorScripts(channel, folder.path());
  EXPECT_EQ(0, skipped.result);
  EXPECT_EQ(nullptr, skipped.messageId);
  EXPECT_TRUE(mouse->WireLog().empty());
}

TEST_F(MouseDownloadTest, WithoutScriptsNothingIsSent) {
  EXPECT_EQ(1, DownloadMouseCursorScripts(channel, folder.path()).result);
  EXPECT_TRUE(mouse->WireLog().empty());
}

}  // namespace
