#pragma once
// The copy behind the same-mode buttons: the leader's eight lighting bytes (mode, brightness, speed,
// direction, multicolour, red, green, blue) go to the other two devices and to the synchronised
// settings.
#include <cstdint>

#include "sync_lighting.h"

enum SyncLeader : int { SYNC_LEADER_KEYBOARD = 1, SYNC_LEADER_MOUSE = 2, SYNC_LEADER_MOUSEPAD = 3 };

// Each points at byte 1 of the device's live lighting record.
struct SyncLightingBytes {
  uint8_t* keyboard;
  uint8_t* mouse;
  uint8_t* mousePad;
};

// False, with nothing copied, for a leader other than 1..3.
bool CopyLeaderLighting(int leader, const SyncLightingBytes& records, SyncLightSettings& sync);
