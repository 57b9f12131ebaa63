// The mouse macro page in the main window built from the panel's skin, driven by control name with
// a simulated mouse plugged in; recording measures its pauses on a clock the test moves.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "audio_standin_steering.h"
#include "clock.h"
#include "data_folders.h"
#include "debug_log_capture.h"
#include "device_macro_image.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "macro_files.h"
#include "macro_insert_buttons.h"
#include "macro_page.h"
#include "macro_store_edits.h"
#include "mouse_key_assignment.h"
#include "mouse_macro_page.h"
#include "mouse_macro_state.h"
#include "mouse_state.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

// The tick count the test sets; sleeps and waits stay real, for the window's threads.
class SteppedClock : public Clock {
 public:
  SteppedClock() { InstallClock(this); }
  ~SteppedClock() override { InstallClock(nullptr); }
  DWORD TickCount() override { return now; }
  void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override {
    return WaitForSingleObject(event, milliseconds) != WAIT_TIMEOUT;
  }
  DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) override {
    return WaitForMultipleObjects(count, handles, waitAll, milliseconds);
  }
  DWORD now = 0x10000;
};

class MouseMacroPageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    folder = DeviceProfileFolder(nullptr, L"ms");
    RemoveTree(folder);
    folder = DeviceProfileFolder(nullptr, L"ms");
    MouseMacroPageState().Reset();
    MouseMacroInsertTabClosed.fill(1);
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      std::wstring text = box.FindControl(L"MessageText")->GetText().str();
      if (idOfText.count(text)) text = idOfText[text];
      asked.push_back(text);
      box.Close(answers.count(text) && answers[text] ? 1 : 0);
    });
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    InstallHidBackend(nullptr);
    MouseMacroPageState().Reset();
    RemoveTree(folder);
  }
  // The window opens on a macro store of these names, with the macro page shown.
  void Open(const std::vector<std::wstring>& names = {}) {
    if (!names.empty()) RewriteMacroIndex(folder + L"msMacro.ini", names);
    mouse = MakeSimulatedMouse();
    bus.Attach(mouse);
    OpenWindow();
    ASSERT_TRUE(PumpUntil([this] { return Find(L"ms_tab")->IsVisible(); }, 10000));
    { std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock); }
    for (const wchar_t* id : {L"message_text_2", L"message_text_3", L"message_text_4", L"message_text_5"})
      idOfText[window->ResolveTextId(id)] = id;
    Option(L"ms_macro_Op_tab")->Selected(true, true);
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  CComboUI* Combo(const wchar_t* name) { return dynamic_cast<CComboUI*>(Find(name)); }
  CListUI* List(const wchar_t* name) { return dynamic_cast<CListUI*>(Find(name)); }
  void Click(const wchar_t* name) { NotifyClick(Find(name)); }
  void Type(const wchar_t* edit, const wchar_t* text) {
    Find(edit)->SetText(text);
    window->HandleTextChanged(Find(edit));
  }
  std::vector<std::wstring> Rows() {
    std::vector<std::wstring> rows;
    CListUI* list = List(L"ms_Macro_list");
    for (int i = 0; i < list->GetCount(); ++i) rows.push_back(list->GetItemAt(i)->GetUserData().str());
    return rows;
  }
  std::vector<std::wstring> Names() { return ReadMacroNames(folder + L"msMacro.ini"); }
  // Plugs the first headset in and waits until its saved profile has been applied, which the
  // detection thread does on the first arrival.
  void PlugTheFirstHeadset() {
    AudioControlStandin standin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll"));
    standin.ClearCallLog();
    standin.SetHeadsetPresent(true);
    const auto applied = [&standin] {
      for (const std::string& call : standin.CallLog())
        if (call.rfind("Harkin_SetMicVolume", 0) == 0) return true;
      return false;
    };
    ASSERT_TRUE(PumpUntil([this] { return Find(L"hs_tab")->IsVisible(); }, 3000));
    ASSERT_TRUE(PumpUntil(applied, 3000)) << "the saved profile was applied";
    PumpFor(300);  // what the arrival may have posted to the window
  }
  bool Pending() { return Find(L"ms_macro_tab_saveorcancel")->IsVisible(); }
  void Key(UINT message, DWORD vk) {
    KBDLLHOOKSTRUCT event{};
    event.vkCode = vk;
    window->RecordMouseMacroKeyEvent(message, reinterpret_cast<LPARAM>(&event));
  }
  void Button(UINT message) { window->RecordMouseMacroMouseEvent(message, 0); }
  void Record(bool on) { Option(L"ms_macro_btn_redio")->Selected(on, true); }
  static std::vector<std::wstring> Numbered(int count) {
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) names.push_back(L"m" + std::to_wstring(i));
    return names;
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> mouse;
  std::wstring folder;
  std::map<std::wstring, std::wstring> idOfText;  // the language texts of the message ids
  std::map<std::wstring, bool> answers;
  std::vector<std::wstring> asked;
};

TEST_F(MouseMacroPageTest, TheFiftiethMacroIsAddedAndTheFiftyFirstRefusedWithTheLimitInTheText) {
  Open(Numbered(49));
  ASSERT_EQ(49, List(L"ms_MacroName_list")->GetCount());
  EXPECT_EQ(48, List(L"ms_MacroName_list")->GetCurSel()) << "the set-up shows the last macro";
  Click(L"ms_macro_btn_name_add");
  EXPECT_EQ(L"name_50", Names().back());
  EXPECT_EQ(50, Combo(L"ms_key_fct_combo_23")->GetCount());
  const std::vector<uint8_t> index = ReadBytes(folder + L"msMacro.ini");
  Click(L"ms_macro_btn_name_add");
  ASSERT_EQ(1u, asked.size());
  EXPECT_NE(std::wstring::npos, asked[0].find(L"50"));
  EXPECT_EQ(std::wstring::npos, asked[0].find(L"%d"));
  EXPECT_EQ(index, ReadBytes(folder + L"msMacro.ini"));
  EXPECT_EQ(50, List(L"ms_MacroName_list")->GetCount());
}

TEST_F(MouseMacroPageTest, ANewMacroTakesTheFirstFreeNumberWhateverTheCaseOfTheOthers) {
  Open({L"name_2", L"NAME_3"});
  Click(L"ms_macro_btn_name_add");
  EXPECT_EQ((std::vector<std::wstring>{L"name_2", L"NAME_3", L"name_4"}), Names());
  EXPECT_FALSE(PathExists(folder + L"name_4.mac")) << "a macro has no file until it is saved";
  EXPECT_TRUE(Rows().empty());
  EXPECT_TRUE(Find(L"ms_macro_btn_redio")->IsEnabled());
}

TEST_F(MouseMacroPageTest, DeleteAsksBothQuestionsBeforeAnythingChangesThenRepairsTheKeysOfAllProfiles) {
  Open({L"a", L"b", L"c"});
  WriteText(folder + L"b.mac", "[MACROACTIONCOUNT]\r\ncount=0\r\n");
  WriteIniText(folder + L"msMacro.ini", L"CURSORNAME", L"0", L"renamed");
  auto bind = [](int profile, int key, uint8_t macro) {
    uint8_t* at = MouseKeyTables[profile].data() + 3 * key;
    at[0] = 0x70, at[1] = macro, at[2] = 0;
  };
  bind(4, 8, 1);  // key 8 of profile 4: the macro to delete
  bind(0, 2, 2);  // a later macro
  bind(1, 0, 0);  // an earlier one
  // Key 0 of the profile in use, the key the never opened key page stands on.
  MouseKeyTable& live = *MouseKeyTableOfProfile(MouseLiveSettings[0]);
  const KeyAssignment userKey{0x20, 0, 0x1E};
  ASSERT_FALSE(userKey == MouseKeyAssignmentOf(MouseFactoryKeyTable, 0));
  StoreMouseKeyAssignment(live, 0, userKey);
  const auto before = MouseKeyTables;
  List(L"ms_MacroName_list")->SelectItem(1);

  struct Refusal {
    bool pending, confirmBound, confirmDelete;
    std::vector<std::wstring> asked;
  } const refusals[] = {
      {true, true, true, {L"message_text_3"}},
      {false, false, true, {L"message_text_2"}},
      {false, true, false, {L"message_text_2", L"message_text_4"}},
  };
  for (const Refusal& r : refusals) {
    Find(L"ms_macro_tab_saveorcancel")->SetVisible(r.pending);
    answers = {{L"message_text_2", r.confirmBound}, {L"message_text_4", r.confirmDelete}};
    asked.clear();
    Click(L"ms_macro_btn_name_sub");
    EXPECT_EQ(r.asked, asked);
    EXPECT_TRUE(MouseKeyTables == before);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"c"}), Names());
    EXPECT_TRUE(PathExists(folder + L"b.mac"));
    EXPECT_EQ(3, List(L"ms_MacroName_list")->GetCount());
  }
  Find(L"ms_macro_tab_saveorcancel")->SetVisible(false);
  answers = {{L"message_text_2", true}, {L"message_text_4", true}};
  asked.clear();
  Click(L"ms_macro_btn_name_sub");
  EXPECT_EQ((std::vector<std::wstring>{L"message_text_2", L"message_text_4"}), asked);
  EXPECT_EQ(MouseKeyAssignmentOf(MouseFactoryKeyTable, 8), MouseKeyAssignmentOf(MouseKeyTables[4], 8));
  EXPECT_EQ((KeyAssignment{0x70, 1, 0}), MouseKeyAssignmentOf(MouseKeyTables[0], 2));
  EXPECT_EQ((KeyAssignment{0x70, 0, 0}), MouseKeyAssignmentOf(MouseKeyTables[1], 0));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}), Names());
  EXPECT_FALSE(PathExists(folder + L"b.mac"));
  EXPECT_EQ(2, Combo(L"ms_key_fct_combo_23")->GetCount());
  EXPECT_EQ(0, Combo(L"ms_key_fct_combo_23")->GetCurSel());
  EXPECT_EQ(userKey, MouseKeyAssignmentOf(live, 0)) << "resetting the macro choice stores into no key";
  EXPECT_EQ(0, List(L"ms_MacroName_list")->GetCurSel());
  EXPECT_EQ(4, ReadIniNumber(folder + L"msMacro.ini", L"CURSORCOUNT", L"count"));
  for (int slot = 0; slot < 4; ++slot)
    EXPECT_EQ(L"name_" + std::to_wstring(slot + 1), ReadIniText(folder + L"msMacro.ini", L"CURSORNAME", std::to_wstring(slot)));

  // A macro no key names: one question, and the keys of later macros still follow.
  MouseKeyTables[1][0] = 0x10;
  asked.clear();
  Click(L"ms_macro_btn_name_sub");
  EXPECT_EQ(std::vector<std::wstring>{L"message_text_4"}, asked);
  EXPECT_EQ((KeyAssignment{0x70, 0, 0}), MouseKeyAssignmentOf(MouseKeyTables[0], 2));
  EXPECT_EQ(std::vector<std::wstring>{L"c"}, Names());
}

TEST_F(MouseMacroPageTest, RenameRefusesTakenAndUnusableNamesAndAFailedMoveKeepsTheOldName) {
  Open({L"a", L"b"});
  List(L"ms_MacroName_list")->SelectItem(0);
  CControlUI* edit = Find(L"ms_macro_edit_macroname");
  for (const wchar_t* refused : {L"B", L"", L"x/y", L"trailing "}) {
    edit->SetText(refused);
    asked.clear();
    Click(L"ms_macro_btn_savemacroname");
    EXPECT_EQ(std::vector<std::wstring>{L"message_text_5"}, asked) << refused;
    EXPECT_EQ(L"a", edit->GetText().str());
  }
  edit->SetText(L"A");
  asked.clear();
  Click(L"ms_macro_btn_savemacroname");
  EXPECT_TRUE(asked.empty());

  // The rows shown are an unsaved edit: a refused move stores none of them.
  WriteText(folder + L"a.mac", "[MACROACTIONCOUNT]\r\ncount=1\r\n[MACROACTION]\r\n0=3,0,129,1,1,mouse_key_left\r\n");
  List(L"ms_MacroName_list")->SelectItem(1);
  List(L"ms_MacroName_list")->SelectItem(0);
  ASSERT_EQ(1u, Rows().size());
  Click(L"ms_macro_btn_deleteall");
  WriteText(folder + L"left over.mac", "[MACROACTIONCOUNT]\r\ncount=0\r\n");
  edit->SetText(L"left over");
  Click(L"ms_macro_btn_savemacroname");
  EXPECT_EQ(1, ReadMacroActionCount(folder + L"a.mac"));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), Names());
  EXPECT_EQ(L"a", List(L"ms_MacroName_list")->GetItemAt(0)->GetUserData().str());
  EXPECT_EQ(L"a", Combo(L"ms_key_fct_combo_23")->GetItemAt(0)->GetText().str());
  EXPECT_EQ(0, ReadMacroActionCount(folder + L"left over.mac"));

  // The guard is back: the next rename, here when the edit loses focus, runs.
  edit->SetText(L"Burst");
  window->HandleKillFocus(edit);
  EXPECT_EQ((std::vector<std::wstring>{L"Burst", L"b"}), Names());
  EXPECT_EQ(L"Burst", ReadIniText(folder + L"Burst.mac", L"MACROSELECTNAME", L"name"));
  EXPECT_EQ(L"Burst", Combo(L"ms_key_fct_combo_23")->GetItemAt(0)->GetText().str());
  EXPECT_FALSE(PathExists(folder + L"a.mac"));
}

TEST_F(MouseMacroPageTest, ImportAndExportCopyTheFileExactly) {
  TempFolder outside;
  const std::string file = "[MACROACTIONCOUNT]\r\ncount=1\r\n[MACROACTION]\n0=3,0,129,1,1,mouse_key_left\r\n\x1A";
  WriteText(outside / L"in.mac", file);
  Open();
  AnswerFileDialogsWith([&](const FileDialogRequest& request) {
    return request.open ? outside / L"in.mac" : outside / L"out.mac";
  });
  Click(L"ms_macro_btn_import");
  ASSERT_EQ(std::vector<std::wstring>{L"name_1"}, Names());
  EXPECT_EQ(std::vector<std::wstring>{L"3,0,129,1,1,mouse_key_left"}, Rows());
  EXPECT_EQ(ReadBytes(outside / L"in.mac"), ReadBytes(folder + L"name_1.mac"));
  Click(L"ms_macro_btn_export");
  EXPECT_EQ(ReadBytes(outside / L"in.mac"), ReadBytes(outside / L"out.mac"));
}

uint64_t ThreadTimeMs() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto ms = [](const FILETIME& time) {
    return ((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
  };
  return ms(kernel) + ms(user);
}

// A macro file written in one piece: through the profile-string calls, thousands of records take
// minutes.
void WriteMacroFile(const std::wstring& path, const std::string& count, int records) {
  std::string text = "[MACROACTIONCOUNT]\r\ncount=" + count + "\r\n[MACROACTION]\r\n";
  for (int i = 0; i < records; ++i) text += std::to_string(i) + "=5,0,132,20,1,mouse_move_to_left_text\r\n";
  WriteText(path, text);
}

TEST_F(MouseMacroPageTest, TheLargestMacroIsShownQuicklyAndACountBeyondTheFileShowsOnlyItsRecords) {
  WriteMacroFile(folder + L"big.mac", std::to_string(DEVICE_MACRO_MOST_ACTIONS), DEVICE_MACRO_MOST_ACTIONS);
  WriteMacroFile(folder + L"claims.mac", "2147483647", 3);
  Open({L"big", L"claims"});
  EXPECT_EQ(3u, Rows().size()) << "the last macro is shown at start";

  // The window thread's own time: what the user waits for, less what other programs take.
  const uint64_t start = ThreadTimeMs();
  List(L"ms_MacroName_list")->SelectItem(0);
  UpdateWindow(window->GetHWND());  // the layout of the new rows
  const uint64_t took = ThreadTimeMs() - start;
  EXPECT_EQ(static_cast<size_t>(DEVICE_MACRO_MOST_ACTIONS), Rows().size());
  EXPECT_LT(took, 500u);
}

TEST_F(MouseMacroPageTest, AnImportTooLargeToBeAMacroAddsNothing) {
  TempFolder outside;
  DebugLogCapture log;
  HANDLE file = CreateFileW((outside / L"huge.mac").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 20 << 20;
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
  Open({L"a"});
  AnswerFileDialogsWith([&](const FileDialogRequest&) { return outside / L"huge.mac"; });
  Click(L"ms_macro_btn_import");
  EXPECT_EQ(std::vector<std::wstring>{L"a"}, Names());
  EXPECT_EQ(1, List(L"ms_MacroName_list")->GetCount());
  EXPECT_NE(std::string::npos, log.Text().find("macro import larger than a macro can be, refused"));
}

TEST_F(MouseMacroPageTest, RecordingMeasuresEachPauseAndKeepsOnlyWhatTheOptionsAsk) {
  Open({L"a"});
  struct Case {
    const char* what;
    bool fixedPause, clicks, moves;
    std::vector<std::wstring> rows;
  } const cases[] = {
      {"a held key is one press and one release; a click is recorded", false, true, false,
       {L"120,0,138,4,1,keyboard_key_A", L"255,255,10,4,0,keyboard_key_A", L"1,0,129,1,1,@left",
        L"0,0,1,1,0,@left"}},
      {"fixed pauses", true, true, false,
       {L"5,0,138,4,1,keyboard_key_A", L"5,0,10,4,0,keyboard_key_A", L"5,0,129,1,1,@left", L"0,0,1,1,0,@left"}},
      {"moves alone record no button", false, false, true,
       {L"120,0,138,4,1,keyboard_key_A", L"0,0,10,4,0,keyboard_key_A"}},
  };
  const std::wstring left = window->ResolveTextId(L"mouse_key_left");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Click(L"ms_macro_btn_cancel");
    Option(L"ms_macro_check_time")->Selected(c.fixedPause, true);
    Option(L"ms_macro_mouse_click")->Selected(c.clicks, true);
    Option(L"ms_macro_mouse_move")->Selected(c.moves, true);
    Click(L"ms_macro_btn_deleteall");
    SteppedClock clock;
    Record(true);
    EXPECT_FALSE(Find(L"ms_macro_btn_save")->IsEnabled());
    Key(WM_KEYDOWN, 'A');
    clock.now += 1205;
    Key(WM_KEYDOWN, 'A');  // autorepeat
    Key(WM_KEYDOWN, 'A');
    Button(WM_MOUSEMOVE);
    Button(WM_MOUSEWHEEL);
    Key(WM_KEYUP, 'A');
    clock.now += 20 * 60 * 1000;
    Button(WM_LBUTTONDOWN);
    clock.now += 19;
    Button(WM_LBUTTONUP);
    Record(false);
    Key(WM_KEYDOWN, 'B');
    Button(WM_RBUTTONDOWN);
    std::vector<std::wstring> expected;
    for (std::wstring row : c.rows) {
      if (const size_t at = row.find(L"@left"); at != std::wstring::npos) row.replace(at, 5, left);
      expected.push_back(row);
    }
    EXPECT_EQ(expected, Rows());
    EXPECT_TRUE(Pending());
    EXPECT_TRUE(Find(L"ms_macro_btn_save")->IsEnabled());
  }
}

TEST_F(MouseMacroPageTest, RecordedClicksShowTheirArrowsAndDelays) {
  Open({L"a"});
  Option(L"ms_macro_mouse_click")->Selected(true, true);
  SteppedClock clock;
  Record(true);
  Button(WM_LBUTTONDOWN);
  clock.now += 300;
  Button(WM_LBUTTONUP);
  Record(false);
  CListUI* list = List(L"ms_Macro_list");
  ASSERT_EQ(2, list->GetCount());
  auto* press = dynamic_cast<CListTextElementUI*>(list->GetItemAt(0));
  auto* release = dynamic_cast<CListTextElementUI*>(list->GetItemAt(1));
  ASSERT_TRUE(press && release);
  EXPECT_EQ(L"macro_action", press->GetName().str());
  EXPECT_EQ(window->ResolveTextId(L"mouse_key_left"), press->GetText(0).str());
  EXPECT_EQ((std::vector<std::wstring>{L"\u25BC", L"300"}),
            (std::vector<std::wstring>{press->GetText(1).str(), press->GetText(2).str()}));
  EXPECT_EQ((std::vector<std::wstring>{L"\u25B2", L"0"}),
            (std::vector<std::wstring>{release->GetText(1).str(), release->GetText(2).str()}));

  // Saved and shown again, they come back in the common form.
  Click(L"ms_macro_btn_save");
  EXPECT_EQ(L"a", ReadIniText(folder + L"a.mac", L"MACROSELECTNAME", L"name"));
  Click(L"ms_macro_btn_cancel");
  ASSERT_EQ(2, list->GetCount());
  EXPECT_EQ(L"ms_macro_action", list->GetItemAt(0)->GetName().str());
}

// The first headset arrives while the user records a mouse macro. Its saved profile is applied on
// the detection thread, selecting the voice options with notification: their routes save and send,
// but the pending edit is not refused, and neither the recording nor its capture hooks end.
TEST_F(MouseMacroPageTest, AFirstHeadsetArrivingMidRecordingLeavesTheEditAndTheRecordingAlone) {
  Open({L"a"});
  Option(L"ms_macro_keyboard_event")->Selected(true, true);
  Record(true);
  ASSERT_TRUE(Pending());
  ASSERT_TRUE(window->m_deviceHook.IsInstalled());
  asked.clear();

  PlugTheFirstHeadset();

  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(Pending());
  EXPECT_TRUE(Option(L"ms_macro_Op_tab")->IsSelected());
  EXPECT_EQ(1, MouseMacroRecorder.recording.load());
  EXPECT_TRUE(window->m_deviceHook.IsInstalled());
  Record(false);
  EXPECT_FALSE(window->m_deviceHook.IsInstalled()) << "the user's own stop ends it";
}

TEST_F(MouseMacroPageTest, AFirstHeadsetArrivingDuringAKeyCaptureLetsTheCaptureGoOn) {
  Open({L"a"});
  ASSERT_TRUE(window->SetHook(HOOK_MODE_MOU_SINGLEKEY, true, true, false));
  PlugTheFirstHeadset();
  EXPECT_TRUE(window->m_deviceHook.IsInstalled());
  window->SetHook(HOOK_MODE_MOU_SINGLEKEY, false, true, false);
}

TEST_F(MouseMacroPageTest, TheRowEditorAndTheInsertPanelWorkOnTheSelectedRow) {
  Open({L"a"});
  WriteText(folder + L"a.mac",
            "[MACROACTIONCOUNT]\r\ncount=3\r\n[MACROACTION]\r\n0=1,0,138,4,1,keyboard_key_A\r\n"
            "1=2,0,10,4,0,keyboard_key_A\r\n2=3,0,1,1,0,mouse_key_left\r\n");
  List(L"ms_MacroName_list")->SelectItem(-1);
  List(L"ms_MacroName_list")->SelectItem(0);
  CListUI* list = List(L"ms_Macro_list");
  ASSERT_EQ(3, list->GetCount());

  // Inserted before the selection, which stays on its row.
  list->SelectItem(1);
  Click(L"ms_macro_inset_leftkeydown_btn");
  EXPECT_TRUE(Pending());
  ASSERT_EQ(4, list->GetCount());
  EXPECT_EQ(L"5,0,129,1,1,mouse_key_left", Rows()[1]);
  EXPECT_EQ(2, list->GetCurSel());
  EXPECT_EQ(L"2,0,10,4,0,keyboard_key_A", Rows()[2]);

  // A release row made a press: bit 7 of the type follows.
  window->EditMouseMacroAction();
  EXPECT_EQ(1, dynamic_cast<CTabLayoutUI*>(Find(L"ms_tab_macro_edit"))->GetCurSel());
  EXPECT_EQ(0, Combo(L"ms_macro_combo_upordown")->GetCurSel());
  Combo(L"ms_macro_combo_upordown")->SelectItem(1);
  EXPECT_EQ(L"2,0,138,4,1,keyboard_key_A", Rows()[2]);

  struct Delay {
    const wchar_t* typed;
    const wchar_t* shown;
    const wchar_t* record;
    const wchar_t* cell;
  } const delays[] = {
      {L"70000", L"65535", L"255,255,138,4,1,keyboard_key_A", L"655350"},
      {L"-5", L"0", L"0,0,138,4,1,keyboard_key_A", L"0"},
      {L"12", L"12", L"12,0,138,4,1,keyboard_key_A", L"120"},
  };
  for (const Delay& d : delays) {
    Type(L"ms__macro_edit_ActionDelay", d.typed);
    EXPECT_EQ(d.shown, Find(L"ms__macro_edit_ActionDelay")->GetText().str());
    EXPECT_EQ(d.record, Rows()[2]);
    auto* row = dynamic_cast<CContainerUI*>(list->GetItemAt(2));
    EXPECT_EQ(d.cell, row->GetItemAt(2)->GetText().str());
  }

  // Into an empty list: the only row, selected, 50 ms.
  Click(L"ms_macro_btn_deleteall");
  Type(L"ms_mouse_x_left_edit", L"300");
  EXPECT_EQ(L"255", Find(L"ms_mouse_x_left_edit")->GetText().str());
  Click(L"ms_macro_inset_moveleftkey_btn");
  EXPECT_EQ(std::vector<std::wstring>{L"5,0,132,255,1,mouse_move_to_left_text"}, Rows());
  EXPECT_EQ(0, list->GetCurSel());
  EXPECT_EQ(L"50", dynamic_cast<CContainerUI*>(list->GetItemAt(0))->GetItemAt(2)->GetText().str());
}

TEST_F(MouseMacroPageTest, EachInsertButtonInsertsItsRowOfTheMouseEvents) {
  Open({L"a"});
  for (int row = 0; row < static_cast<int>(std::size(kMacroInsertButtons)); ++row) {
    SCOPED_TRACE(row);
    Click(L"ms_macro_btn_deleteall");
    Click((std::wstring(L"ms_macro_inset_") + kMacroInsertButtons[row] + L"_btn").c_str());
    ASSERT_EQ(1, List(L"ms_Macro_list")->GetCount());
    List(L"ms_Macro_list")->SelectItem(0);
    window->EditMouseMacroAction();
    EXPECT_EQ(row, Combo(L"ms_macro_combo_mouselect")->GetCurSel());
  }
}

TEST_F(MouseMacroPageTest, TheInsertTabButtonsOpenOneTabAndASecondClickClosesIt) {
  Open({L"a"});
  Option(L"ms_macro_btn_shubiao")->Selected(true, true);
  EXPECT_TRUE(Find(L"ms_MacroMouseEvent")->IsVisible());
  EXPECT_FALSE(Find(L"ms_MacroName")->IsVisible());
  Click(L"ms_macro_inset_rightkey_btn");
  EXPECT_TRUE(Find(L"ms_macro_inset_rightkey_tab")->IsVisible());
  EXPECT_FALSE(Find(L"ms_macro_inset_leftkey_tab")->IsVisible());
  Click(L"ms_macro_inset_rightkey_btn");
  EXPECT_FALSE(Find(L"ms_macro_inset_rightkey_tab")->IsVisible());
}

TEST_F(MouseMacroPageTest, AnotherDeviceTabWhileAMouseEditIsPendingAsksOnceAndStays) {
  Open({L"a"});
  Click(L"ms_macro_btn_up");
  ASSERT_TRUE(Pending());
  asked.clear();
  Option(L"kb_tab")->Selected(true, true);
  EXPECT_EQ(std::vector<std::wstring>{L"message_text_3"}, asked);
  EXPECT_TRUE(Option(L"ms_tab")->IsSelected());
  EXPECT_TRUE(Option(L"ms_macro_Op_tab")->IsSelected());
  EXPECT_TRUE(Pending());
}

}  // namespace
