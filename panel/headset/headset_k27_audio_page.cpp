// The K27 headset's audio set-up at "windowinit": the old-Windows mixer and notifications, the
// audio configuration library, its device picks and the defaults of unreadable properties; then
// the profile list, whose selection fills the lighting and equaliser pages.
#include "data_folders.h"
#include "diagnostics.h"
#include "headset_k27_audio_defaults.h"
#include "main_wnd.h"

namespace {
// The surround name whose call sets the surround effect's default; the set-up passes the other two
// surround names as well, which need nothing.
constexpr wchar_t kSurroundEnable[] = L"XearSurrHP_Enable";
}  // namespace

HeadsetK27Properties CMainWnd::HeadsetK27AudioProperties() {
  return HeadsetK27Properties(ConfLib(), m_propertyBuffers, ConfLibOutputDevice, ConfLibInputDevice);
}

std::wstring CMainWnd::GetHeadsetK27ProfileFolder() { return DeviceProfileFolder(m_hWnd, L"headK27"); }

void CMainWnd::InitHeadsetK27Audio() {
  if (!CurrentHeadsetK27AudioSystem().isVistaOrLater()) {
    OpenHeadsetK27Mixer();
    RegisterHeadsetK27AudioNotification();
    m_winmmDeviceChangeMessage = RegisterWindowMessageW(L"winmm_devicechange");
  }
  const bool loaded = LoadConfLib() != 0;
  if (StartHeadsetK27ConfLib(ConfLib(), loaded) == 0) {
    DebugLine(L"No device!");
  } else {
    SelectConfLibDevices();
    InitHeadsetK27AudioDefaults();
    RefreshHeadsetK27AudioPage();
    if (CControlUI* tab = Find(L"hsK27_tab")) tab->SetVisible(true);
  }
  InitHeadsetK27ProfileList();
}

int CMainWnd::OpenHeadsetK27Mixer() { return m_headsetK27LegacyAudio.OpenMixer(m_hWnd); }

int CMainWnd::CloseHeadsetK27Mixer() { return m_headsetK27LegacyAudio.CloseMixer(); }

int CMainWnd::RegisterHeadsetK27AudioNotification() { return m_headsetK27LegacyAudio.RegisterNotification(m_hWnd); }

void CMainWnd::InitHeadsetK27AudioDefaults() {
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  const std::vector<HeadsetK27AudioDefault>& defaults = HeadsetK27AudioDefaults();
  for (const wchar_t* name : {kSurroundEnable, L"XearSurrHP_Room", L"XearSurrHP_Mode"})
    EnsureHeadsetK27SurroundProperty(name);
  EnsureHeadsetK27CaptureProperty(defaults[1].name);
  for (size_t step = 2; step < defaults.size(); ++step) EnsureHeadsetK27AudioDefault(properties, defaults[step]);
}

void CMainWnd::EnsureHeadsetK27CaptureProperty(const wchar_t* name) {
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  EnsureHeadsetK27CaptureDefault(properties, name);
}

void CMainWnd::EnsureHeadsetK27SurroundProperty(const wchar_t* name) {
  if (wcscmp(name, kSurroundEnable) != 0) return;
  HeadsetK27Properties properties = HeadsetK27AudioProperties();
  EnsureHeadsetK27AudioDefault(properties, HeadsetK27AudioDefaults()[0]);
}
