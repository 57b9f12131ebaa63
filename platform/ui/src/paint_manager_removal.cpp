// Removed controls: kept, detached, until no dispatch can reach them, then destroyed on the
// window thread.
#include <windows.h>

#include <atomic>

#include "model_lock.h"
#include "private_messages.h"
#include "removed_controls.h"
#include "ui/paint_manager.h"

namespace {

std::atomic<int>& Deliveries() {
  static std::atomic<int> count{0};
  return count;
}

}  // namespace

DeliveryScope::DeliveryScope() { ++Deliveries(); }
DeliveryScope::~DeliveryScope() { --Deliveries(); }
bool AnyDeliveryInFlight() { return Deliveries().load() != 0; }

void DiscardControl(CControlUI* control) {
  ModelLock lock;
  CPaintManagerUI* manager = control->GetManager();
  control->SetManager(nullptr, nullptr, false);
  if (manager && manager->GetPaintWindow()) manager->KeepRemovedControl(control);
  else delete control;
}

void CPaintManagerUI::KeepRemovedControl(CControlUI* control) {
  {
    ModelLock lock;
    removed_.push_back(RemovedControl{control, GetTickCount()});
  }
  ScheduleReaping();
}

bool CPaintManagerUI::OnWindowThread() const {
  HWND window = GetPaintWindow();
  return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// Timers belong to the window's thread, so another thread asks it by message; once is enough
// while the timer runs.
void CPaintManagerUI::ScheduleReaping() {
  HWND window;
  {
    ModelLock lock;
    if (reapScheduled_) return;
    reapScheduled_ = true;
    window = window_;
  }
  if (OnWindowThread()) SetTimer(window, kUiReapTimer, kUiReapIntervalMs, nullptr);
  else ::PostMessageW(window, kUiStartReapingMessage, 0, 0);
}

void CPaintManagerUI::ReapRemovedControls() {
  if (AnyDeliveryInFlight()) return;  // a handler may still be on some stack: next tick
  std::vector<CControlUI*> doomed;
  bool empty;
  {
    ModelLock lock;
    const DWORD now = GetTickCount(), grace = GetRemovedControlGrace();
    auto kept = removed_.begin();
    for (const RemovedControl& entry : removed_) {
      if (now - entry.removedAt >= grace) doomed.push_back(entry.control);
      else *kept++ = entry;
    }
    removed_.erase(kept, removed_.end());
    empty = removed_.empty();
    if (empty) reapScheduled_ = false;
  }
  if (empty) KillTimer(window_, kUiReapTimer);
  for (CControlUI* control : doomed) delete control;  // outside the lock: destructors may call out
}

void CPaintManagerUI::DestroyRemovedControls() {
  std::vector<RemovedControl> removed;
  {
    ModelLock lock;
    removed.swap(removed_);
  }
  for (const RemovedControl& entry : removed) delete entry.control;
}
