#include "demo_commands.h"

#include <sstream>

#include "demo_reports.h"
#include "demo_run.h"
#include "diagnostics.h"
#include "main_wnd.h"
#include "window_capture.h"

namespace {
const char kHelp[] =
    "plug DEVICE | unplug DEVICE     DEVICE: keyboard, mouse, mousepad, headset, k27\n"
    "wirelog DEVICE FILE             the device's wire log (not the first headset's)\n"
    "calllog control|config FILE     a stand-in audio library's call log\n"
    "control NAME                    a control's rectangle, visibility, selection, value, text\n"
    "window                          the main window's visibility and rectangle\n"
    "threads                         each worker thread's CPU time\n"
    "memory                          the private bytes\n"
    "screenshot FILE                 a PNG of the main window";

std::string Error(const std::string& why) { return "error: " + why; }

// The rest of the line after the words read so far: a path may hold spaces.
std::wstring RestOf(std::istringstream& words) {
  std::string rest;
  std::getline(words >> std::ws, rest);
  return FromUtf8(rest);
}

std::string Plug(DemoRun& run, const std::string& name, bool plugged) {
  DemoDevice device;
  if (!DemoDeviceByName(name, device)) return Error("no device \"" + name + "\"");
  const std::string refusal = run.SetPlugged(device, plugged);
  return refusal.empty() ? "done" : Error(refusal);
}

std::string Written(bool done) { return done ? "done" : Error("the file cannot be written"); }

std::string WireLog(DemoRun& run, const std::string& name, const std::wstring& file) {
  DemoDevice device;
  if (!DemoDeviceByName(name, device) || !run.Devices().Device(device))
    return Error("no wire log for \"" + name + "\"");
  return Written(WriteTextFile(file, WireLogText(*run.Devices().Device(device))));
}

std::string CallLog(const std::string& library, const std::wstring& file) {
  HMODULE standin = library == "control" ? AudioControlStandinModule()
                    : library == "config" ? AudioConfigStandinModule()
                                          : nullptr;
  if (!standin) return Error("library \"" + library + "\" is unknown or not loaded");
  return Written(WriteTextFile(file, CallLogText(standin)));
}

std::string WindowCommand(const std::string& verb, std::istringstream& words) {
  CMainWnd* window = DemoMainWindow();
  if (!window) return Error("no main window");
  if (verb == "control") {
    std::string name;
    words >> name;
    return ReportControl(*window, FromUtf8(name));
  }
  if (verb == "window") return ReportMainWindow(*window);
  if (verb == "threads") return ReportWorkerThreads(*window);
  UpdateWindow(window->GetHWND());
  return Written(CaptureWindowPng(window->GetHWND(), ToUtf8(RestOf(words)).c_str()));
}
}  // namespace

std::string RunDemoCommand(DemoRun& run, const std::string& line) {
  std::istringstream words(line);
  std::string verb, argument;
  words >> verb;
  if (verb == "help") return kHelp;
  if (verb == "memory") return ReportMemory();
  if (verb == "control" || verb == "window" || verb == "threads" || verb == "screenshot")
    return WindowCommand(verb, words);
  words >> argument;
  if (verb == "plug" || verb == "unplug") return Plug(run, argument, verb == "plug");
  if (verb == "wirelog") return WireLog(run, argument, RestOf(words));
  if (verb == "calllog") return CallLog(argument, RestOf(words));
  return Error("unknown command \"" + verb + "\"; \"help\" lists them");
}
