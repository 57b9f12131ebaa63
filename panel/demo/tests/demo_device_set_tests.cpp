// Which devices the demo plugs in at start, from KARVO_DEMO_DEVICES.
#include <gtest/gtest.h>

#include "demo_control_client.h"
#include "demo_control_protocol.h"
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

// The stand-ins' headsets follow the demo's device set as the simulated devices do: no "Headset
// K27" tab in a demo of the keyboard only.
TEST(DemoDevices, TheAudioStandinsReportOnlyThePluggedHeadsets) {
  struct AudioCase {
    const char* plugged;
    const wchar_t* headset;  // STANDIN_HEADSET, null when unset
    const wchar_t* k27;      // STANDIN_K27
  };
  const AudioCase cases[] = {
      {"keyboard", L"absent", L"absent"},
      {"", nullptr, nullptr},
      {"k27", L"absent", nullptr},
      {"headset,mouse", nullptr, L"absent"},
  };
  auto variable = [](const wchar_t* name) -> std::wstring {
    wchar_t value[32];
    const DWORD length = GetEnvironmentVariableW(name, value, 32);
    return length > 0 && length < 32 ? value : L"(unset)";
  };
  for (const AudioCase& c : cases) {
    std::string unknown;
    ReportPluggedHeadsetsFromAudioStandins(ParsePluggedDemoDevices(c.plugged, unknown));
    EXPECT_EQ(variable(L"STANDIN_HEADSET"), c.headset ? c.headset : L"(unset)") << c.plugged;
    EXPECT_EQ(variable(L"STANDIN_K27"), c.k27 ? c.k27 : L"(unset)") << c.plugged;
  }
}

// The client finds the panel's control window as it is made, message-only, and also where it came
// up as a hidden top-level window.
TEST(DemoControlClient, FindsTheControlWindowMessageOnlyOrTopLevel) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kDemoControlWindowClass;
  RegisterClassW(&windowClass);
  EXPECT_EQ(FindDemoControlWindow(), nullptr);
  for (HWND parent : {HWND_MESSAGE, HWND(nullptr)}) {
    HWND window = CreateWindowExW(0, kDemoControlWindowClass, L"", 0, 0, 0, 0, 0, parent, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindDemoControlWindow(), window) << (parent ? "message-only" : "top-level");
    DestroyWindow(window);
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
