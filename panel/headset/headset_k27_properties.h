#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "audio_config_library.h"

// Typed access to the K27 headset's named audio properties through the audio configuration
// library. Every call goes through the five 1024-byte buffers that the pages keep for the whole
// run, each with one role, so the library always sees the buffers it was designed against.

// The parameter of "VirtualSurroundEffectControl": three integers, -1, -1, 0 until the caller
// sets the first.
struct HeadsetK27EffectParam {
  int32_t values[3] = {-1, -1, 0};
};

// What goes with a property call besides its value: nothing, a channel, or the effect parameter.
struct HeadsetK27Second {
  enum class Kind { None, Channel, Effect } kind = Kind::None;
  int32_t channel = 0;

  static HeadsetK27Second None() { return {}; }
  static HeadsetK27Second Channel(int32_t channel) { return {Kind::Channel, channel}; }
  // The surround effect's parameter as the set-up passes it: 4, -1, 0.
  static HeadsetK27Second SurroundEffect() { return {Kind::Effect, 0}; }
};

// The microphone volume's channel and the monitor's.
constexpr int32_t kHeadsetK27MicChannel = -1;
constexpr int32_t kHeadsetK27MonitorChannel = 0;

enum class HeadsetK27Device { Output, Input };

// The five buffers by role: 0 the value to write, 1 the channel to write, 2 the value read, 3 the
// channel of a read, 4 the value of output-device properties, read and written.
class HeadsetK27PropertyBuffers {
 public:
  static constexpr size_t kCount = 5;
  static constexpr size_t kBytes = 1024;
  enum Role { kWriteValue = 0, kWriteChannel = 1, kReadValue = 2, kReadChannel = 3, kOutputValue = 4 };

  HeadsetK27PropertyBuffers() : buffers_(kCount, std::vector<uint8_t>(kBytes, 0)) {}
  uint8_t* operator[](Role role) { return buffers_[role].data(); }

 private:
  std::vector<std::vector<uint8_t>> buffers_;
};

class HeadsetK27Properties {
 public:
  HeadsetK27Properties(const ConfLibApi& api, HeadsetK27PropertyBuffers& buffers,
                       const ConfLibDeviceRecord& output, const ConfLibDeviceRecord& input);

  // Reads return 0 on success; the value is the library's text, terminated within its buffer, and
  // parsed as a decimal integer or with the wide float parser. A failed read leaves it unchanged.
  int ReadText(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, std::wstring& text);
  int ReadInteger(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, int32_t& value);
  int ReadFloat(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, float& value);
  // Writes put the value into the first four bytes of a zeroed value buffer.
  int WriteInteger(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, int32_t value);
  int WriteFloat(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, float value);

  const ConfLibDeviceRecord& Record(HeadsetK27Device device) const {
    return device == HeadsetK27Device::Output ? output_ : input_;
  }

 private:
  int Call(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, int direction);
  int WriteFourBytes(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second, const void* value);
  uint8_t* ValueBuffer(HeadsetK27Device device, int direction);

  const ConfLibApi& api_;
  HeadsetK27PropertyBuffers& buffers_;
  const ConfLibDeviceRecord& output_;
  const ConfLibDeviceRecord& input_;
};
