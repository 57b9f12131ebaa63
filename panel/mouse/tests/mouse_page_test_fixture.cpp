#include "mouse_page_test_fixture.h"

#include <mutex>

#include "data_folders.h"
#include "hid_backend.h"
#include "test_files.h"

void MousePagesTest::SetUp() {
  bus.SetReadsWaitInRealTime(true);
  InstallHidBackend(&bus);
  folder = DeviceProfileFolder(nullptr, L"ms");
  RemoveTree(folder);
  folder = DeviceProfileFolder(nullptr, L"ms");
  PanelWindowTest::SetUp();
}

void MousePagesTest::TearDown() {
  PanelWindowTest::TearDown();
  InstallHidBackend(nullptr);
  RemoveTree(folder);
}

std::shared_ptr<SimulatedDevice> MousePagesTest::OpenWithMouse(uint16_t sensorId) {
  auto mouse = MakeSimulatedMouse(sensorId);
  bus.Attach(mouse);
  OpenWindow();
  EXPECT_TRUE(PumpUntil(
      [this] {
        auto* tab = dynamic_cast<COptionUI*>(Find(L"ms_tab"));
        return tab->IsVisible() && tab->IsSelected();
      },
      10000));
  // The device watcher selects the saved profile at start, which sends it and marks the mouse
  // changed until the leave-sync timer takes the mark: tests that count what the page sends begin
  // after that.
  EXPECT_TRUE(PumpUntil(
      [this] { return Get<CComboUI>(L"ms_device_profile_combo")->GetCurSel() >= 0 && !window->m_mouseDirty; },
      10000));
  std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
  return mouse;
}

void MousePagesTest::SetSlider(const wchar_t* name, int value) {
  CSliderUI* slider = Get<CSliderUI>(name);
  slider->SetValue(value);
  window->HandleValueChanged(slider);
}

void MousePagesTest::TypeInto(const wchar_t* name, const wchar_t* text) {
  CControlUI* edit = Get(name);
  edit->SetText(text);
  window->HandleTextChanged(edit);
}

std::vector<unsigned char> MousePagesTest::LightFile() const { return ReadBytes(folder + L"Profile 1.led"); }
std::vector<unsigned char> MousePagesTest::DeviceFile() const { return ReadBytes(folder + L"Profile 1.config"); }

std::vector<std::array<int, 3>> MousePagesTest::SettingsRequests(const SimulatedDevice& mouse) {
  std::vector<std::array<int, 3>> shapes;
  for (const CommandReport& r : mouse.Requests())
    if (r[COMMAND_FIELD_COMMAND] != 0x12)
      shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
  return shapes;
}
