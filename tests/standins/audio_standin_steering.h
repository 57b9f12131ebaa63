#pragma once
// What tests use to steer a loaded stand-in audio library and to read its call log, through the
// library's own Standin* exports.
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio_library_records.h"

class StandinLibrary {
 public:
  // `module` is the stand-in as the code under test loaded it.
  explicit StandinLibrary(HMODULE module) : module_(module) {}

  // Back to the plausible device of a fresh load, with an empty call log.
  void Reset() const { Export<void (*)()>("StandinReset")(); }
  void ClearCallLog() const { Export<void (*)()>("StandinClearCallLog")(); }

  std::vector<std::string> CallLog() const {
    auto copy = Export<int (*)(char*, int)>("StandinCopyCallLog");
    std::string text(copy(nullptr, 0) + 1, '\0');
    // The log may grow between the two calls; keep what was copied.
    size_t length = static_cast<size_t>(copy(text.data(), static_cast<int>(text.size())));
    text.resize(std::min(length, text.size() - 1));
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
  }

 protected:
  template <typename Function>
  Function Export(const char* name) const {
    FARPROC address = module_ ? GetProcAddress(module_, name) : nullptr;
    if (!address) throw std::runtime_error(std::string("stand-in export missing: ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  }

 private:
  HMODULE module_;
};

class AudioControlStandin : public StandinLibrary {
 public:
  using StandinLibrary::StandinLibrary;
  void SetHeadsetPresent(bool present) const {
    Export<void (*)(int)>("StandinSetHeadsetPresent")(present ? 1 : 0);
  }
  // The headset behind `position` other devices of the maker; -1 empties the list.
  void ListHeadsetAt(int position) const {
    Export<void (*)(int)>("StandinListHeadsetAt")(position);
  }
  // -1 for a slave or register the headset does not have.
  int I2CRegister(int slave, int reg) const {
    return Export<int (*)(int, int)>("StandinReadI2CRegister")(slave, reg);
  }
  // What the I2C writes and the magic voice switch answer; kOwnResult returns to the stand-in's own.
  static constexpr int kOwnResult = 0x7FFFFFFF;
  void InjectI2CWriteResult(int result) const {
    Export<void (*)(int)>("StandinInjectI2CWriteResult")(result);
  }
  void InjectMagicSwitchResult(int result) const {
    Export<void (*)(int)>("StandinInjectMagicSwitchResult")(result);
  }
  // Argument `index` of the setting's last call; -1 when it was not called.
  int LastSetting(const char* name, int index = 0) const {
    return Export<int (*)(const char*, int)>("StandinLastSetting")(name, index);
  }
  Virtual7ch1Params LastVirtualBlock() const {
    Virtual7ch1Params block{};
    Export<void (*)(Virtual7ch1Params*)>("StandinLastVirtualBlock")(&block);
    return block;
  }
};

class AudioConfigStandin : public StandinLibrary {
 public:
  using StandinLibrary::StandinLibrary;
  void SetInitResult(int result) const { Export<void (*)(int)>("StandinSetInitResult")(result); }
  // Both device lists as a fresh load has them, or empty.
  void SetHeadsetPresent(bool present) const {
    Export<void (*)(int)>("StandinSetHeadsetPresent")(present ? 1 : 0);
  }
  // list 0: output devices, 1: input devices.
  void SetDeviceList(int list, const std::vector<ConfLibDevice>& devices) const {
    Export<void (*)(int, const ConfLibDevice*, int)>("StandinSetDeviceList")(
        list, devices.data(), static_cast<int>(devices.size()));
  }
  // store 0: the output device's properties, 1: the input device's. Null text: unreadable.
  void SetProperty(int store, const wchar_t* name, const wchar_t* text) const {
    Export<void (*)(int, const wchar_t*, const wchar_t*)>("StandinSetProperty")(store, name, text);
  }
  // A store made unreadable fails every read, whatever its properties hold; writes still land.
  void SetStoreReadable(int store, bool readable) const {
    Export<void (*)(int, int)>("StandinSetStoreReadable")(store, readable ? 1 : 0);
  }
};
