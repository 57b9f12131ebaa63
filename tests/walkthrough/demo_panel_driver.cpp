#include "demo_panel_driver.h"

#include <cstdio>
#include <sstream>

#include "demo_control_client.h"
#include "diagnostics.h"
#include "test_files.h"

namespace {
std::wstring Environment(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? value : L"";
}

// The value of "key=" in a control report; the text field comes last and runs to the end.
std::string Field(const std::string& reply, const std::string& key) {
  const std::string marker = key + "=";
  size_t at = reply.compare(0, marker.size(), marker) == 0 ? 0 : reply.find(" " + marker);
  if (at == std::string::npos) return "";
  if (at > 0) ++at;
  at += marker.size();
  return key == "text" ? reply.substr(at) : reply.substr(at, reply.find(' ', at) - at);
}

int Number(const std::string& text) { return text.empty() || text == "-" ? -1 : std::stoi(text); }
}  // namespace

ControlState ParseControlReport(const std::string& reply) {
  ControlState state;
  if (reply.rfind("visible=", 0) != 0) return state;
  state.found = true;
  state.visible = Field(reply, "visible") == "1";
  std::sscanf(Field(reply, "rect").c_str(), "%ld,%ld,%ld,%ld", &state.rect.left, &state.rect.top, &state.rect.right,
              &state.rect.bottom);
  state.selected = Number(Field(reply, "selected"));
  state.value = Number(Field(reply, "value"));
  state.text = Field(reply, "text");
  return state;
}

bool WaitFor(const std::function<bool()>& done, DWORD atMostMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > atMostMs) return false;
    Sleep(50);
  }
  return true;
}

std::vector<std::string> FileLines(const std::wstring& path) {
  std::vector<std::string> lines;
  if (!PathExists(path)) return lines;
  const auto bytes = ReadBytes(path);
  std::istringstream stream(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int LastRequestByte(const std::vector<std::string>& wire, const std::string& what, size_t index) {
  for (auto line = wire.rbegin(); line != wire.rend(); ++line) {
    if (line->rfind("->", 0) != 0 || line->find(what) == std::string::npos) continue;
    const size_t data = line->find(" | ");
    if (data == std::string::npos || data + 3 + 3 * index + 2 > line->size()) return -1;
    return std::stoi(line->substr(data + 3 + 3 * index, 2), nullptr, 16);
  }
  return -1;
}

size_t DistinctColours(const RECT& rect) { return DistinctColours(CaptureScreen(rect)); }

DemoPanelDriver::DemoPanelDriver(std::wstring demoFolder, std::wstring artefacts)
    : demoFolder_(std::move(demoFolder)), artefacts_(std::move(artefacts)), input_(Environment(L"WALKTHROUGH_INPUT")) {
  if (!input_.empty() && input_.back() != L'\\') input_ += L'\\';
  RemoveTree(artefacts_);
  for (size_t end = artefacts_.find(L'\\', 3); end != std::wstring::npos; end = artefacts_.find(L'\\', end + 1))
    CreateDirectoryW(artefacts_.substr(0, end).c_str(), nullptr);
}

DemoPanelDriver::~DemoPanelDriver() { EndProcess(); }

void DemoPanelDriver::EndProcess() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
}

bool DemoPanelDriver::Start(const std::string& pluggedDevices) {
  EndProcess();
  // Inherited by the demo: which devices are plugged in, its debug log and where its logs go at exit.
  SetEnvironmentVariableW(L"KARVO_DEMO_DEVICES", FromUtf8(pluggedDevices).c_str());
  SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", Artefact(L"panel.log").c_str());
  std::wstring logFolder = artefacts_;
  logFolder.pop_back();
  SetEnvironmentVariableW(L"KARVO_DEMO_LOG_FOLDER", logFolder.c_str());
  std::wstring commandLine = L"\"" + demoFolder_ + L"Marvane.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, demoFolder_.c_str(),
                        &startup, &process_);
}

std::string DemoPanelDriver::Command(const std::string& command) {
  std::string reply;
  return SendDemoCommand(command, reply, 20000) ? reply : "";
}

ControlState DemoPanelDriver::Control(const std::string& name) { return ParseControlReport(Command("control " + name)); }

bool DemoPanelDriver::WaitForControl(const std::string& name, const std::function<bool(const ControlState&)>& done,
                                     DWORD atMostMs) {
  return WaitFor([&] { return done(Control(name)); }, atMostMs);
}

HWND DemoPanelDriver::MainWindow() const { return FindWindowW(L"MainWnd", L"KARVO Driver"); }

bool DemoPanelDriver::WaitUntilTheStartUpReadsAreShown() {
  return WaitForControl("kb_deng_combo_modeSelect", [](const ControlState& c) { return c.selected >= 0; }, 30000) &&
         WaitForControl("mp_deng_combo_modeSelect", [](const ControlState& c) { return c.selected >= 0; }, 30000);
}

bool DemoPanelDriver::Xdo(const std::string& words) {
  if (input_.empty()) return false;
  const std::wstring request = input_ + L"request";
  WriteText(request + L".tmp", words);
  if (!MoveFileExW((request + L".tmp").c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
  // The helper removes the request once xdotool has run it.
  return WaitFor([&] { return !PathExists(request); }, 20000);
}

bool DemoPanelDriver::ClickAt(long x, long y) {
  return Xdo("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

bool DemoPanelDriver::ClickControl(const std::string& name, double fraction) {
  const ControlState control = Control(name);
  if (!control.found || !control.visible) return false;
  const long x = control.rect.left + static_cast<long>((control.rect.right - control.rect.left) * fraction);
  return ClickAt(x, (control.rect.top + control.rect.bottom) / 2);
}

bool DemoPanelDriver::ClickUntil(const std::string& name, const std::function<bool()>& done, double fraction) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (!ClickControl(name, fraction)) return false;
    if (WaitFor(done, 6000)) return true;
  }
  return false;
}

bool DemoPanelDriver::Pick(const std::string& name) {
  return ClickUntil(name, [&] { return Selected(name); });
}

// A busy machine can show the drop-down before it takes the keyboard, and the keys are lost; a user
// then opens it again and repeats them (they start with Home, so a repeat lands on the same row).
bool DemoPanelDriver::PickInCombo(const std::string& combo, const std::string& keys, int expectedRow) {
  auto open = [] {
    HWND list = FindWindowW(L"UiComboDropDown", nullptr);
    return list != nullptr && IsWindowVisible(list);
  };
  auto picked = [&](DWORD atMostMs) {
    return WaitForControl(combo, [&](const ControlState& c) { return c.selected == expectedRow; }, atMostMs);
  };
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (!open()) {
      if (!ClickControl(combo)) return false;
      if (!WaitFor(open, 4000)) continue;
    }
    // The list opens without the activation: the panel's window takes the keys and hands them on.
    // Without a window manager, a transient window that closed can leave the X keyboard focus
    // nowhere while the panel still counts itself active, so the keys go to the window by name.
    Xdo("search --name ^KARVO.Driver$ windowfocus --sync %1");
    if (!Xdo("key " + keys + " Return")) return false;
    if (picked(5000)) return true;
    if (open() && !Xdo("key Escape")) return false;
  }
  return false;
}

bool DemoPanelDriver::ExitThroughTrayMenu() {
  // A menu closes when it loses the activation, or a busy machine is slow to show it; the user
  // then opens it again.
  for (int attempt = 0; attempt < 4; ++attempt) {
    PostMessageW(MainWindow(), 0x401, 0, WM_RBUTTONUP);  // a right click on the tray icon
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = FindWindowW(L"MenuWnd", nullptr)) != nullptr && IsWindowVisible(menu); }, 10000))
      continue;
    // A user clicks once the menu stands still with its items drawn: a busy machine shows the
    // window black first, and at another size before the items are in.
    RECT items{};
    WaitFor(
        [&] {
          RECT before{};
          GetWindowRect(menu, &before);
          Sleep(200);
          GetWindowRect(menu, &items);
          return EqualRect(&before, &items) && DistinctColours(items) > 1;
        },
        5000);
    if (!ClickAt(items.left + 20, items.top + 10)) return false;  // the first item, "exit"
    // The shell waits at most 10 s for its threads; the rest of the exit is short.
    if (WaitForSingleObject(process_.hProcess, 15000) == WAIT_OBJECT_0) return true;
  }
  return false;
}

std::vector<std::string> DemoPanelDriver::WireLog(const std::string& device) {
  const std::wstring file = Artefact(FromUtf8(device) + L".now.wire.log");
  if (Command("wirelog " + device + " " + ToUtf8(file)) != "done") return {};
  return FileLines(file);
}
