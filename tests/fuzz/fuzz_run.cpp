#include "fuzz_run.h"

#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <map>
#include <thread>

#include "diagnostics.h"
#include "test_files.h"

namespace {

// Far above what any input takes on a loaded machine (the slowest are configuration texts of a few
// hundred entries, each of which opens the system's cryptography), far below a hang.
constexpr DWORD kMostMsPerInput = 10000;
constexpr int kMostInputs = 20000;
// About 30 s for the whole run, shared among the readers: under Wine every file an input needs
// costs a few server round trips, so most readers reach their time before their count.
constexpr DWORD kMsPerReader = 2000;

// What the failure reports name: set before each input, read by the handlers.
struct CurrentCase {
  const char* reader = nullptr;
  uint64_t seed = 0;
  int number = -1;
  std::string how;
  const Bytes* input = nullptr;
  std::atomic<DWORD> started{0};
  std::atomic<bool> running{false};
};
CurrentCase current;

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// Prints the case and keeps its input beside the program, then ends the program.
[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "\nFUZZ FAILURE (%s): reader %s, seed %llu, case %d (%s)\n", what,
               current.reader ? current.reader : "?", static_cast<unsigned long long>(current.seed), current.number,
               current.how.c_str());
  std::fprintf(stderr, "replay: FUZZ_CASE=%d %s --gtest_filter=*/%s; the input is in fuzz_failure.bin\n",
               current.number, "fuzz_tests.exe", current.reader ? current.reader : "*");
  std::fflush(stderr);
  if (current.input) WriteBytes(ProgramFolder() + L"fuzz_failure.bin", *current.input);
  TerminateProcess(GetCurrentProcess(), 3);
  std::abort();
}

// Seen before any handler of the test framework, which would report the crash without the case.
LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_STACK_OVERFLOW:
    case EXCEPTION_IN_PAGE_ERROR: {
      static char what[64];
      std::snprintf(what, sizeof(what), "exception 0x%08lx", code);
      Fail(what);
    }
    default:
      return EXCEPTION_CONTINUE_SEARCH;
  }
}

void OnAbort(int) { Fail("abort: a checked index out of range, or a throw nothing caught"); }
void OnTerminate() { Fail("terminate"); }

// One watchdog for the whole run: an input that takes longer than the bound is a hang.
void StartWatchdog() {
  static bool started = false;
  if (started) return;
  started = true;
  AddVectoredExceptionHandler(1, OnCrash);
  std::signal(SIGABRT, OnAbort);
  std::set_terminate(OnTerminate);
  std::thread([] {
    for (;;) {
      Sleep(50);
      if (current.running && GetTickCount() - current.started > kMostMsPerInput) Fail("hang");
    }
  }).detach();
}

}  // namespace

std::vector<Bytes> ReadFuzzSeeds(const wchar_t* seedFolder) {
  std::vector<Bytes> seeds;
  const std::wstring folder = ProgramFolder() + L"fuzz_seeds\\" + seedFolder + L"\\";
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return seeds;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      const std::vector<unsigned char> bytes = ReadBytes(folder + found.cFileName);
      seeds.emplace_back(bytes.begin(), bytes.end());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return seeds;
}

namespace {

// Calls `visit` for each entry of a folder but "." and "..".
void ForEachEntry(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") visit(found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Every file below a folder (a few levels) with its size and time of writing.
using FolderState = std::map<std::wstring, std::pair<uint64_t, uint64_t>>;
void ListFolder(const std::wstring& folder, int depth, FolderState& state) {
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& found) {
    const std::wstring path = folder + found.cFileName;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (depth > 0) ListFolder(path + L"\\", depth - 1, state);
      state[path + L"\\"] = {0, 0};
      return;
    }
    const uint64_t size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    const uint64_t written =
        (static_cast<uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
    state[path] = {size, written};
  });
}

// The inputs' folders lie a few levels down in the run's own folder, so that a name from a file
// that climbs out of its folder ("..\\..\\x") lands where the run sees it; what other tests write
// meanwhile (they share the documents and temporary folders) is never taken for it.
constexpr const wchar_t* kCaseLevels = L"a\\b\\c\\";

// What the run's folder holds besides the levels above the inputs' folders.
FolderState Escaped(const std::wstring& root) {
  FolderState state;
  ListFolder(root, 8, state);
  state.erase(root + L"a\\");
  state.erase(root + L"a\\b\\");
  state.erase(root + L"a\\b\\c\\");
  return state;
}

void EmptyFolder(const std::wstring& folder) {
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& found) {
    const std::wstring path = folder + found.cFileName;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(path + L"\\");
      RemoveDirectoryW(path.c_str());
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  });
}

void WriteInput(const std::wstring& path, const Bytes& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

FuzzTally RunFuzzReader(const FuzzReader& reader, uint64_t seed) {
  StartWatchdog();
  FuzzTally tally;
  const std::vector<Bytes> seeds = reader.seedFolder ? ReadFuzzSeeds(reader.seedFolder) : reader.seeds();
  if (seeds.empty()) {
    std::fprintf(stderr, "fuzz: no seeds for %s\n", reader.name);
    return tally;
  }
  TempFolder run;
  const std::wstring work = run.path() + kCaseLevels;
  SHCreateDirectoryExW(nullptr, work.c_str(), nullptr);
  const char* only = std::getenv("FUZZ_CASE");
  const char* inputs = std::getenv("FUZZ_INPUTS");
  const int first = only ? std::atoi(only) : 0;
  const int end = only ? first + 1 : inputs ? std::atoi(inputs) : kMostInputs;
  const bool timed = !only && !inputs;
  const DWORD start = GetTickCount();
  for (int number = first; number < end && !(timed && GetTickCount() - start > kMsPerReader); ++number) {
    FuzzRandom random(seed ^ (0x9E3779B97F4A7C15ull * static_cast<uint64_t>(number + 1)));
    std::string how;
    const Bytes input = MutateSeed(seeds, reader.text, random, how);
    // A folder per input: the profile-string calls keep files they read, and a file written again
    // within the clock's step could be taken for the one they keep.
    const std::wstring folder = work + std::to_wstring(number) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    WriteInput(folder + reader.fileName, input);
    current.reader = reader.name;
    current.seed = seed;
    current.number = number;
    current.how = how;
    current.input = &input;
    current.started = GetTickCount();
    current.running = true;
    bool read = false;
    try {
      read = reader.read(folder, folder + reader.fileName);
    } catch (const std::exception& error) {
      Fail(error.what());
    }
    current.running = false;
    ++tally.tried;
    if (!read) ++tally.refused;
    EmptyFolder(folder);
    RemoveDirectoryW(folder.c_str());
    const FolderState escaped = Escaped(run.path());
    if (!escaped.empty()) Fail(("written outside its folder: " + ToUtf8(escaped.begin()->first)).c_str());
  }
  current.input = nullptr;
  std::printf("fuzz %-28s %6d inputs, %6d refused, %5lu ms\n", reader.name, tally.tried, tally.refused,
              GetTickCount() - start);
  std::fflush(stdout);
  return tally;
}
