#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// What a checked call returns when its entry point did not resolve: the call was skipped.
constexpr int kAudioCallSkipped = -1;

// An outside library loaded at run time, with a table of entry points resolved by name. Calls go
// through Call(), which skips an entry point that did not resolve instead of jumping through null.
// The table is filled on one thread at start-up and only read afterwards.
class AudioLibraryModule {
 public:
  AudioLibraryModule(const char* const* names, size_t count);
  AudioLibraryModule(const AudioLibraryModule&) = delete;
  AudioLibraryModule& operator=(const AudioLibraryModule&) = delete;

  // Releases an earlier library and clears the table, then loads `path`; false when it did not load.
  bool Open(const std::wstring& path);
  // Looks one entry point up by its name; false (entry left null) when the library lacks it.
  bool Resolve(size_t index);

  const char* Name(size_t index) const { return names_[index]; }
  size_t size() const { return table_.size(); }
  HMODULE module() const { return module_; }

  // Calls the entry point as `Function`, its one declaration (audio_control_api.h,
  // audio_config_api.h), which carries the library's calling convention.
  template <typename Function, typename... Args>
  int Call(size_t index, Args... args) const {
    FARPROC address = table_[index];
    if (!address) return kAudioCallSkipped;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(address))(args...);
  }

 private:
  const char* const* names_;
  HMODULE module_ = nullptr;
  std::vector<FARPROC> table_;
};
