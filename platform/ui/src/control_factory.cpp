#include "ui/control_factory.h"

#include "ui/ui_string.h"

CControlFactory* CControlFactory::GetInstance() {
  static CControlFactory* factory = new CControlFactory;
  return factory;
}

void CControlFactory::RegistControl(LPCTSTR className, CreateClass create) {
  if (!className || !create) return;
  std::lock_guard<std::mutex> lock(mutex_);
  classes_[ToLowerText(className)] = create;
}

CControlUI* CControlFactory::CreateControl(LPCTSTR tag) const {
  if (!tag) return nullptr;
  CreateClass create = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::wstring name = ToLowerText(tag);
    auto found = classes_.find(name);
    if (found == classes_.end()) found = classes_.find(L"c" + name + L"ui");
    if (found != classes_.end()) create = found->second;
  }
  return create ? create() : nullptr;
}
