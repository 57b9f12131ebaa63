#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "sync_lighting_leader.h"

namespace {

TEST(SyncLightingModeCopy, TheLeadersEightBytesReachTheOtherTwoAndTheSynchronisedSettings) {
  struct Case {
    int leader;
    bool copied;
  };
  for (const Case c : {Case{1, true}, Case{2, true}, Case{3, true}, Case{0, false}, Case{4, false}}) {
    SCOPED_TRACE(c.leader);
    // Records of 21 bytes; byte 0 (the profile) and bytes 9.. stay each device's own.
    std::array<std::array<uint8_t, 21>, 3> records;
    for (size_t d = 0; d < 3; ++d) records[d].fill(static_cast<uint8_t>(0x10 * (d + 1)));
    const auto before = records;
    SyncLightSettings sync{};
    EXPECT_EQ(c.copied,
              CopyLeaderLighting(c.leader, {&records[0][1], &records[1][1], &records[2][1]}, sync));
    if (!c.copied) {
      EXPECT_EQ(before, records);
      EXPECT_EQ(0, sync.effect);
      continue;
    }
    const uint8_t leading = static_cast<uint8_t>(0x10 * c.leader);
    for (size_t d = 0; d < 3; ++d) {
      EXPECT_EQ(before[d][0], records[d][0]);
      for (size_t b = 1; b <= 8; ++b) EXPECT_EQ(leading, records[d][b]) << d << " " << b;
      EXPECT_EQ(before[d][9], records[d][9]);
    }
    EXPECT_EQ(leading, sync.effect);
    EXPECT_EQ(leading, sync.blue);
  }
}

}  // namespace
