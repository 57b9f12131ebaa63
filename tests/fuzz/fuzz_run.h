#pragma once
#include <functional>
#include <string>
#include <vector>

#include "mutator.h"

// One reader of outside bytes under the fuzz test: its seed files (a folder under "fuzz_seeds"
// beside the test program, or made by `seeds` when there is none) and how one input is given to it.
struct FuzzReader {
  const char* name;
  const wchar_t* seedFolder;
  bool text;
  // Reads the input, which is already written to `file` in `folder` (the input's own folder, ending
  // in a backslash). True when the reader took it, false when it refused it.
  std::function<bool(const std::wstring& folder, const std::wstring& file)> read;
  const wchar_t* fileName = L"input.bin";  // some readers find their file by its name
  std::function<std::vector<Bytes>()> seeds = nullptr;
};

struct FuzzTally {
  int tried = 0;
  int refused = 0;
};

// Runs seeded inputs through the reader, each in a fresh folder of its own: case 0, 1, ... up to
// FuzzInputsPerReader(), or until the reader's share of the run's time is spent. A crash, a hang (an
// input that takes longer than the bound), a checked index out of range or a file written outside
// the input's own folder ends the program with the reader, the seed and the case printed, and the
// input kept for replay. FUZZ_CASE=<n> runs that case alone; FUZZ_INPUTS=<n> runs exactly n cases
// whatever they take.
FuzzTally RunFuzzReader(const FuzzReader& reader, uint64_t seed);

// The files of a folder under "fuzz_seeds" beside the test program.
std::vector<Bytes> ReadFuzzSeeds(const wchar_t* seedFolder);
