#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The macro memory image that keyboard and mouse receive with command 0x15: a 16-byte header
// (magic 0x55AA, length, macro count), an offset per macro, then per macro its action count and
// its actions of 4 bytes (delay low, delay high, type, code). All fields little-endian.
constexpr uint16_t DEVICE_MACRO_IMAGE_MAGIC = 0x55AA;
constexpr size_t DEVICE_MACRO_HEADER_SIZE = 16;
// The largest macro memory a device can report (255 units of 128 bytes) holds at most this many
// 4-byte actions, so no macro with more can ever be sent.
constexpr int DEVICE_MACRO_MOST_ACTIONS = 255 * 128 / 4;

struct DeviceMacroImage {
  enum class Status { Built, NoMacros, TooLong, NoMemory };
  Status status = Status::NoMacros;
  std::vector<uint8_t> bytes;  // Built only
  int excessActions = 0;       // TooLong: how many 4-byte actions too many, rounded up
};

// Where an image's items come from: an index file in the folder with a count and a name per item,
// and one file per item (name + extension) with its action count and records. The mouse's
// cursor-script image has the same layout with its own sections and extension. Counts read from
// the files are bounded: items to `mostItems`, actions to `mostActions` and to the records each file
// holds.
struct DeviceImageSource {
  const wchar_t* indexFileName;
  const wchar_t* countSection;
  const wchar_t* nameSection;
  const wchar_t* extension;
  int mostItems;
  int mostActions;
};
DeviceMacroImage BuildDeviceImage(const std::wstring& folder, const DeviceImageSource& source, size_t capacity);

// Builds the image from the macro index file and the macro files beside it, refusing one longer
// than `capacity` bytes before anything is allocated (NoMemory when even that allocation fails).
// Counts are read once each; a record that does not parse gives four zero bytes.
DeviceMacroImage BuildDeviceMacroImage(const std::wstring& folder, const wchar_t* indexFileName, size_t capacity);
