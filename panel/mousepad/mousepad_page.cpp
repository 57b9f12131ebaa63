// The mouse pad's memory, light profile files and lighting page as the window runs them: each
// operation calls the core and shows what comes of it.
#include <mutex>

#include "clock.h"
#include "diagnostics.h"
#include "file_name_check.h"
#include "ini_values.h"
#include "lighting_page_kit.h"
#include "main_wnd.h"
#include "mousepad_light_profile.h"
#include "mousepad_lighting_page.h"
#include "mousepad_memory.h"
#include "mousepad_page_state.h"
#include "program_folder.h"
#include "window_messages.h"

namespace {
constexpr DWORD kResetSettleMs = 1000;
constexpr wchar_t kIndexFile[] = L"mpProfile.ini";

std::mutex loadedLock;
std::wstring loadedProfile;

std::wstring FactoryFile() { return ProgramFolder() + MOUSEPAD_FACTORY_FILE; }
}  // namespace

MousePadState& MousePadPageState() {
  static MousePadState state;
  return state;
}

std::wstring LastLoadedMousePadProfile() {
  std::lock_guard<std::mutex> hold(loadedLock);
  return loadedProfile;
}

void SetLastLoadedMousePadProfile(const std::wstring& name) {
  std::lock_guard<std::mutex> hold(loadedLock);
  loadedProfile = name;
}

int CMainWnd::ReadMousePadMemory() {
  return ::ReadMousePadMemory(m_mousePadChannel, MousePadPageState(), FactoryFile()) == MousePadMemoryResult::Done;
}

void CMainWnd::ReloadActiveMousePadProfile() {
  if (::ReloadActiveMousePadProfile(m_mousePadChannel, MousePadPageState()) == MousePadMemoryResult::Done)
    SaveMousePadLightProfile();
}

void CMainWnd::SwitchMousePadOnboardProfile(int index) {
  if (::SwitchMousePadOnboardProfile(m_mousePadChannel, MousePadPageState(), index) == MousePadMemoryResult::Done)
    RefreshMousePadLightPage();
}

void CMainWnd::OnMousePadOnboardProfileSelect() {
  if (CComboUI* combo = Find<CComboUI>(L"mp_deng_combo_profile")) SwitchMousePadOnboardProfile(combo->GetCurSel());
}

void CMainWnd::ResetMousePadDefaults() {
  m_mousePadChannel.SendRestoreDefaults();
  CurrentClock().Sleep(kResetSettleMs);
  ::SendMessageW(m_hWnd, WM_MOUSEPAD_DEVICE_CHANGED, 0, 0);
}

int CMainWnd::LoadMousePadLightProfile(int index) {
  const std::wstring name = ReadIniText(GetMousePadProfileFolder() + kIndexFile, L"PROFILEDENGNAME", std::to_wstring(index));
  const int result =
      ::LoadMousePadLightProfile(MousePadPageState(), FileInFolder(GetMousePadProfileFolder(), name, MOUSEPAD_LIGHT_EXTENSION));
  if (result == 1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u4e22\u5931");           // "profile file missing"
  if (result == -1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u683c\u5f0f\u9519\u8bef");  // "profile file malformed"
  if (result == 0) SetLastLoadedMousePadProfile(name);
  return result;
}

// Saves to the profile the list last loaded, which is where the live settings came from, even when
// a linked program's profile is shown while the selection entry names another.
void CMainWnd::SaveMousePadLightProfile() {
  const std::wstring name = LastLoadedMousePadProfile();
  MousePadState& state = MousePadPageState();
  if (name.empty()) {
    state.FoldLiveInto(state.blocks[0]);
    return;
  }
  ::SaveMousePadLightProfile(state, FileInFolder(GetMousePadProfileFolder(), name, MOUSEPAD_LIGHT_EXTENSION));
}

void CMainWnd::RefreshMousePadLightPage() {
  const MousePadLiveSettings live = MousePadPageState().live;
  if (CComboUI* combo = Find<CComboUI>(L"mp_deng_combo_modeSelect")) combo->SelectItem1(live.mode, true, false);
  // Shows which on-board profile the settings came from, without choosing it: picking that very
  // profile there still switches the pad to it.
  CComboUI* onboard = Find<CComboUI>(L"mp_deng_combo_profile");
  if (onboard && IsMousePadProfile(live.profile)) onboard->ShowItem(live.profile);
  ShowMousePadModePanels(*this, live.mode, false);
  const DWORD argb = LightingArgb(live.red, live.green, live.blue);
  if (CColorPaletteUI* palette = Find<CColorPaletteUI>(L"mp_deng_Color_Pallet")) palette->SetSelectColor(argb);
  ShowLightingColour(*this, MousePadLightingKit(), MousePadColourFamily(), argb);
  ShowLightingSettings(*this, MousePadLightingKit(), live.brightness, live.speed, live.direction, live.multicolour);
}
