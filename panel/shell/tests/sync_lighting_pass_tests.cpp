// One pass of the synchronised-lighting thread with keyboard, mouse and mouse pad simulated and
// connected: the effect is written into the records of exactly the devices whose lighting-sync flag
// is set, and no device gets a report from the pass except its own LED frame (the keyboard's frame
// goes out with its timer, so the keyboard gets nothing at all).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <thread>

#include "channel_scenarios.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

constexpr uint8_t kLedFrameCommand = 0x12;

class SyncLightingPass : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpPanelUi();
    InstallHidBackend(&bus);
    window = std::make_unique<TestMainWnd>();
    InstallHidBackend(nullptr);
    ASSERT_TRUE(ConnectChannel(window->m_keyboardChannel, bus.Attach(keyboard)));
    ASSERT_TRUE(ConnectChannel(window->m_mouseChannel, bus.Attach(mouse)));
    ASSERT_TRUE(ConnectChannel(window->m_mousePadChannel, bus.Attach(mousePad)));
    stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Static red-green-blue at full brightness, no pause of its own.
    window->m_syncLightSettings = SyncLightSettings{SYNC_LIGHT_STATIC, 4, 0, 1, 0, 0x12, 0x34, 0x56};
  }
  void TearDown() override { CloseHandle(stop); }

  void SetFlags(bool keyboardSync, bool mouseSync, bool mousePadSync) {
    window->m_keyboardChannel.m_lightingSync = keyboardSync;
    window->m_mouseChannel.m_lightingSync = mouseSync;
    window->m_mousePadChannel.m_lightingSync = mousePadSync;
  }
  void ClearRecordsAndWires() {
    std::memset(window->m_keyboardLeds, 0, sizeof(window->m_keyboardLeds));
    std::memset(window->m_mouseLeds, 0, sizeof(window->m_mouseLeds));
    std::memset(window->m_mousePadLeds, 0, sizeof(window->m_mousePadLeds));
    for (auto* device : {&keyboard, &mouse, &mousePad}) (*device)->ClearWireLog();
  }
  bool RunPass() { return RunSyncLightingPass(*window, stop) == WorkerPassResult::NextPass; }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard = MakeSimulatedKeyboard();
  std::shared_ptr<SimulatedDevice> mouse = MakeSimulatedMouse();
  std::shared_ptr<SimulatedDevice> mousePad = MakeSimulatedMousePad();
  std::unique_ptr<TestMainWnd> window;
  HANDLE stop = nullptr;
};

// Every record is the static colour (synchronised) or still untouched.
template <size_t N>
bool AllRecordsAre(const LedColor (&records)[N], const LedColor& expected) {
  for (const LedColor& record : records)
    if (std::memcmp(&record, &expected, sizeof(record)) != 0) return false;
  return true;
}

std::set<int> CommandsReceived(const SimulatedDevice& device) {
  std::set<int> commands;
  for (const CommandReport& request : device.Requests()) commands.insert(request[COMMAND_FIELD_COMMAND]);
  return commands;
}

TEST_F(SyncLightingPass, WritesTheSynchronisedDevicesOnly) {
  const LedColor lit{0x12, 0x34, 0x56, BrightnessLevel(4)};
  const LedColor untouched{};
  const struct {
    bool keyboard, mouse, mousePad;
  } cases[] = {{false, false, false}, {false, true, false}, {true, false, true}, {true, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "keyboard " << c.keyboard << " mouse " << c.mouse << " pad " << c.mousePad);
    ClearRecordsAndWires();
    SetFlags(c.keyboard, c.mouse, c.mousePad);
    EXPECT_TRUE(RunPass());
    EXPECT_TRUE(AllRecordsAre(window->m_keyboardLeds, c.keyboard ? lit : untouched));
    EXPECT_TRUE(AllRecordsAre(window->m_mouseLeds, c.mouse ? lit : untouched));
    EXPECT_TRUE(AllRecordsAre(window->m_mousePadLeds, c.mousePad ? lit : untouched));
    EXPECT_TRUE(keyboard->WireLog().empty());
    const std::set<int> none;
    const std::set<int> frameOnly = {kLedFrameCommand};
    const std::set<int> mouseCommands = CommandsReceived(*mouse);
    const std::set<int> mousePadCommands = CommandsReceived(*mousePad);
    if (c.mouse) EXPECT_TRUE(mouseCommands.empty() || mouseCommands == frameOnly);
    else EXPECT_EQ(mouseCommands, none);
    if (c.mousePad) EXPECT_TRUE(mousePadCommands.empty() || mousePadCommands == frameOnly);
    else EXPECT_EQ(mousePadCommands, none);
  }
}

// Flags set but every device gone: the pass writes nothing and rests for a second, and a stop ends
// that rest at once.
TEST_F(SyncLightingPass, WithNothingConnectedWritesNothingAndAStopEndsItsRest) {
  ClearRecordsAndWires();
  SetFlags(true, true, true);
  for (DeviceCommandChannel* channel :
       {&window->m_keyboardChannel, &window->m_mouseChannel, &window->m_mousePadChannel})
    channel->m_connected = 0;
  std::thread stopper([this] {
    Sleep(100);
    SetEvent(stop);
  });
  const DWORD start = GetTickCount();
  RunPass();
  EXPECT_LT(GetTickCount() - start, 700u);
  stopper.join();
  EXPECT_TRUE(AllRecordsAre(window->m_keyboardLeds, LedColor{}));
  EXPECT_TRUE(AllRecordsAre(window->m_mouseLeds, LedColor{}));
  EXPECT_TRUE(AllRecordsAre(window->m_mousePadLeds, LedColor{}));
}

}  // namespace
