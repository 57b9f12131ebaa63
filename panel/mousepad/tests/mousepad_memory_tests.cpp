#include <cstring>
#include <thread>

#include "fake_clock.h"
#include "mousepad_light_profile.h"
#include "mousepad_memory.h"
#include "mousepad_test_fixture.h"
#include "profile_store.h"

namespace {

using MousePadMemoryTest = MousePadFixture;
using Shape = std::array<int, 3>;

bool SameState(const MousePadState& a, const MousePadState& b) {
  return std::memcmp(a.info.bytes, b.info.bytes, sizeof a.info.bytes) == 0 && a.blocks == b.blocks &&
         std::memcmp(&a.live, &b.live, sizeof a.live) == 0 && a.MousePadSeen == b.MousePadSeen;
}

// A state no read may disturb unnoticed: every byte set.
MousePadState FilledState() {
  MousePadState state;
  std::memset(state.info.bytes, 0x44, sizeof state.info.bytes);
  for (auto& block : state.blocks) block.fill(0x33);
  std::memset(&state.live, 0x22, sizeof state.live);
  state.live.profile = 1;
  return state;
}

MousePadSettingsBlock FactoryBlock() {
  MousePadSettingsBlock block{};
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(0x80 + i);
  return block;
}

const std::vector<Shape> kFullRead = {{0x01, 0, 0},    {0x03, 33, 0},   {0x05, 56, 0},  {0x05, 56, 64}, {0x05, 56, 128},
                                      {0x05, 56, 192}, {0x05, 56, 256}, {0x05, 1, 0},   {0x02, 0, 0}};

TEST_F(MousePadMemoryTest, TheReadTakesTheFactoryBlockOnlyWhileThePadIsUnseenAndTheFileReads) {
  enum Factory { Present, Missing, Malformed };
  struct Case {
    const char* what;
    uint8_t seen;
    Factory factory;
    bool takesFactory;
  };
  const Case cases[] = {{"unseen, file present", 0, Present, true},
                        {"unseen, file missing", 0, Missing, false},
                        {"unseen, file malformed", 0, Malformed, false},
                        {"seen", 1, Present, false}};
  Connect();
  const std::wstring factoryFile = folder / MOUSEPAD_FACTORY_FILE;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileW(factoryFile.c_str());
    if (c.factory == Present) WriteProfileFile(factoryFile, FactoryBlock().data(), 64, PROFILE_KIND_MOUSEPAD);
    if (c.factory == Malformed) WriteBytes(factoryFile, std::vector<unsigned char>(80, 0x12));
    pad->ClearWireLog();
    state = FilledState();
    state.MousePadSeen = c.seen;
    const MousePadState before = state;

    ASSERT_EQ(MousePadMemoryResult::Done, ReadMousePadMemory(channel, state, factoryFile));

    EXPECT_EQ(kFullRead, Shapes());
    const std::vector<uint8_t> device = pad->Memory().settings;
    const MousePadSettingsBlock factory = FactoryBlock();
    for (int p = 0; p < MOUSEPAD_PROFILES; ++p) {
      const bool fromFactory = p == 0 && c.takesFactory;
      const uint8_t* expected = fromFactory ? factory.data() : &device[p * 64];
      EXPECT_EQ(0, std::memcmp(state.blocks[p].data(), expected, MOUSEPAD_BLOCK_READ)) << p;
      // Bytes 56..63 come only from files.
      EXPECT_EQ(0x33, state.blocks[p][56]) << p;
    }
    if (c.takesFactory) {
      EXPECT_EQ(0, std::memcmp(&state.live, factory.data(), sizeof state.live));
    } else {
      EXPECT_EQ(0, std::memcmp(&state.live, &before.live, sizeof state.live));
    }
    EXPECT_EQ(3, state.info.bytes[0]);  // the pad's kind
  }
}

// The window's start-up read can wait for the channel while the first detection pass loads the
// saved light profile and marks the pad seen. The read then stores only the blocks it read: the
// profile's live settings, block 0's file-only bytes and `MousePadSeen` stay, and no factory block goes
// over them. Nor does the read hold the state's lock while it waits for the pad.
TEST_F(MousePadMemoryTest, AReadOverlappingTheFirstDetectionPassKeepsTheLoadedProfile) {
  FakeClock clock;
  Connect();
  const std::wstring factoryFile = folder / MOUSEPAD_FACTORY_FILE;
  WriteProfileFile(factoryFile, FactoryBlock().data(), 64, PROFILE_KIND_MOUSEPAD);
  MousePadSettingsBlock saved{};
  saved.fill(0x5C);
  saved[0] = 0;
  const std::wstring profileFile = folder / L"Profile 1.led";
  WriteProfileFile(profileFile, saved.data(), saved.size(), PROFILE_KIND_MOUSEPAD);
  state = FilledState();
  state.MousePadSeen = 0;

  bool detected = false, unlocked = false;
  pad->SetRequestObserver([&](const uint8_t* request) {
    if (detected || request[COMMAND_FIELD_COMMAND] != 0x03) return;
    detected = true;
    std::thread([&] {
      unlocked = state.lock.try_lock();
      if (!unlocked) return;
      LoadMousePadLightProfile(state, profileFile);
      state.MousePadSeen = 1;
      state.lock.unlock();
    }).join();
  });
  ASSERT_EQ(MousePadMemoryResult::Done, ReadMousePadMemory(channel, state, factoryFile));
  pad->SetRequestObserver(nullptr);

  ASSERT_TRUE(detected);
  EXPECT_TRUE(unlocked) << "the state is locked only while the read stores";
  EXPECT_EQ(1, state.MousePadSeen);
  EXPECT_EQ(0, std::memcmp(&state.live, saved.data(), sizeof state.live)) << "the loaded profile's live settings";
  const std::vector<uint8_t> device = pad->Memory().settings;
  for (int p = 0; p < MOUSEPAD_PROFILES; ++p)
    EXPECT_EQ(0, std::memcmp(state.blocks[p].data(), &device[p * 64], MOUSEPAD_BLOCK_READ)) << p;
  EXPECT_EQ(0x5C, state.blocks[0][60]) << "block 0's file-only bytes are the profile's";
}

TEST_F(MousePadMemoryTest, AFailedOrImpossibleReadChangesNothing) {
  struct Case {
    const char* what;
    bool plugged;
    SimulatedFault fault;
    unsigned afterRequests;
  };
  const Case cases[] = {{"not connected", false, SimulatedFault::NoReply, 0},
                        {"0x03 refused", true, SimulatedFault::StatusFF, 1},
                        {"block 3 unanswered", true, SimulatedFault::NoReply, 5},
                        {"unplugged at the 1-byte read", true, SimulatedFault::Unplug, 7}};
  const std::wstring factoryFile = folder / MOUSEPAD_FACTORY_FILE;
  WriteProfileFile(factoryFile, FactoryBlock().data(), 64, PROFILE_KIND_MOUSEPAD);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimulatedHidBackend otherBus;
    DeviceCommandChannel otherChannel(otherBus);
    auto otherPad = MakeSimulatedMousePad();
    if (c.plugged) {
      otherChannel.m_device.Open(otherBus.Attach(otherPad), true, true, true, false);
      otherChannel.m_connected = 1;
      otherPad->InjectFault(c.fault, c.afterRequests, 4);  // every attempt of that report
    }
    MousePadState failing = FilledState();
    const MousePadState before = failing;
    EXPECT_NE(MousePadMemoryResult::Done, ReadMousePadMemory(otherChannel, failing, factoryFile));
    EXPECT_TRUE(SameState(before, failing));
    if (!c.plugged) {
      EXPECT_TRUE(otherPad->Requests().empty());
    }
  }
}

TEST_F(MousePadMemoryTest, ReloadTakesThePadsActiveBlockAndFoldsTheLiveSettingsBack) {
  struct Case {
    const char* what;
    uint8_t deviceIndex;
    uint8_t liveProfile;
    MousePadMemoryResult result;
  };
  const Case cases[] = {{"active 2, live 1", 2, 1, MousePadMemoryResult::Done},
                        {"active 0, live 0", 0, 0, MousePadMemoryResult::Done},
                        {"live index from a file outside 0..4", 3, 9, MousePadMemoryResult::Done},
                        {"device index outside 0..4", 7, 1, MousePadMemoryResult::Refused}};
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pad->EditMemory([&](SimulatedMemory& memory) {
      memory.settings[0] = c.deviceIndex;
      if (c.deviceIndex < 5) memory.settings[c.deviceIndex * 64 + 6] = 0x5A;
    });
    pad->ClearWireLog();
    state = FilledState();
    state.live.profile = c.liveProfile;
    const MousePadState before = state;

    ASSERT_EQ(c.result, ReloadActiveMousePadProfile(channel, state));

    if (c.result != MousePadMemoryResult::Done) {
      EXPECT_TRUE(SameState(before, state));
      continue;
    }
    EXPECT_EQ((std::vector<Shape>{{0x05, 1, 0}, {0x05, 56, c.deviceIndex * 64}}), Shapes());
    const MousePadSettingsBlock& active = state.blocks[c.deviceIndex];
    EXPECT_EQ(c.deviceIndex, active[0]);
    EXPECT_EQ(0x5A, active[6]);
    EXPECT_EQ(0x33, active[56]);
    EXPECT_EQ(0, std::memcmp(&state.live, active.data(), sizeof state.live));
    for (int p = 0; p < MOUSEPAD_PROFILES; ++p) {
      if (p == c.deviceIndex) continue;
      // Only the old live profile's block took the live settings.
      const uint8_t expected = p == c.liveProfile ? 0x22 : 0x33;
      EXPECT_EQ(expected, state.blocks[p][5]) << p;
    }
  }
}

TEST_F(MousePadMemoryTest, SwitchingSendsTheIndexOnlyForAnotherProfile) {
  struct Case {
    const char* what;
    uint8_t deviceIndex;
    int target;
    MousePadMemoryResult result;
    std::vector<Shape> requests;
  };
  const Case cases[] = {
      {"the active profile", 0, 0, MousePadMemoryResult::Unchanged, {{0x05, 1, 0}}},
      {"another profile", 0, 3, MousePadMemoryResult::Done, {{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 192}}},
      {"away from an index outside 0..4", 9, 2, MousePadMemoryResult::Done,
       {{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 128}}},
      {"to 5", 0, 5, MousePadMemoryResult::Refused, {}},
      {"to -1", 0, -1, MousePadMemoryResult::Refused, {}}};
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pad->EditMemory([&](SimulatedMemory& memory) { memory.settings[0] = c.deviceIndex; });
    pad->ClearWireLog();
    channel.m_lightingSync = 1;
    state = FilledState();
    const MousePadState before = state;

    ASSERT_EQ(c.result, SwitchMousePadOnboardProfile(channel, state, c.target));

    EXPECT_EQ(c.requests, Shapes());
    if (c.result != MousePadMemoryResult::Done) {
      EXPECT_TRUE(SameState(before, state));
      EXPECT_EQ(1, channel.m_lightingSync.load());
      continue;
    }
    EXPECT_EQ(0, channel.m_lightingSync.load());
    EXPECT_EQ(c.target, pad->Memory().settings[0]);
    EXPECT_EQ(c.target, state.live.profile);
    EXPECT_EQ(pad->Memory().settings[c.target * 64 + 6], state.live.red);
    for (int p = 0; p < MOUSEPAD_PROFILES; ++p) {
      if (p == c.target) continue;
      // The live settings went back into the block of the profile that was active, if it exists.
      const uint8_t expected = p == c.deviceIndex ? 0x22 : 0x33;
      EXPECT_EQ(expected, state.blocks[p][5]) << p;
    }
  }
}

TEST_F(MousePadMemoryTest, AFailedSwitchChangesNothing) {
  Connect();
  pad->InjectFault(SimulatedFault::StatusFF, 1);  // the 0x06
  state = FilledState();
  const MousePadState before = state;
  EXPECT_EQ(MousePadMemoryResult::Failed, SwitchMousePadOnboardProfile(channel, state, 2));
  EXPECT_TRUE(SameState(before, state));
}

TEST_F(MousePadMemoryTest, TheRestoreCommandGivesThePadItsFactoryBlocksBack) {
  Connect();
  pad->EditMemory([](SimulatedMemory& memory) {
    memory.settings[0] = 3;
    memory.settings[64 + 6] = 0x77;
  });
  channel.SendRestoreDefaults();
  EXPECT_EQ(SimulatedMousePadModel().factorySettings, pad->Memory().settings);
  EXPECT_EQ(1u, pad->Memory().restoreDefaultsCommands);
}

}  // namespace
