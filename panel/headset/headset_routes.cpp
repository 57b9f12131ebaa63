// The first headset's notification routes, as data; the shell's router dispatches them. Its page
// tabs and the profile bar's spread button are the shell's.
#include "headset_routes.h"

#include <utility>

#include "main_wnd.h"

namespace {
RouteAction PlacesSpeaker(bool distanceMoved) {
  return [distanceMoved](CMainWnd& window, const RouteCall&) { window.OnHeadsetSpeakerPlaced(distanceMoved); };
}
}  // namespace

RouteTable HeadsetRoutes() {
  constexpr SelectPhase kThenGuard = SelectPhase::ActThenGuard;
  RouteTable routes = {
      // Voice page.
      ExactRoute(NotifyType::ValueChanged, L"hs_master_slider", Calls(&CMainWnd::OnHeadsetMasterVolumeChanged)),
      ExactRoute(NotifyType::ValueChanged, L"hs_left_slider", Calls(&CMainWnd::OnHeadsetChannelVolumeChanged)),
      ExactRoute(NotifyType::ValueChanged, L"hs_right_slider", Calls(&CMainWnd::OnHeadsetChannelVolumeChanged)),
      ExactRoute(NotifyType::ValueChanged, L"hs_mic_vol_slider", Calls(&CMainWnd::OnHeadsetMicVolumeChanged)),
      ExactRoute(NotifyType::ValueChanged, L"hs_LB_slider", PlacesSpeaker(true)),
      ExactRoute(NotifyType::ValueChanged, L"hs_ANGLE_slider", PlacesSpeaker(false)),
      NumberedRoute(NotifyType::SelectChanged, L"hs_slien_check_", 0, 7,
                    CallsWithNumber(&CMainWnd::OnHeadsetSpeakerSelected), kThenGuard),
      ExactRoute(NotifyType::SelectChanged, L"hs_virtual_check", CallsWithSender(&CMainWnd::OnHeadsetVirtualToggled),
                 kThenGuard),
      NumberedRoute(NotifyType::SelectChanged, L"hs_scenes_btn_", 0, 5,
                    CallsWithNumber(&CMainWnd::OnHeadsetSceneSelected), kThenGuard),
      ExactRoute(NotifyType::SelectChanged, L"btn_low_louder",
                 CallsWithSender(&CMainWnd::OnHeadsetNoiseCancellingToggled), kThenGuard),
      ExactRoute(NotifyType::Click, L"btn_recover", Calls(&CMainWnd::ResetHeadsetVoice)),
      // Magic voice page.
      ExactRoute(NotifyType::SelectChanged, L"magic_voice_open",
                 CallsWithSender(&CMainWnd::OnHeadsetMagicVoiceToggled), kThenGuard),
      NumberedRoute(NotifyType::SelectChanged, L"magic_check_", 0, 3,
                    CallsWithNumber(&CMainWnd::SelectHeadsetMagicVoice), kThenGuard),
  };
  for (Route& route : HeadsetLightingRoutes()) routes.push_back(std::move(route));
  for (Route& route : HeadsetProfileListRoutes()) routes.push_back(std::move(route));
  return routes;
}
