#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "window_capture.h"

// A control as the demo's control channel reports it.
struct ControlState {
  bool found = false;
  bool visible = false;
  RECT rect{};  // screen coordinates
  int selected = -1;  // option or check box 0/1, a combo's or tab layout's row; -1 when none
  int value = -1;     // a slider's or progress bar's value; -1 when none
  std::string text;
};
ControlState ParseControlReport(const std::string& reply);

// Runs `done` until it holds or the time is up; true when it held. Polls, never sleeps a fixed time
// for the condition itself.
bool WaitFor(const std::function<bool()>& done, DWORD atMostMs);

// The lines of a text file (empty when it is missing).
std::vector<std::string> FileLines(const std::wstring& path);

// Data byte `index` of the last request of a wire log whose line has `what`; -1 when none.
int LastRequestByte(const std::vector<std::string>& wire, const std::string& what, size_t index);

// How many distinct colours `rect` of the screen shows.
size_t DistinctColours(const RECT& rect);

// The demo panel as a user meets it: started as its own process, looked at through its control
// channel and driven with real X input (a helper outside Wine runs xdotool for each request put in
// the folder WALKTHROUGH_INPUT names).
class DemoPanelDriver {
 public:
  // The demo folder beside the test programs; logs and screenshots go to `artefacts`, emptied here.
  DemoPanelDriver(std::wstring demoFolder, std::wstring artefacts);
  ~DemoPanelDriver();

  // Starts the demo with the devices named (KARVO_DEMO_DEVICES); false when it cannot be started.
  // A demo started before is ended first; the data folders stay, as for a user's restart.
  bool Start(const std::string& pluggedDevices);
  HANDLE Process() const { return process_.hProcess; }
  // The command's answer; "" when the demo did not answer.
  std::string Command(const std::string& command);
  ControlState Control(const std::string& name);
  bool WaitForControl(const std::string& name, const std::function<bool(const ControlState&)>& done,
                      DWORD atMostMs = 15000);
  HWND MainWindow() const;
  // Half a second after it starts, the panel reads the keyboard and the pad and shows what it read
  // on their lighting pages, taking the focus there; a user who starts earlier on a busy machine
  // meets that focus change in the middle of a drop-down. True once both pages show a mode.
  bool WaitUntilTheStartUpReadsAreShown();

  // Real input through the X server: xdotool's own words ("mousemove 10 20 click 1", "key Down").
  bool Xdo(const std::string& words);
  bool ClickAt(long x, long y);
  // Clicks the middle of the control, or the point at `fraction` of its width.
  bool ClickControl(const std::string& name, double fraction = 0.5);

  // What a user does, again where a busy machine lost the click (a click delivered before the
  // window takes input); each is true once it took effect.
  bool Selected(const std::string& name) { return Control(name).selected == 1; }
  bool Visible(const std::string& name) { return Control(name).visible; }
  bool ClickUntil(const std::string& name, const std::function<bool()>& done, double fraction = 0.5);
  // A tab or page option, clicked until it is the selected one.
  bool Pick(const std::string& name);
  // Opens the combo with a click and moves its selection with xdotool's keys, then Return.
  bool PickInCombo(const std::string& combo, const std::string& keys, int expectedRow);
  // A right click on the tray icon and the menu's first item, "exit", until the process ended.
  bool ExitThroughTrayMenu();

  // A device's wire log so far, also kept as "<device>.now.wire.log"; empty when the demo did not
  // write it.
  std::vector<std::string> WireLog(const std::string& device);

  const std::wstring& Artefacts() const { return artefacts_; }
  // A file of the artefacts folder, as the demo and this test both name it.
  std::wstring Artefact(const std::wstring& name) const { return artefacts_ + name; }
  std::vector<std::string> DebugLog() const { return FileLines(Artefact(L"panel.log")); }

 private:
  void EndProcess();

  std::wstring demoFolder_;
  std::wstring artefacts_;
  std::wstring input_;
  PROCESS_INFORMATION process_{};
};
