#pragma once
// The main window with a simulated mouse plugged in, for the tests of the mouse's pages: its
// profile files, its controls by name and its notifications as the UI library raises them.
#include <memory>
#include <string>
#include <vector>

#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

class MousePagesTest : public PanelWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the window with a mouse of this sensor plugged in, once its detection has shown it.
  std::shared_ptr<SimulatedDevice> OpenWithMouse(uint16_t sensorId = SIMULATED_MOUSE_SENSOR);

  template <class T = CControlUI>
  T* Get(const std::wstring& name) {
    T* control = dynamic_cast<T*>(Find(name.c_str()));
    EXPECT_NE(nullptr, control) << std::string(name.begin(), name.end());
    return control;
  }
  std::wstring Text(const std::wstring& name) { return Get(name)->GetText().str(); }
  void SetSlider(const wchar_t* name, int value);  // and its "valuechanged"
  void TypeInto(const wchar_t* name, const wchar_t* text);  // and its "textchanged"

  std::vector<unsigned char> LightFile() const;   // "Profile 1.led": header, then the block
  std::vector<unsigned char> DeviceFile() const;  // "Profile 1.config": header, key table, block
  static constexpr size_t kLightFileBlock = 16;
  static constexpr size_t kDeviceFileBlock = 16 + 512;

  // The requests other than LED frames, as (command, length, offset).
  static std::vector<std::array<int, 3>> SettingsRequests(const SimulatedDevice& mouse);

  SimulatedHidBackend bus;
  std::wstring folder;
};
