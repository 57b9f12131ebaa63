// How the panel starts the setup program: plainly, and elevated exactly when Windows answers that
// the program needs administrator rights; either way it waits for the program and closes its
// handle. Wine does not enforce elevation, so the plain start's answer comes through the seam; the
// elevated start itself is real.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "setup_program.h"
#include "test_files.h"

namespace {

std::wstring TestProgramFolder() {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, &self[0], static_cast<DWORD>(self.size())));
  return self.substr(0, self.find_last_of(L'\\') + 1);
}

// The stand-in, installed as the setup program under a folder whose name has blanks.
class SetupProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring panelFolder = folder / L"KARVO Panel\\";
    for (const std::wstring& made : {panelFolder, panelFolder + L"Toklin\\", panelFolder + L"Toklin\\Binary\\"})
      ASSERT_TRUE(CreateDirectoryW(made.c_str(), nullptr));
    program = SetupProgramPath(panelFolder, false, false);
    ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"setup_program_stand_in.exe").c_str(), program.c_str(), TRUE));
  }
  void TearDown() override { StartSetupProgramWith(nullptr); }

  // The arguments of each run of the stand-in, one per line.
  std::wstring Runs() const {
    const auto bytes = ReadBytes(program + L".log");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  }

  TempFolder folder;
  std::wstring program;
};

DWORD refusal = 0;
HANDLE RefusedStart(const std::wstring&, const std::wstring&, DWORD& error) {
  error = refusal;
  return nullptr;
}

TEST_F(SetupProgramStart, APlainStartRunsTheQuotedProgramWithItsArgumentAndWaits) {
  RunSetupProgram(program);
  EXPECT_EQ(Runs(), L"-demo\n") << "it ended before the panel went on";
}

TEST_F(SetupProgramStart, ElevationRequiredStartsTheSameProgramElevatedAndWaits) {
  refusal = kErrorElevationRequired;
  StartSetupProgramWith(RefusedStart);
  RunSetupProgram(program);
  EXPECT_EQ(Runs(), L"-demo\n");
}

TEST_F(SetupProgramStart, OtherRefusalsAreNotRetriedElevated) {
  StartSetupProgramWith(RefusedStart);
  for (DWORD error : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_BAD_EXE_FORMAT}}) {
    refusal = error;
    RunSetupProgram(program);
    Sleep(500);  // a run that was started without waiting would have logged by now
    EXPECT_FALSE(PathExists(program + L".log")) << error;
  }
}

// No box of its own may appear: the panel's start-up would wait on it with its window not yet shown.
TEST_F(SetupProgramStart, AnElevatedStartThatFailsShowsNothingAndWaitsForNothing) {
  refusal = kErrorElevationRequired;
  StartSetupProgramWith(RefusedStart);
  const DWORD start = GetTickCount();
  RunSetupProgram(folder / L"KARVO Panel\\Toklin\\Binary\\missing.exe");
  EXPECT_LT(GetTickCount() - start, 5000u);
}

// A process that ends after a while, standing for the started setup program.
std::atomic<bool> ended{false};
HANDLE startedProcess = nullptr;
HANDLE startedProcessWatch = nullptr;  // a handle of our own to the same object
DWORD WINAPI EndsAfterAWhile(void*) {
  Sleep(300);
  ended = true;
  return 0;
}
HANDLE StartedAsAThread(const std::wstring&, const std::wstring&, DWORD&) {
  startedProcess = CreateThread(nullptr, 0, EndsAfterAWhile, nullptr, 0, nullptr);
  DuplicateHandle(GetCurrentProcess(), startedProcess, GetCurrentProcess(), &startedProcessWatch, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  return startedProcess;
}

// Whether a handle value still refers to the object: a closed value may already be reused for
// another object by a thread of an earlier test, so its mere validity says nothing.
bool StillRefersTo(HANDLE value, HANDLE object) {
  using CompareHandles = BOOL(WINAPI*)(HANDLE, HANDLE);
  const auto compare = reinterpret_cast<CompareHandles>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernelbase.dll"), "CompareObjectHandles")));
  return !compare || compare(value, object);  // without the call nothing can be shown closed
}

TEST_F(SetupProgramStart, TheStartedProcessIsAwaitedAndItsHandleClosed) {
  StartSetupProgramWith(StartedAsAThread);
  RunSetupProgram(program);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(StillRefersTo(startedProcess, startedProcessWatch)) << "closed after the wait";
  CloseHandle(startedProcessWatch);
  EXPECT_FALSE(PathExists(program + L".log")) << "nothing else was started";
}

// Whether the panel starts the setup program follows where that program installs the uninstaller:
// the delivered 32-bit one installs into the 32-bit Program Files folder, on 64-bit Windows too.
std::vector<std::wstring> startedPrograms;
HANDLE RecordedStart(const std::wstring& program, const std::wstring&, DWORD&) {
  startedPrograms.push_back(program.substr(program.find_last_of(L'\\') + 1));
  return CreateEventW(nullptr, TRUE, TRUE, nullptr);  // a process that has ended already
}

TEST(SetupProgramUnlessInstalled, LooksForTheUninstallerWhereTheProgramItStartsPutsIt) {
  enum Place { Nowhere, In32BitFolder, In64BitFolder };
  const struct {
    bool is64BitWindows, x64ProgramShips;
    Place uninstaller;
    const wchar_t* started;  // null: none
  } cases[] = {
      {false, false, Nowhere, L"Pendrel_x32.exe"},
      {false, false, In32BitFolder, nullptr},
      {false, true, In32BitFolder, nullptr},
      {true, false, Nowhere, L"Pendrel_x32.exe"},
      {true, false, In32BitFolder, nullptr},
      {true, false, In64BitFolder, L"Pendrel_x32.exe"},
      {true, true, In64BitFolder, nullptr},
      {true, true, In32BitFolder, L"Pendrel_x64.exe"},
  };
  StartSetupProgramWith(RecordedStart);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.is64BitWindows ? "64" : "32") << "-bit Windows, x64 program "
                                    << c.x64ProgramShips << ", uninstaller at " << c.uninstaller);
    TempFolder root;
    const std::wstring panel = root / L"Panel\\";
    for (const std::wstring& made : {panel, panel + L"Toklin\\", panel + L"Toklin\\Binary\\"})
      ASSERT_TRUE(CreateDirectoryW(made.c_str(), nullptr));
    WriteText(SetupProgramPath(panel, false, false), "32");
    if (c.x64ProgramShips) WriteText(SetupProgramPath(panel, true, true), "64");
    const ProgramFilesFolders folders{root / L"Program Files (x86)\\",
                                      c.is64BitWindows ? root / L"Program Files\\" : root / L"Program Files (x86)\\"};
    if (c.uninstaller != Nowhere) {
      const std::wstring folder =
          (c.uninstaller == In32BitFolder ? folders.for32BitPrograms : folders.for64BitPrograms) +
          L"Default Orvel USB Audio Software\\";
      CreateDirectoryW(folders.for32BitPrograms.c_str(), nullptr);
      CreateDirectoryW(folders.for64BitPrograms.c_str(), nullptr);
      ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
      WriteText(folder + L"Undrel.exe", "uninstaller");
      ASSERT_TRUE(SetFileAttributesW((folder + L"Undrel.exe").c_str(), FILE_ATTRIBUTE_ARCHIVE));
    }
    startedPrograms.clear();
    RunSetupProgramUnlessInstalled(panel, c.is64BitWindows, folders);
    EXPECT_EQ(startedPrograms, c.started ? std::vector<std::wstring>{c.started} : std::vector<std::wstring>{});
  }
  StartSetupProgramWith(nullptr);
}

// The test prefix is a 64-bit Windows with both folders.
TEST(SetupProgramUnlessInstalled, TheSystemsFoldersAreThoseOfEachWidth) {
  const ProgramFilesFolders wide = SystemProgramFilesFolders(true);
  EXPECT_EQ(wide.for32BitPrograms, L"C:\\Program Files (x86)\\");
  EXPECT_EQ(wide.for64BitPrograms, L"C:\\Program Files\\");
  const ProgramFilesFolders narrow = SystemProgramFilesFolders(false);
  EXPECT_EQ(narrow.for32BitPrograms, narrow.for64BitPrograms);
}

}  // namespace
