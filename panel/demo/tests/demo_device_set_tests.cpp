// Which devices the demo plugs in at start, from KARVO_DEMO_DEVICES.
#include <gtest/gtest.h>

#include "demo_device_set.h"
#include "simulated_device_models.h"

namespace {

using Plugged = std::array<bool, kDemoDeviceCount>;  // keyboard, mouse, mousepad, headset, k27

struct Case {
  const char* text;
  Plugged plugged;
  const char* unknown;
};

TEST(DemoDevices, TheEnvironmentPicksThePluggedDevices) {
  const Case cases[] = {
      {"", {true, true, true, true, true}, ""},
      {" , ", {true, true, true, true, true}, ""},
      {"keyboard", {true, false, false, false, false}, ""},
      {"mouse,mousepad,headset,k27", {false, true, true, true, true}, ""},
      {" k27 , headset ", {false, false, false, true, true}, ""},
      {"mouse,,keybord,Mouse", {false, true, false, false, false}, "keybord,Mouse"},
  };
  for (const Case& c : cases) {
    std::string unknown = "left over";
    EXPECT_EQ(ParsePluggedDemoDevices(c.text, unknown), c.plugged) << "\"" << c.text << "\"";
    EXPECT_EQ(unknown, c.unknown) << "\"" << c.text << "\"";
  }
}

TEST(DemoDevices, EveryNameLeadsBackToItsDevice) {
  for (size_t i = 0; i < kDemoDeviceCount; ++i) {
    DemoDevice device;
    ASSERT_TRUE(DemoDeviceByName(DemoDeviceName(static_cast<DemoDevice>(i)), device));
    EXPECT_EQ(device, static_cast<DemoDevice>(i));
  }
  DemoDevice device;
  EXPECT_FALSE(DemoDeviceByName("trackball", device));
}

TEST(DemoDevices, TheSetHasASimulatedDeviceForAllButTheFirstHeadset) {
  SimulatedHidBackend bus;
  const DemoDeviceSet set(bus);
  EXPECT_EQ(set.Device(DemoDevice::Keyboard)->ProductId(), 0x7513) << "the RGB keyboard";
  EXPECT_EQ(set.Device(DemoDevice::Headset), nullptr);
  for (DemoDevice device : {DemoDevice::Mouse, DemoDevice::MousePad, DemoDevice::HeadsetK27}) {
    ASSERT_NE(set.Device(device), nullptr);
    EXPECT_TRUE(set.Device(device)->IsPlugged());
  }
}

// A restarted demo meets its devices with what they kept, as a user meets them after a restart.
TEST(DemoDevices, AKeptMemoryComesBackOnlyIntoADeviceOfItsModel) {
  auto mouse = MakeSimulatedMouse();
  mouse->EditMemory([](SimulatedMemory& memory) {
    memory.keyMemory[126 + 9] = 0x70;
    memory.settings[1] = 0x42;
  });
  const std::vector<uint8_t> record = EncodeKeptDeviceMemory(mouse->Memory());

  SimulatedMemory restarted = MakeSimulatedMouse()->Memory();
  ASSERT_TRUE(DecodeKeptDeviceMemory(record, restarted));
  EXPECT_EQ(restarted.keyMemory, mouse->Memory().keyMemory);
  EXPECT_EQ(restarted.settings, mouse->Memory().settings);

  const SimulatedMemory keyboard = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB)->Memory();
  SimulatedMemory other = keyboard;
  EXPECT_FALSE(DecodeKeptDeviceMemory(record, other)) << "another model's lengths";
  EXPECT_EQ(other.settings, keyboard.settings);
  const std::vector<uint8_t> cutShort(record.begin(), record.end() - 1);
  EXPECT_FALSE(DecodeKeptDeviceMemory(cutShort, restarted)) << "cut short";
}

}  // namespace
