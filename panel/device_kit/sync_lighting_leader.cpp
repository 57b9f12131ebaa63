#include "sync_lighting_leader.h"

#include <cstring>

namespace {
constexpr size_t kBytes = sizeof(SyncLightSettings);
}

bool CopyLeaderLighting(int leader, const SyncLightingBytes& records, SyncLightSettings& sync) {
  const uint8_t* from = nullptr;
  switch (leader) {
    case SYNC_LEADER_KEYBOARD: from = records.keyboard; break;
    case SYNC_LEADER_MOUSE: from = records.mouse; break;
    case SYNC_LEADER_MOUSEPAD: from = records.mousePad; break;
    default: return false;
  }
  uint8_t leading[kBytes];
  std::memcpy(leading, from, kBytes);
  for (uint8_t* to : {records.keyboard, records.mouse, records.mousePad})
    if (to != from) std::memcpy(to, leading, kBytes);
  std::memcpy(&sync, leading, kBytes);
  return true;
}
