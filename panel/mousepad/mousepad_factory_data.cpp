#include "mousepad_factory_data.h"

// Profile 0, spectrum (mode 1), brightness 4, speed 2, direction 1, one colour: red; bytes 10..63
// zero.
const std::array<uint8_t, 64> MOUSEPAD_FACTORY_BLOCK = {0, 1, 4, 2, 1, 0, 0xFF, 0x00, 0x00, 0};
