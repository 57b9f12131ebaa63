#pragma once
#include <cstdint>

// The records that cross into the two outside audio libraries, laid out as those libraries read
// and write them (little-endian, 32-bit integers).

// What Harkin_Search_Present_Device fills: the maker's audio devices that are plugged in.
struct PresentDeviceList {
  uint16_t count;
  uint16_t vendorIds[128];
  uint16_t productIds[128];
};
static_assert(sizeof(PresentDeviceList) == 514, "the library fills 514 bytes");

// The block Harkin_SetVirtual7ch1 reads: one distance and one angle per virtual speaker.
struct Virtual7ch1Params {
  int32_t reserved;  // always 0
  float distance[8];
  float angle[8];
};
static_assert(sizeof(Virtual7ch1Params) == 68, "the library reads 68 bytes");

// A device of the audio configuration library, as GetDeviceById fills it and PropertyControl takes
// it back by value. The two opaque words belong to the library and are passed back unchanged.
struct ConfLibDevice {
  uint32_t firstWord;
  int32_t type;
  uint32_t secondWord;
  int32_t state;
};
static_assert(sizeof(ConfLibDevice) == 16, "PropertyControl takes 16 bytes by value");
