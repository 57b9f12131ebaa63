#include "model_lock.h"

#include <windows.h>

namespace {

CRITICAL_SECTION& Section() {
  static CRITICAL_SECTION* section = [] {
    auto* created = new CRITICAL_SECTION;  // lives for the process: controls may outlive statics
    InitializeCriticalSection(created);
    return created;
  }();
  return *section;
}

}  // namespace

ModelLock::ModelLock() { EnterCriticalSection(&Section()); }
ModelLock::~ModelLock() { LeaveCriticalSection(&Section()); }
