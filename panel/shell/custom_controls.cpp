#include "custom_controls.h"

#include <new>

namespace {
template <class Control>
CControlUI* CreateCustomControl() {
  return new (std::nothrow) Control;
}
}  // namespace

void RegisterCustomControls() {
  CControlFactory* factory = CControlFactory::GetInstance();
  factory->RegistControl(L"CCircleProgressUI", CreateCustomControl<CCircleProgressUI>);
  factory->RegistControl(L"CChartViewUI", CreateCustomControl<CChartViewUI>);
  factory->RegistControl(L"CWndUI", CreateCustomControl<CWndUI>);
  factory->RegistControl(L"CDeviceKeyButtonUI", CreateCustomControl<CDeviceKeyButtonUI>);
  factory->RegistControl(L"CMagicControlUI", CreateCustomControl<CMagicControlUI>);
}
