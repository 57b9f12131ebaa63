#include "control_lookup.h"

#include <cxxabi.h>

#include <cstdlib>
#include <mutex>
#include <set>

#include "diagnostics.h"

namespace {
std::mutex reportedLock;
std::set<std::wstring> reported;

std::wstring ClassName(const std::type_info& type) {
  int status = 0;
  char* readable = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  const std::wstring name = FromUtf8(status == 0 && readable ? readable : type.name());
  std::free(readable);
  return name;
}
}  // namespace

void ReportControlLookupFailure(const std::wstring& name, const std::type_info& wanted, bool exists) {
  const std::wstring wantedClass = ClassName(wanted);
  {
    std::lock_guard<std::mutex> lock(reportedLock);
    if (!reported.insert(ToLowerText(name) + L"|" + wantedClass).second) return;
  }
  if (exists) DebugLine(L"control \"" + name + L"\" is not a " + wantedClass);
  else DebugLine(L"control \"" + name + L"\" not found");
}

void ForgetReportedControlLookups() {
  std::lock_guard<std::mutex> lock(reportedLock);
  reported.clear();
}
