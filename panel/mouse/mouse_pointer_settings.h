#pragma once
#include <atomic>
#include <cstdint>

// The mouse settings' Windows pointer speed (1 to 20) and wheel lines: written by the mouse page and
// its profiles, applied to Windows by the short-lived pointer-setting threads.
extern std::atomic<uint8_t> MousePointerSpeed;
extern std::atomic<uint8_t> MouseWheelLines;

// Both back to their values at start; for test fixtures.
void ResetMousePointerRecords();
