#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "audio_config_api.h"
#include "audio_library_module.h"
#include "audio_library_records.h"

// The audio configuration library reads and writes named properties of the K27 headset's output
// (render) and input (capture) devices. The panel loads it from a sub-folder of its own folder.

// The library's entry points, in the order the loader resolves them.
enum class ConfLibEntry : int {
#define AUDIO_ENTRY_POINT(name) name,
#include "audio_config_entry_points.inc"
#undef AUDIO_ENTRY_POINT
  Count
};
static_assert(static_cast<int>(ConfLibEntry::Count) == 11, "the library has 11 entry points");

// The library's two device lists.
constexpr int kConfLibOutputList = 0;
constexpr int kConfLibInputList = 1;

// A picked device and its feature mask (bit 0x20000: the device has the magic voice).
struct ConfLibDeviceRecord {
  ConfLibDevice device;
  int32_t featureMask;

  void Clear() { *this = ConfLibDeviceRecord{}; }
};

// The program-wide picks; zero until SelectConfLibDevices fills them.
extern ConfLibDeviceRecord ConfLibOutputDevice;
extern ConfLibDeviceRecord ConfLibInputDevice;

class ConfLibApi {
 public:
  ConfLibApi();

  // Loads the library at `path` and resolves every entry point it has (a missing one stays
  // null). false, with every entry null, when the library did not load.
  bool Load(const std::wstring& path);
  HMODULE module() const { return library_.module(); }

  // Checked calls: each returns the library's result, or kAudioCallSkipped without calling when
  // the entry point did not resolve.
  int ConfLibInit() const;
  int CreateDeviceList() const;
  // Presets *count to 0, so a call that fails or is skipped reports no device.
  int GetDeviceCount(int list, int32_t* count) const;
  // Clears *device first, so a failed fill leaves an empty record (type 0).
  int GetDeviceById(int list, int32_t index, ConfLibDevice* device) const;
  // `value` is the address of the value buffer's address; `second` the address of the channel
  // buffer's or parameter's address, or null. direction 0 reads, 1 writes.
  int PropertyControl(const ConfLibDevice& device, const wchar_t* name, void** value,
                      void** second, int direction) const;

  // Reads a property as text into a zeroed buffer that is terminated before it is read back.
  // 0 on success (text set); otherwise the failing result and text unchanged.
  int ReadPropertyText(const ConfLibDevice& device, const wchar_t* name, void** second,
                       std::wstring& text) const;

 private:
  template <typename Function, typename... Args>
  int Call(ConfLibEntry entry, Args... args) const {
    return library_.Call<Function>(static_cast<size_t>(entry), args...);
  }

  AudioLibraryModule library_;
};

// The panel's one table of the library's entry points, filled by LoadConfLib.
ConfLibApi& ConfLib();

// 1 on Windows Vista and later (major version above 5, or 5 with a minor version above 2).
int IsVistaOrLater();

// Loads "<program folder>SDK/x86/vista/osConfLib.dll" (or ".../xp/..." before Vista) into ConfLib().
// 1 loaded, 0 not (silently).
int LoadConfLib();

// Picks the output device (first of type 1 with state 1, failing that 12, then 7, then 4, each
// with state 1) and the input device (first of type 2), then reads both feature masks. A record
// without a match keeps what it held.
void SelectConfLibDevices(const ConfLibApi& api, ConfLibDeviceRecord& output,
                          ConfLibDeviceRecord& input);
void SelectConfLibDevices();  // ConfLib() into ConfLibOutputDevice and ConfLibInputDevice

// Sets the record's feature mask from the device's "GetSupportFeature" text. A record of type 0
// or below is left alone; text of fewer than seven comma-separated fields shows
// "UpdateAPOAvailable failed!".
void ReadConfLibDeviceFeatures(const ConfLibApi& api, ConfLibDeviceRecord& record);

// The non-empty pieces between any of the delimiter characters, in order.
std::vector<std::wstring> SplitString(const std::wstring& text, const std::wstring& delimiters);
