// The routes of the mouse page's performance controls. The sliders of stages 5 and 6 only follow
// a drag in their labels, and their colour buttons only show the hover border.
#include <string>

#include "main_wnd.h"
#include "mouse_dpi.h"
#include "mouse_routes.h"

namespace {
RouteAction WithStage(void (CMainWnd::*member)(int), int stage) {
  return [member, stage](CMainWnd& window, const RouteCall&) { (window.*member)(stage); };
}

RouteAction Hover(bool entered) {
  return [entered](CMainWnd& window, const RouteCall& call) { window.ShowMouseDpiColourHover(call.sender, entered); };
}

RouteAction WheelStep(int up) {
  return [up](CMainWnd& window, const RouteCall&) { window.StepMouseWheelLines(up); };
}

std::wstring Stage(int stage, const wchar_t* suffix) { return L"ms_DPI" + std::to_wstring(stage) + suffix; }
std::wstring ColourButton(int stage) { return L"ms_DPIcolor_btn_" + std::to_wstring(stage); }
}  // namespace

RouteTable MouseDpiRoutes() {
  RouteTable routes = {
      ExactRoute(NotifyType::ValueChanged, L"ms_point_speed_slider", Calls(&CMainWnd::OnMousePointerSpeedSlider)),
      ExactRoute(NotifyType::ItemSelect, L"ms_report_fct_combo", Calls(&CMainWnd::OnMouseReportRate)),
      ExactRoute(NotifyType::TextChanged, L"ms_gunlun_speed_edit", Calls(&CMainWnd::OnMouseWheelLinesTyped)),
      ExactRoute(NotifyType::KillFocus, L"ms_gunlun_speed_edit", Calls(&CMainWnd::OnMouseWheelLinesLeft)),
      ExactRoute(NotifyType::Click, L"ms_gunlun_speed_up_btn", WheelStep(1)),
      ExactRoute(NotifyType::Click, L"ms_gunlun_speed_down_btn", WheelStep(0)),
      ExactRoute(NotifyType::Click, L"ms_one_profile_default", Calls(&CMainWnd::ResetMousePointerSettings)),
  };
  for (int stage = 1; stage <= MOUSE_DPI_STAGES; ++stage) {
    const std::wstring slider = Stage(stage, L"_slider");
    const std::wstring button = ColourButton(stage);
    routes.push_back(ExactRoute(NotifyType::MoveValueChanged, slider.c_str(), WithStage(&CMainWnd::OnMouseDpiSliderMove, stage)));
    routes.push_back(ExactRoute(NotifyType::MouseEnter, button.c_str(), Hover(true)));
    routes.push_back(ExactRoute(NotifyType::MouseLeave, button.c_str(), Hover(false)));
    if (stage > MOUSE_DPI_SLIDER_STAGES) continue;
    routes.push_back(ExactRoute(NotifyType::ValueChanged, slider.c_str(), WithStage(&CMainWnd::OnMouseDpiSlider, stage)));
    routes.push_back(ExactRoute(NotifyType::Click, button.c_str(), WithStage(&CMainWnd::ChooseMouseDpiColour, stage)));
  }
  return routes;
}
