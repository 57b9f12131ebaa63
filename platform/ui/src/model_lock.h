#pragma once

// The one lock of the control model. Any thread may change controls; every change and every
// layout or paint pass happens under this short, recursive lock. Nothing calls out of the library
// (notifications, SendMessage, ShowWindow, child windows) while holding it.
class ModelLock {
 public:
  ModelLock();
  ~ModelLock();
  ModelLock(const ModelLock&) = delete;
  ModelLock& operator=(const ModelLock&) = delete;
};
