#include <windows.h>

#include <algorithm>

#include "ini_values.h"
#include "mouse_factory_data.h"
#include "mouse_first_run.h"
#include "mouse_profiles.h"
#include "mouse_test_fixture.h"

namespace {

using MouseProfilesTest = MouseFixture;

void WriteFactoryFiles(const std::wstring& folder) {
  for (const MouseFactoryFile& file : MouseFactoryFiles())
    WriteBytes(folder + std::wstring(file.name, file.name + strlen(file.name)), file.bytes);
}

// Each kind's file: its size, where block 0 and table 0 lie in it, and that loading it back gives
// the state that was saved.
TEST_F(MouseProfilesTest, EachKindSavesItsPartOfTheStateAndLoadsItBack) {
  struct Case {
    MouseProfileKind kind;
    const wchar_t* file;
    size_t size;
    int tableAt, blockAt;  // in the file, -1: not in it
  };
  const Case cases[] = {{MouseProfileKind::Device, L"P.config", 592, 16, 528},
                        {MouseProfileKind::Light, L"P.led", 80, -1, 16},
                        {MouseProfileKind::Key, L"P.pro", 528, 16, -1}};
  const std::wstring index = MouseProfileIndexFile(folder.path());
  for (const wchar_t* section : {L"PROFILEDEVICENAME", L"PROFILEDENGNAME", L"PROFILENAME"})
    WriteIniText(index, section, L"1", L"P");
  for (const wchar_t* section : {L"PROFILEDEVICESELECT", L"PROFILEDENGSELECT", L"PROFILESELECT"})
    WriteIniText(index, section, L"select", L"1");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file);
    ResetMouseState();
    for (int i = 0; i < 512; ++i) MouseKeyTables[0][i] = static_cast<uint8_t>(i * 7);
    for (int i = 0; i < 64; ++i) MouseSettingsBlocks[0][i] = static_cast<uint8_t>(0xA0 + i);
    MouseLiveSettings.fill(0x12);
    MouseLiveSettings[0] = 4;
    MousePointerSpeed = 14;
    MouseWheelLines = 6;
    const MouseKeyTable table = MouseKeyTables[0];

    ASSERT_EQ(0, SaveMouseProfile(c.kind, folder.path()));
    const std::vector<unsigned char> bytes = ReadBytes(folder / c.file);
    ASSERT_EQ(c.size, bytes.size());
    EXPECT_EQ(0xAA, bytes[0]);
    EXPECT_EQ(0x55, bytes[1]);
    EXPECT_EQ(2, bytes[4]);
    if (c.tableAt >= 0) {
      EXPECT_TRUE(std::equal(table.begin(), table.end(), bytes.begin() + c.tableAt));
    }
    if (c.blockAt >= 0) {
      const unsigned char* block = bytes.data() + c.blockAt;
      EXPECT_EQ(4, block[0]);
      EXPECT_EQ(0x12, block[32]);
      EXPECT_EQ(14, block[33]);
      EXPECT_EQ(6, block[34]);
      EXPECT_EQ(0xA0 + 63, block[63]) << "bytes 35..63 are carried";
    }

    const MouseStateSnapshot saved;
    ResetMouseState();
    if (c.kind == MouseProfileKind::Key) {
      ASSERT_EQ(0, LoadMouseProfile(c.kind, folder.path(), 1));
      EXPECT_EQ(table, MouseKeyTables[0]);
      continue;
    }
    ASSERT_EQ(0, LoadMouseProfile(c.kind, folder.path(), 1));
    EXPECT_EQ(saved.blocks[0], MouseSettingsBlocks[0]);
    EXPECT_EQ(saved.live, MouseLiveSettings);
    EXPECT_EQ(14, MousePointerSpeed.load());
    EXPECT_EQ(6, MouseWheelLines.load());
    if (c.kind == MouseProfileKind::Device) {
      EXPECT_EQ(table, MouseKeyTables[0]);
    }
  }
}

TEST_F(MouseProfilesTest, ALoadedPointerValueOfZeroBecomesOne) {
  MouseSettingsBlock block{};
  block[33] = 0;
  block[34] = 0;
  WriteIniText(MouseProfileIndexFile(folder.path()), L"PROFILEDENGNAME", L"0", L"L");
  std::vector<unsigned char> file(16 + block.size(), 0);
  file[0] = 0xAA;
  file[1] = 0x55;
  std::copy(block.begin(), block.end(), file.begin() + 16);
  WriteBytes(folder / L"L.led", file);
  ASSERT_EQ(0, LoadMouseProfile(MouseProfileKind::Light, folder.path(), 0));
  EXPECT_EQ(1, MousePointerSpeed.load());
  EXPECT_EQ(1, MouseWheelLines.load());
}

// Block byte 0 is the edited profile: it places the report rate at byte x 64 + 14 of the mouse's
// memory and goes to the mouse as its active profile. A file's byte that names no profile reads 0.
TEST_F(MouseProfilesTest, AProfileByteFromAFileIsBoundedWhenRead) {
  const struct {
    MouseProfileKind kind;
    const wchar_t* file;
    size_t blockAt;
    uint8_t stored, loaded;
  } cases[] = {{MouseProfileKind::Light, L"L.led", 16, 200, 0},
               {MouseProfileKind::Light, L"L.led", 16, 5, 0},
               {MouseProfileKind::Light, L"L.led", 16, 4, 4},
               {MouseProfileKind::Device, L"L.config", 528, 255, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const MouseProfileListKeys& keys = MouseProfileKeys(c.kind);
    WriteIniText(MouseProfileIndexFile(folder.path()), keys.nameSection, L"0", L"L");
    std::vector<unsigned char> file(16 + keys.payloadSize, 1);
    file[0] = 0xAA;
    file[1] = 0x55;
    file[c.blockAt] = c.stored;
    WriteBytes(folder / c.file, file);
    MouseLiveSettings[0] = 3;
    ASSERT_EQ(0, LoadMouseProfile(c.kind, folder.path(), 0));
    EXPECT_EQ(c.loaded, MouseLiveSettings[0]);
    EXPECT_EQ(c.loaded, MouseSettingsBlocks[0][0]) << "what a profile selection sends from offset 0";
  }
}

// A name from the index file that leads out of the mouse's folder (into the keyboard's, or out of
// the data folder) is refused: its loads find nothing and its saves write nothing.
TEST_F(MouseProfilesTest, IndexNamesThatLeaveTheFolderReachNoFile) {
  const std::wstring ms = folder / L"ms\\", kb = folder / L"kb\\";
  CreateDirectoryW(ms.c_str(), nullptr);
  CreateDirectoryW(kb.c_str(), nullptr);
  const std::vector<unsigned char> keyboardLight(16 + 1958, 0xAA);
  WriteBytes(kb + L"Game.led", keyboardLight);
  for (const wchar_t* name : {L"..\\kb\\Game", L"..\\..\\escaped"}) {
    SCOPED_TRACE(name);
    ForgetLoadedMouseProfiles();
    WriteIniText(MouseProfileIndexFile(ms), L"PROFILEDENGNAME", L"0", name);
    WriteIniText(MouseProfileIndexFile(ms), L"PROFILEDENGSELECT", L"select", L"0");
    FillMouseState();
    const MouseStateSnapshot before;
    EXPECT_EQ(1, LoadMouseProfile(MouseProfileKind::Light, ms, 0));
    EXPECT_TRUE(before == MouseStateSnapshot());
    EXPECT_EQ(1, SaveMouseProfile(MouseProfileKind::Light, ms));
  }
  EXPECT_EQ(keyboardLight, ReadBytes(kb + L"Game.led"));
  EXPECT_FALSE(PathExists(folder / L"..\\escaped.led"));
}

// A missing name reads the file named "0"; a missing, foreign or short file is handled as its
// result says, and only a profile file changes the state.
TEST_F(MouseProfilesTest, LoadsThatFindNoProfileChangeNothing) {
  struct Case {
    const char* what;
    std::vector<unsigned char> file;  // written as "0.config"; empty: none
    int result;
  };
  std::vector<unsigned char> shortFile = {0xAA, 0x55, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x01};
  const Case cases[] = {{"missing", {}, 1},
                        {"wrong magic", std::vector<unsigned char>(592, 0x55), -1},
                        {"short", shortFile, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileW((folder / L"0.config").c_str());
    if (!c.file.empty()) WriteBytes(folder / L"0.config", c.file);
    FillMouseState();
    const MouseStateSnapshot before;
    EXPECT_EQ(c.result, LoadMouseProfile(MouseProfileKind::Device, folder.path(), 2));
    if (c.result != 0) {
      EXPECT_TRUE(before == MouseStateSnapshot());
      continue;
    }
    EXPECT_EQ(0x10, MouseKeyTables[0][0]);
    EXPECT_EQ(0, MouseKeyTables[0][2]) << "the rest of a short file reads as zeros";
    EXPECT_EQ(1, MousePointerSpeed.load());
  }
}

TEST_F(MouseProfilesTest, TheFirstRunCopiesTheCursorScriptsOnceAndKeepsAScriptThere) {
  TempFolder program;
  WriteFactoryFiles(program.path());
  WriteText(folder / L"name_2.cur", "mine");
  SeedMouseCursorScripts(program.path(), folder.path());
  const std::wstring macros = folder / L"msMacro.ini";
  EXPECT_EQ(4, ReadIniNumber(macros, L"CURSORCOUNT", L"count"));
  for (int slot = 0; slot < 4; ++slot) {
    const std::wstring name = L"name_" + std::to_wstring(slot + 1);
    EXPECT_EQ(name, ReadIniText(macros, L"CURSORNAME", std::to_wstring(slot)));
    if (slot != 1) {
      EXPECT_EQ(ReadBytes(program / (name + L".cur")), ReadBytes(folder / (name + L".cur")));
    }
  }
  const std::vector<unsigned char> kept = ReadBytes(folder / L"name_2.cur");
  EXPECT_EQ("mine", std::string(kept.begin(), kept.end())) << "a script already there is kept";
}

// The shipped files and the simulated mouse come from one source; the files beside the test
// program are the ones the build wrote.
TEST_F(MouseProfilesTest, TheFactoryFilesHoldTheSimulatedMousesFactoryMemory) {
  const SimulatedMemory memory = MakeSimulatedMouse()->Memory();
  std::wstring program(MAX_PATH, L'\0');
  program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
  program = program.substr(0, program.find_last_of(L'\\') + 1);
  const std::vector<unsigned char> device = ReadBytes(program + L"msdevicedefault.config");
  ASSERT_EQ(592u, device.size());
  // Bank 0; the rest of a 512-byte table is where the later banks start.
  EXPECT_TRUE(std::equal(device.begin() + 16, device.begin() + 16 + 126, memory.keyMemory.begin()));
  EXPECT_TRUE(std::equal(device.begin() + 528, device.end(), memory.settings.begin()));
  const std::vector<unsigned char> light = ReadBytes(program + L"msdengdefault.Led");
  EXPECT_TRUE(std::equal(device.begin() + 528, device.end(), light.begin() + 16, light.end()));
  const std::vector<unsigned char> keys = ReadBytes(program + L"mskeydefault.pro");
  EXPECT_TRUE(std::equal(device.begin() + 16, device.begin() + 528, keys.begin() + 16, keys.end()));
  for (int slot = 1; slot <= 4; ++slot) {
    const std::wstring script = program + L"name_" + std::to_wstring(slot) + L".cur";
    EXPECT_EQ(180, ReadIniNumber(script, L"MACROACTIONCOUNT", L"count"));
    EXPECT_EQ(L"0,0,5,0,0,mouse_move_to_down_text", ReadIniText(script, L"MACROACTION", L"1"));
    EXPECT_NE(L"0", ReadIniText(script, L"MACROACTION", L"179"));
  }
}

}  // namespace
