#pragma once
// The steps a user takes on the demo panel, with real X input and checked as they go: the base of
// the walk-through and of the journeys. Each test runs the demo in a fresh prefix
// (run_walkthrough.sh) and keeps its screenshots and logs in artefacts\<name> of the test build.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "demo_panel_driver.h"

class DemoPanelTest : public ::testing::Test {
 protected:
  explicit DemoPanelTest(const std::wstring& artefactsName);

  // The driver's steps, failing the test when one takes no effect.
  bool Selected(const std::string& name) { return panel.Selected(name); }
  bool Visible(const std::string& name) { return panel.Visible(name); }
  void ClickUntil(const std::string& name, const std::function<bool()>& done, double fraction = 0.5) {
    ASSERT_TRUE(panel.ClickUntil(name, done, fraction)) << "clicking " << name << " had no effect";
  }
  void Pick(const std::string& name) { ASSERT_TRUE(panel.Pick(name)) << name << " was not picked"; }
  void PickInCombo(const std::string& combo, const std::string& keys, int expectedRow) {
    ASSERT_TRUE(panel.PickInCombo(combo, keys, expectedRow)) << combo << " did not move to row " << expectedRow;
  }
  // A device's wire log, or a stand-in's call log, as it stands now.
  std::vector<std::string> WireLog(const std::string& device) { return panel.WireLog(device); }
  std::vector<std::string> CallLog(const std::string& library);
  // Exits through the tray menu and expects a clean end.
  void ExitThroughTheTrayMenu();

  DemoPanelDriver panel;
};

bool Contains(const std::vector<std::string>& lines, const std::string& text);
