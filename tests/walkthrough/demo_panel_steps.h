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

  bool Selected(const std::string& name) { return panel.Control(name).selected == 1; }
  bool Visible(const std::string& name) { return panel.Control(name).visible; }
  // Clicks the control until `done` holds: a click that a busy machine delivers before the window
  // takes input is lost, and the user clicks again.
  void ClickUntil(const std::string& name, const std::function<bool()>& done, double fraction = 0.5);
  // Clicks a tab or page option until it is the selected one.
  void Pick(const std::string& name) { ClickUntil(name, [&] { return Selected(name); }); }
  // Opens the combo with a click and moves its selection with keys, as a user does.
  void PickInCombo(const std::string& combo, const std::string& keys, int expectedRow);
  // A device's wire log, or a stand-in's call log, as it stands now.
  std::vector<std::string> WireLog(const std::string& device);
  std::vector<std::string> CallLog(const std::string& library);
  // Exits through the tray menu and expects a clean end.
  void ExitThroughTheTrayMenu();

  DemoPanelDriver panel;
};

bool Contains(const std::vector<std::string>& lines, const std::string& text);
