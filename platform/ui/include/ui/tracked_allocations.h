#pragma once
#include <utility>

// Records that the library hands to the program through window messages are tracked, so that the
// receiver can tell a record of ours from a forged pointer before freeing it
// (CPaintManagerUI::DeletePtr).
void TrackRecord(void* record, void (*deleter)(void*));
bool IsTrackedRecord(const void* record);
// Frees a tracked record once; false (and nothing freed) for any other pointer.
bool FreeTrackedRecord(void* record);

template <class T, class... Args>
T* NewTrackedRecord(Args&&... args) {
  T* record = new T(std::forward<Args>(args)...);
  TrackRecord(record, [](void* p) { delete static_cast<T*>(p); });
  return record;
}
