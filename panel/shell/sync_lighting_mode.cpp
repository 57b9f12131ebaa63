// The same-mode buttons: the leading device's lighting goes to the other two and to synchronised
// lighting; the followers' pages are refreshed and their files saved, and all three devices enter
// synchronised lighting. Nothing is sent to any device.
#include "diagnostics.h"
#include "keyboard_device_profile.h"
#include "keyboard_page_state.h"
#include "main_wnd.h"
#include "mouse_state.h"
#include "mousepad_page_state.h"
#include "sync_lighting_leader.h"

void CMainWnd::SyncLightingMode(int leader) {
  const SyncLightingBytes records{&KeyboardPageState().KeyboardLiveSettings[1], &MouseLiveSettings[1],
                                  reinterpret_cast<uint8_t*>(&MousePadPageState().live) + 1};
  if (!CopyLeaderLighting(leader, records, m_syncLightSettings)) {
    DebugLine(L"\u540c\u6b65\u5931\u8d25");  // "synchronisation failed"
    return;
  }
  if (leader != SYNC_LEADER_MOUSE) RefreshMousePage();
  if (leader != SYNC_LEADER_MOUSEPAD) RefreshMousePadLightPage();
  if (leader != SYNC_LEADER_KEYBOARD) RefreshKeyboardLightPage();
  if (leader != SYNC_LEADER_KEYBOARD) SaveKeyboardDeviceProfile(KeyboardPageState(), GetKeyboardProfileFolder());
  if (leader != SYNC_LEADER_MOUSE) {
    SaveMouseLightProfile();
    SaveMouseDeviceProfile();
  }
  if (leader != SYNC_LEADER_MOUSEPAD) SaveMousePadLightProfile();
  // Last, so the synchronised-lighting thread starts on the copied settings.
  m_keyboardChannel.m_lightingSync = 1;
  m_mouseChannel.m_lightingSync = 1;
  m_mousePadChannel.m_lightingSync = 1;
}
