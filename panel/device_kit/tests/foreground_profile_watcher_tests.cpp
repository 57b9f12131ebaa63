// A foreground watcher's pass over a list, with the foreground program and the clock injected.
#include "debug_log_capture.h"
#include "fake_clock.h"
#include "foreground_profile_watcher.h"
#include "foreground_program.h"
#include "profile_list_fixture.h"

namespace {

struct InjectedForegroundProgram : ForegroundProgram {
  InjectedForegroundProgram() { InstallForegroundProgram(this); }
  ~InjectedForegroundProgram() override { InstallForegroundProgram(nullptr); }
  std::wstring Path() override { return path ? path() : std::wstring(); }
  std::function<std::wstring()> path;
};

// The clock of a pass, with a hook on its pauses (the moments a user can act in).
struct PassClock : FakeClock {
  std::function<void(DWORD)> onPause;
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override {
    if (onPause) onPause(milliseconds);
    return FakeClock::WaitForEvent(event, milliseconds);
  }
};

struct WatcherFixture : ProfileListFixture {
  InjectedForegroundProgram foreground;
  PassClock clock;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ~WatcherFixture() override { CloseHandle(stop); }

  void InFront(const std::wstring& program) {
    foreground.path = [program] { return program; };
  }
  void Link(int index, const wchar_t* flag, const std::wstring& program) {
    SetEntry(L"LIKEEXE", std::to_wstring(index), flag);
    SetEntry(L"PROCESS", std::to_wstring(index), program);
  }
  ForegroundWatch watch;
  WorkerPassResult Pass() { return RunForegroundWatcherPass(params, folder.path(), view, watch, stop); }
};

TEST_F(WatcherFixture, TheFirstLinkedProfileWinsAndTheSavedSelectionComesBack) {
  Link(1, L"1", L"C:\\Games\\Game.exe");
  Link(2, L"1", L"C:\\Games\\Game.exe");
  Given({L"A", L"B", L"C"}, 2);
  InFront(L"c:\\games\\GAME.exe");
  EXPECT_EQ(Pass(), WorkerPassResult::NextPass);
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(applied, std::vector<int>{1});
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"2") << "the watcher's choice is not the user's";
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{100, 2000}));
  InFront(L"C:\\Windows\\notepad.exe");
  Pass();
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(applied, (std::vector<int>{1, 2}));
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"2");
}

// At start-up the saved profile is only shown: the live state is what the device's detection
// loaded, and applying a key list's profile then would replace the keys the device profile holds.
// A program coming to the front or leaving it applies, also at start-up.
TEST_F(WatcherFixture, TheStartUpPassShowsTheSavedProfileWithoutApplyingIt) {
  Link(1, L"1", L"C:\\Games\\Game.exe");
  Given({L"A", L"B", L"C"}, -1);
  SetEntry(L"SELECT", L"select", L"2");
  InFront(L"C:\\Windows\\notepad.exe");
  Pass();
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(view.nameEdit, L"C");
  EXPECT_TRUE(applied.empty());
  Pass();
  EXPECT_TRUE(applied.empty()) << "nor while the program in front stays";
  InFront(L"C:\\Games\\Game.exe");
  Pass();
  InFront(L"C:\\Windows\\notepad.exe");
  Pass();
  EXPECT_EQ(applied, (std::vector<int>{1, 2}));

  watch = ForegroundWatch{};
  view.SelectIndexQuietly(-1);
  applied.clear();
  InFront(L"C:\\Games\\Game.exe");
  Pass();
  EXPECT_EQ(applied, std::vector<int>{1}) << "a linked program in front at start-up";
}

TEST_F(WatcherFixture, OnlyAFlagThatReadsExactly1Matches) {
  struct Case {
    const wchar_t* flag;
    int selected;
  };
  for (const Case& c : {Case{L"2", 0}, Case{L"01", 1}, Case{L"1x", 1}, Case{L"0", 0}}) {
    Link(1, c.flag, L"C:\\Games\\Game.exe");
    view.selected = -1;
    view.items.clear();
    Given({L"A", L"B"}, 0);
    InFront(L"C:\\Games\\Game.exe");
    Pass();
    EXPECT_EQ(view.selected, c.selected) << c.flag;
  }
}

TEST_F(WatcherFixture, AUserChoiceMadeDuringThePassSurvivesIt) {
  Link(1, L"1", L"C:\\Games\\Game.exe");
  Given({L"A", L"B", L"C"}, 2);
  InFront(L"C:\\Games\\Game.exe");
  clock.onPause = [&](DWORD milliseconds) {
    if (milliseconds == 100) view.SelectIndex(0);  // the user, while the watcher rests
  };
  Pass();
  EXPECT_EQ(Entry(L"SELECT", L"select"), L"0");
  clock.onPause = nullptr;
  InFront(L"C:\\Windows\\notepad.exe");
  Pass();
  EXPECT_EQ(view.selected, 0) << "the user's choice returns once no linked program is in front";
}

TEST_F(WatcherFixture, AProgramThatCannotBeSnapshotStillMatchesByItsImageName) {
  wchar_t own[MAX_PATH * 4];
  const std::wstring self(own, GetModuleFileNameW(nullptr, own, ARRAYSIZE(own)));
  Link(1, L"1", self);
  Given({L"A", L"B"}, 0);
  foreground.path = [] {
    return ReadProcessPath(GetCurrentProcessId(), [](DWORD) { return std::wstring(); }, ProcessPathFromImageName);
  };
  Pass();
  EXPECT_EQ(view.selected, 1);
}

TEST_F(WatcherFixture, NoReadableProgramSelectsTheSavedProfile) {
  Link(0, L"1", L"");
  Given({L"A", L"B"}, 1);
  view.SelectIndex(0);
  SetEntry(L"SELECT", L"select", L"1");
  Pass();
  EXPECT_EQ(view.selected, 1) << "an empty path matches no profile, not even one linked to nothing";
  SetEntry(L"SELECT", L"select", L"-1");
  Pass();
  EXPECT_EQ(view.selected, 1) << "a saved selection outside the list changes nothing";
}

TEST_F(WatcherFixture, AStopEndsTheWatcherWithItsExitText) {
  Given({L"A"}, 0);
  DebugLogCapture log;
  clock.onPause = [&](DWORD milliseconds) {
    if (milliseconds == 101) SetEvent(stop);  // its first pause, with the loop's top millisecond
  };
  const unsigned code = RunWorkerLoop(stop, 0, [&] { return Pass(); }, L"watcher told to end");
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(log.Count(L"watcher told to end"), 1);
  EXPECT_TRUE(clock.Pauses().empty()) << "the stop ends the rest at once";
}

}  // namespace
