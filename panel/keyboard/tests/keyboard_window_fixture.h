#pragma once
// The panel's main window with one simulated keyboard on the HID seam, opened once the keyboard's
// detection has shown its tab. A test may open several in turn; each finds only its own keyboard.
#include <memory>

#include "hid_backend.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

class KeyboardWindowTest : public PanelWindowTest {
 protected:
  void SetUp() override {}
  void TearDown() override {
    if (window) PanelWindowTest::TearDown();
    window = nullptr;
    InstallHidBackend(nullptr);
    if (keyboard) keyboard->Unplug();
  }

  void Open(uint16_t product) {
    keyboard = MakeSimulatedKeyboard(product);
    bus.Attach(keyboard);
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    OpenWindow();
    ASSERT_TRUE(PumpUntil([this] { return Find(L"kb_tab")->IsVisible(); }, 10000));
    PumpFor(100);
  }

  template <class T = CControlUI>
  T* Control(const wchar_t* name) {
    T* control = dynamic_cast<T*>(Find(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void SelectMode(int mode, const wchar_t* combo = L"kb_deng_combo_modeSelect") {
    Control<CComboUI>(combo)->SelectItem(mode);
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard;
};
