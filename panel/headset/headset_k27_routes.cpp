// The K27 headset pages' notification routes, as data; the shell's router dispatches them.
#include "headset_k27_routes.h"

#include "headset_k27_eq.h"
#include "main_wnd.h"

RouteTable HeadsetK27Routes() {
  using T = NotifyType;
  RouteTable routes = {
      ExactRoute(T::ValueChanged, L"hs_mic_slider", Calls(&CMainWnd::OnHeadsetK27MicVolumeChanged)),
      ExactRoute(T::ValueChanged, L"hs_monitor_slider", Calls(&CMainWnd::OnHeadsetK27MonitorVolumeChanged)),
      ExactRoute(T::Click, L"btn_mic_in", Calls(&CMainWnd::ToggleHeadsetK27MicMute)),
      ExactRoute(T::Click, L"btn_mic_moniter", Calls(&CMainWnd::ToggleHeadsetK27MonitorMute)),
      ExactRoute(T::SelectChanged, L"magicK27_voice_open", Calls(&CMainWnd::OnHeadsetK27MagicVoiceToggled),
                 SelectPhase::ActThenGuard),
      NumberedRoute(T::SelectChanged, L"magicK27_check_", 0, 3, CallsWithNumber(&CMainWnd::SelectHeadsetK27MagicVoice),
                    SelectPhase::ActThenGuard),
      NumberedRoute(T::SelectChanged, L"hs_EQ_STATUS_", 0, kHeadsetK27UserEqOption,
                    CallsWithNumber(&CMainWnd::SelectHeadsetK27EqPreset), SelectPhase::ActThenGuard),
      ExactRoute(T::ItemSelect, L"hs_EQmode_Combo", Calls(&CMainWnd::ApplyHeadsetK27UserEqPreset)),
      NumberedRoute(T::ValueChanged, L"HZK27_Slider_", 0, kHeadsetK27EqBands - 1,
                    CallsWithNumber(&CMainWnd::OnHeadsetK27EqSliderChanged)),
      ExactRoute(T::Click, L"hs_EQ_btn_save", Calls(&CMainWnd::SaveHeadsetK27UserEqPreset)),
      ExactRoute(T::Click, L"hs_EQ_btn_delete", Calls(&CMainWnd::DeleteHeadsetK27UserEqPreset)),
  };
  for (Route& route : HeadsetK27LightingRoutes()) routes.push_back(std::move(route));
  for (Route& route : HeadsetK27ProfileListRoutes()) routes.push_back(std::move(route));
  return routes;
}
