#include <cstring>

#include "fake_profile_list_view.h"
#include "ini_values.h"
#include "mousepad_factory_data.h"
#include "mousepad_light_profile.h"
#include "mousepad_light_profile_list.h"
#include "mousepad_test_fixture.h"
#include "profile_store.h"

namespace {

using MousePadLightProfileTest = MousePadFixture;

std::vector<unsigned char> Counting(size_t length, unsigned char from) {
  std::vector<unsigned char> bytes(length);
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<unsigned char>(from + i);
  return bytes;
}

MousePadState Marked() {
  MousePadState state;
  for (auto& block : state.blocks) block.fill(0x33);
  std::memset(&state.live, 0x22, sizeof state.live);
  state.live.profile = 3;
  return state;
}

TEST_F(MousePadLightProfileTest, TheSaveWritesBlockZeroWithTheLiveSettingsWhateverTheirProfile) {
  state = Marked();
  const std::wstring path = folder / L"Profile 1.led";
  ASSERT_EQ(0, SaveMousePadLightProfile(state, path));
  const std::vector<unsigned char> file = ReadBytes(path);
  ASSERT_EQ(80u, file.size());
  EXPECT_EQ(0xAA, file[0]);
  EXPECT_EQ(0x55, file[1]);
  EXPECT_EQ(3, file[4]);
  EXPECT_EQ(3, file[16]);  // the live profile byte
  EXPECT_EQ(0x22, file[16 + 20]);
  EXPECT_EQ(0x33, file[16 + 21]);
  EXPECT_EQ(0x33, file[16 + 63]);
}

TEST_F(MousePadLightProfileTest, ALoadTakesOnlyAFileThatReads) {
  struct Case {
    const char* what;
    std::vector<unsigned char> file;  // empty: no file
    int result;
  };
  std::vector<unsigned char> good = {0xAA, 0x55, 0, 0, 3, 0};
  good.resize(16, 0);
  const std::vector<unsigned char> payload = Counting(64, 9);  // profile byte 9: outside 0..4, kept
  good.insert(good.end(), payload.begin(), payload.end());
  const Case cases[] = {{"a light profile", good, 0}, {"missing", {}, 1}, {"no magic", Counting(80, 1), -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring path = folder / L"p.led";
    DeleteFileW(path.c_str());
    if (!c.file.empty()) WriteBytes(path, c.file);
    state = Marked();
    const MousePadState before = state;
    EXPECT_EQ(c.result, LoadMousePadLightProfile(state, path));
    if (c.result == 0) {
      EXPECT_EQ(0, std::memcmp(state.blocks[0].data(), payload.data(), 64));
      EXPECT_EQ(0, std::memcmp(&state.live, payload.data(), sizeof state.live));
      EXPECT_EQ(before.blocks[1], state.blocks[1]);
    } else {
      EXPECT_EQ(before.blocks, state.blocks);
      EXPECT_EQ(0, std::memcmp(&before.live, &state.live, sizeof state.live));
    }
  }
}

TEST_F(MousePadLightProfileTest, TheResetTakesOnlyTheFactoryBlocksFirst56Bytes) {
  const TempFolder program;
  const std::wstring factory = program / MOUSEPAD_FACTORY_FILE;
  const std::vector<unsigned char> payload = Counting(64, 0x40);
  WriteProfileFile(factory, payload.data(), payload.size(), PROFILE_KIND_MOUSEPAD);
  state = Marked();
  ASSERT_EQ(0, ResetMousePadLightBlock(state, factory));
  EXPECT_EQ(0, std::memcmp(state.blocks[0].data(), payload.data(), 56));
  for (size_t i = 56; i < 64; ++i) EXPECT_EQ(0x33, state.blocks[0][i]) << i;
  EXPECT_EQ(0, std::memcmp(&state.live, payload.data(), sizeof state.live));

  DeleteFileW(factory.c_str());
  const MousePadState before = state;
  state.blocks[0].fill(0x11);
  EXPECT_EQ(1, ResetMousePadLightBlock(state, factory));
  EXPECT_EQ(0x11, state.blocks[0][0]);
  EXPECT_EQ(0, std::memcmp(&before.live, &state.live, sizeof state.live));
}

// The pad's list on a first run: "Profile 1" from the factory file, or nothing at all without it.
TEST_F(MousePadLightProfileTest, AFirstRunMakesProfile1FromTheFactoryFileOrWritesNothingWithoutIt) {
  const TempFolder program;
  const std::wstring factory = program / MOUSEPAD_FACTORY_FILE;
  NamedProfileListHooks hooks;
  hooks.factoryFile = [&factory] { return factory; };
  const std::wstring index = folder / L"mpProfile.ini";
  {
    FakeProfileListView view;
    NamedProfileList list(MousePadLightProfileList(), hooks, folder.path(), view);
    EXPECT_FALSE(list.Fill());
    EXPECT_EQ(std::vector<std::wstring>{L"message_text_8"}, view.messages);
    EXPECT_EQ(0, view.Count());
    EXPECT_FALSE(PathExists(index));
  }
  WriteProfileFile(factory, MOUSEPAD_FACTORY_BLOCK.data(), MOUSEPAD_FACTORY_BLOCK.size(), PROFILE_KIND_MOUSEPAD);
  FakeProfileListView view;
  NamedProfileList list(MousePadLightProfileList(), hooks, folder.path(), view);
  ASSERT_TRUE(list.Fill());
  ASSERT_EQ(1, view.Count());
  EXPECT_EQ(L"Profile 1", view.ItemName(0));
  EXPECT_EQ(-1, view.SelectedIndex()) << "the watcher and the detection select";
  const std::vector<unsigned char> file = ReadBytes(folder / L"Profile 1.led");
  ASSERT_EQ(80u, file.size());
  EXPECT_EQ(3, file[4]) << "kind 3";
  EXPECT_TRUE(std::equal(MOUSEPAD_FACTORY_BLOCK.begin(), MOUSEPAD_FACTORY_BLOCK.end(), file.begin() + 16));
  EXPECT_EQ(1, ReadIniNumber(index, L"PROFILEDENGCOUNT", L"count"));
  EXPECT_EQ(L"Profile 1", ReadIniText(index, L"PROFILEDENGNAME", L"0"));
  EXPECT_EQ(L"0", ReadIniText(index, L"PROFILELIKEDENGEXE", L"0", L"<none>"));
  EXPECT_EQ(L"0", ReadIniText(index, L"PROFILEDENGSELECT", L"select", L"<none>"));
}

TEST(MousePadFactoryFile, TheShippedFileHoldsThePadsFactoryBlockZero) {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring release(program);
  release.resize(release.find_last_of(L'\\') + 1);
  const std::vector<unsigned char> file = ReadBytes(release + L"..\\dist\\" + MOUSEPAD_FACTORY_FILE);
  const std::vector<uint8_t> device = SimulatedMousePadModel().factorySettings;
  ASSERT_EQ(80u, file.size());
  EXPECT_TRUE(std::equal(device.begin(), device.begin() + 64, file.begin() + 16));
  EXPECT_TRUE(std::equal(device.begin(), device.begin() + 64, MOUSEPAD_FACTORY_BLOCK.begin()));
  MousePadState state;
  EXPECT_EQ(0, LoadMousePadLightProfile(state, release + L"..\\dist\\" + MOUSEPAD_FACTORY_FILE));
}

}  // namespace
