#include "ui/tracked_allocations.h"

#include <map>
#include <mutex>

namespace {

std::mutex& RecordsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<const void*, void (*)(void*)>& Records() {
  static auto* records = new std::map<const void*, void (*)(void*)>;
  return *records;
}

}  // namespace

void TrackRecord(void* record, void (*deleter)(void*)) {
  std::lock_guard<std::mutex> lock(RecordsMutex());
  Records()[record] = deleter;
}

bool IsTrackedRecord(const void* record) {
  std::lock_guard<std::mutex> lock(RecordsMutex());
  return Records().count(record) != 0;
}

bool FreeTrackedRecord(void* record) {
  void (*deleter)(void*) = nullptr;
  {
    std::lock_guard<std::mutex> lock(RecordsMutex());
    auto found = Records().find(record);
    if (found == Records().end()) return false;
    deleter = found->second;
    Records().erase(found);
  }
  deleter(record);
  return true;
}
