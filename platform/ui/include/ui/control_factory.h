#pragma once
#include <windows.h>

#include <map>
#include <mutex>
#include <string>

class CControlUI;

using CreateClass = CControlUI* (*)();

// The program's own control classes, by class name, for layout files.
class CControlFactory {
 public:
  static CControlFactory* GetInstance();
  void RegistControl(LPCTSTR className, CreateClass create);
  // A tag names a registered class either as registered ("CDeviceKeyButtonUI") or without the
  // C prefix and UI suffix ("DeviceKeyButton"). Null when unknown.
  CControlUI* CreateControl(LPCTSTR tag) const;

 private:
  CControlFactory() = default;
  mutable std::mutex mutex_;
  std::map<std::wstring, CreateClass> classes_;  // lower-case names
};
