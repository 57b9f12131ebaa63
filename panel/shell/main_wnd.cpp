#include "main_wnd.h"

#include <string>

#include "about_window.h"
#include "audio_control_library.h"
#include "custom_controls.h"
#include "diagnostics.h"
#include "page_layouts.h"
#include "program_folder.h"
#include "setup_program.h"
#include "skin_frame.h"

HWND MainWindowHandle = nullptr;

UI_BEGIN_MESSAGE_MAP(CMainPage, CNotifyPump)
UI_ON_NOTIFY(L"click", &CMainPage::OnClick)
UI_ON_NOTIFY(L"selectchanged", &CMainPage::OnSelectChanged)
UI_ON_NOTIFY(L"itemclick", &CMainPage::OnItemClick)
UI_END_MESSAGE_MAP()

UI_BEGIN_MESSAGE_MAP(CMainWnd, WindowImplBase)
UI_END_MESSAGE_MAP()

namespace {
constexpr UINT kPanelIconResource = 107;
constexpr DWORD kPaletteSelectColor = 0xFF0199CB;

const wchar_t* const kCaptionButtonNames[] = {L"closebtn", L"maxbtn", L"restorebtn", L"minbtn", L"skinbtn"};
const wchar_t* const kPaletteNames[] = {L"ms_deng_Color_Pallet", L"mp_deng_Color_Pallet", L"kb_deng_Color_Pallet",
                                        L"hs_deng_Color_Pallet", L"hsK27_deng_Color_Pallet"};

template <size_t N>
void FindNumbered(const CMainWnd& window, const wchar_t* prefix, std::array<CDeviceKeyButtonUI*, N>& buttons) {
  for (size_t i = 0; i < N; ++i) buttons[i] = window.Find<CDeviceKeyButtonUI>(prefix, static_cast<int>(i));
}
}  // namespace

CMainWnd::CMainWnd() {
  m_mainPage.SetPaintManager(&m_pm);
  AddVirtualWnd(L"mainpage", &m_mainPage);
}

CMainWnd::~CMainWnd() {
  CMenuWnd::DestroyMenu();
  m_trayMenu.reset();
  RemoveVirtualWnd(L"mainpage");
  CResourceManager::GetInstance()->SetTextQueryInterface(nullptr);
  // The process-wide observer outlives this window; it must not keep calling it.
  RemoveObserver();
}

int CMainWnd::IsWow64() {
  using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (!isWow64Process || !isWow64Process(GetCurrentProcess(), &wow64)) return 0;
  return wow64 ? 1 : 0;
}

void CMainWnd::InitWindow() {
  DebugLine(L"InitWindow");
  CResourceManager::GetInstance()->SetTextQueryInterface(this);
  CResourceManager::GetInstance()->LoadLanguage(L"lan_en.xml");
  AddSkinChangeReceiver(this);
  FindCaptionAndPreviewButtons();
  MainWindowHandle = m_hWnd;
  for (const wchar_t* name : kPaletteNames)
    if (auto* palette = Find<CColorPaletteUI>(name)) palette->SetSelectColor(kPaletteSelectColor);
  BuildVoiceEffectSelector();
  const bool is64BitWindows = IsWow64() != 0;
  RunSetupProgramUnlessInstalled(ProgramFolder(), is64BitWindows, SystemProgramFilesFolders(is64BitWindows));
  AudioControlLibrary().Load(L"Harkin_UsbAudio73xx_x32.dll");
  m_trayIcon.CreateTrayIcon(m_hWnd, kPanelIconResource, L"KARVO", 0);
  m_pm.GetDPIObj()->SetDPIAwareness(1);
}

void CMainWnd::FindCaptionAndPreviewButtons() {
  for (size_t i = 0; i < m_captionButtons.size(); ++i) m_captionButtons[i] = Find(kCaptionButtonNames[i]);
  FindNumbered(*this, L"ms_dkey_", m_mouseKeyButtons);
  FindNumbered(*this, L"mp_dkey_", m_mousePadKeyButtons);
  FindNumbered(*this, L"kb_dkey_", m_keyboardKeyButtons);
  FindNumbered(*this, L"head_dkey_", m_headsetKeyButtons);
  FindNumbered(*this, L"headK27_dkey_", m_headsetK27KeyButtons);
}

void CMainWnd::BuildVoiceEffectSelector() {
  CControlUI* built = CDialogBuilder().Create(L"XML\\CustomControlXML\\VoiceMagicControl.xml", this, &m_pm);
  m_magicControl = dynamic_cast<CMagicControlUI*>(built);
  auto* container = Find<CContainerUI>(L"MagicVoiceSetting");
  if (built && container) container->Add(built);
  else delete built;
  if (!m_magicControl || !container) DebugLine(L"the layout lacks the voice-effect selector");
}

CControlUI* CMainWnd::CreateControl(LPCTSTR tag) {
  if (const wchar_t* file = PageLayoutFileForTag(tag)) return CDialogBuilder().Create(file, nullptr, &m_pm);
  if (EqualsNoCase(tag, L"CircleProgress")) return new CCircleProgressUI;
  if (EqualsNoCase(tag, L"DeviceKeyButton")) return new CDeviceKeyButtonUI;
  return nullptr;
}

LPCTSTR CMainWnd::QueryControlText(LPCTSTR id, LPCTSTR) {
  const bool english = CResourceManager::GetInstance()->GetLanguage() == L"en";
  if (EqualsNoCase(id, L"titletext")) return english ? L"KARVO Demo v1.1" : L"mouse";
  if (EqualsNoCase(id, L"hometext")) return english ? L"{a}Home Page{/a}" : L"{a}\u6F14\u793A\u5B98\u7F51{/a}";
  return nullptr;
}

int CMainWnd::Receive(SkinChangedParam param) {
  CControlUI* root = Find(L"root");
  if (!root) return 1;
  if (param.colorFlag) {
    root->SetBkColor(param.bkcolor);
    root->SetBkImage(L"");
  } else {
    root->SetBkColor(0);
    root->SetBkImage(param.bgimage.GetData());
  }
  return 1;
}

// The window keeps the sizes that Windows proposes.
LRESULT CMainWnd::OnGetMinMaxInfo(UINT, WPARAM, LPARAM, BOOL& handled) {
  handled = TRUE;
  return 0;
}

int CMainWnd::OnDeviceTabShown(HWND) { return 0; }

void CMainWnd::OpenSkinPicker(CControlUI* skinButton) { new CSkinFrame(m_hWnd, skinButton); }

LRESULT CMainWnd::OnHitKeyMessage(WPARAM, LPARAM) { return 0; }
