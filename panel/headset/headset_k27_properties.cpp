#include "headset_k27_properties.h"

#include <cstring>
#include <cwchar>

namespace {
constexpr int kRead = 0;
constexpr int kWrite = 1;
}  // namespace

HeadsetK27Properties::HeadsetK27Properties(const ConfLibApi& api, HeadsetK27PropertyBuffers& buffers,
                                           const ConfLibDeviceRecord& output, const ConfLibDeviceRecord& input)
    : api_(api), buffers_(buffers), output_(output), input_(input) {}

uint8_t* HeadsetK27Properties::ValueBuffer(HeadsetK27Device device, int direction) {
  if (device == HeadsetK27Device::Output) return buffers_[HeadsetK27PropertyBuffers::kOutputValue];
  return buffers_[direction == kWrite ? HeadsetK27PropertyBuffers::kWriteValue : HeadsetK27PropertyBuffers::kReadValue];
}

int HeadsetK27Properties::Call(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                               int direction) {
  void* value = ValueBuffer(device, direction);
  HeadsetK27EffectParam effect;
  void* secondPointer = nullptr;
  if (second.kind == HeadsetK27Second::Kind::Channel) {
    uint8_t* channel = buffers_[direction == kWrite ? HeadsetK27PropertyBuffers::kWriteChannel
                                                    : HeadsetK27PropertyBuffers::kReadChannel];
    std::memcpy(channel, &second.channel, sizeof second.channel);
    secondPointer = channel;
  } else if (second.kind == HeadsetK27Second::Kind::Effect) {
    effect.values[0] = 4;
    secondPointer = effect.values;
  }
  return api_.PropertyControl(Record(device).device, name, &value,
                              second.kind == HeadsetK27Second::Kind::None ? nullptr : &secondPointer, direction);
}

int HeadsetK27Properties::ReadText(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                   std::wstring& text) {
  uint8_t* buffer = ValueBuffer(device, kRead);
  std::memset(buffer, 0, HeadsetK27PropertyBuffers::kBytes);
  const int result = Call(device, name, second, kRead);
  if (result != 0) return result;
  // The library's text is trusted no further than the buffer's end.
  wchar_t* chars = reinterpret_cast<wchar_t*>(buffer);
  constexpr size_t kChars = HeadsetK27PropertyBuffers::kBytes / sizeof(wchar_t);
  chars[kChars - 1] = L'\0';
  text.assign(chars, wcsnlen(chars, kChars));
  return 0;
}

int HeadsetK27Properties::ReadInteger(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                      int32_t& value) {
  std::wstring text;
  const int result = ReadText(device, name, second, text);
  if (result == 0) value = static_cast<int32_t>(wcstol(text.c_str(), nullptr, 10));
  return result;
}

int HeadsetK27Properties::ReadFloat(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                    float& value) {
  std::wstring text;
  const int result = ReadText(device, name, second, text);
  if (result == 0) value = wcstof(text.c_str(), nullptr);
  return result;
}

int HeadsetK27Properties::WriteInteger(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                       int32_t value) {
  return WriteFourBytes(device, name, second, &value);
}

int HeadsetK27Properties::WriteFloat(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                     float value) {
  static_assert(sizeof(float) == 4, "the library takes a 32-bit float");
  return WriteFourBytes(device, name, second, &value);
}

int HeadsetK27Properties::WriteFourBytes(HeadsetK27Device device, const wchar_t* name, HeadsetK27Second second,
                                         const void* value) {
  uint8_t* buffer = ValueBuffer(device, kWrite);
  std::memset(buffer, 0, HeadsetK27PropertyBuffers::kBytes);
  std::memcpy(buffer, value, 4);
  return Call(device, name, second, kWrite);
}
