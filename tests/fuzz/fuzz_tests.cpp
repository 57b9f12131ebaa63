// Seeded mutations of valid files through every reader of outside bytes: none may crash, hang,
// index out of range or write outside the test's folder. Each reader prints its inputs and refusals.
#include <gtest/gtest.h>

#include "fuzz_readers.h"
#include "fuzz_run.h"

namespace {

// Fixed seeds: a failure is replayed from its reader, seed and case number.
constexpr uint64_t kSeed = 20261211;

class Fuzz : public testing::TestWithParam<FuzzReader> {};

TEST_P(Fuzz, NoInputCrashesHangsOrWritesOutside) {
  const FuzzTally tally = RunFuzzReader(GetParam(), kSeed);
  EXPECT_GT(tally.tried, 0) << "no seeds";
}

INSTANTIATE_TEST_SUITE_P(Readers, Fuzz, testing::ValuesIn(FuzzReaders()),
                         [](const testing::TestParamInfo<FuzzReader>& info) { return std::string(info.param.name); });

}  // namespace
