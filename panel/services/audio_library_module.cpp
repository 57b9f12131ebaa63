#include "audio_library_module.h"

#include <algorithm>

AudioLibraryModule::AudioLibraryModule(const char* const* names, size_t count)
    : names_(names), table_(count, nullptr) {}

bool AudioLibraryModule::Open(const std::wstring& path) {
  std::fill(table_.begin(), table_.end(), nullptr);
  if (module_) FreeLibrary(module_);
  module_ = LoadLibraryW(path.c_str());
  return module_ != nullptr;
}

bool AudioLibraryModule::Resolve(size_t index) {
  table_[index] = module_ ? GetProcAddress(module_, names_[index]) : nullptr;
  return table_[index] != nullptr;
}
