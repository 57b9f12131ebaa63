#pragma once
#include <string>
#include <typeinfo>

#include "ui/ui.h"

// Controls looked up by name and class. A control that the layout lacks, or that is of another
// class, gives null instead of a crash further on, and is written to the diagnostics once per name
// and class, not on every lookup (worker threads look controls up many times a second).
void ReportControlLookupFailure(const std::wstring& name, const std::type_info& wanted, bool exists);
// Forgets which lookups were reported; for test fixtures.
void ForgetReportedControlLookups();

template <class T>
T* FindTypedControl(const CPaintManagerUI& manager, const std::wstring& name) {
  CControlUI* control = manager.FindControl(name.c_str());
  T* typed = dynamic_cast<T*>(control);
  if (!typed) ReportControlLookupFailure(name, typeid(T), control != nullptr);
  return typed;
}
