#include "skin_frame.h"

#include <commdlg.h>

#include <string>

#include "control_lookup.h"
#include "data_folders.h"
#include "file_dialogs.h"
#include "panel_settings.h"
#include "skin_change.h"

const wchar_t* const kDefaultSkinImage = L"common/background.png";

namespace {
constexpr DWORD kPickerStyle = WS_POPUP | WS_VISIBLE;
constexpr DWORD kPickerExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

void BroadcastImage(const std::wstring& image) {
  SkinChangedParam param;
  param.bgimage = image.c_str();
  BroadcastSkinChange(param);
}

void StoreImageChoice(HWND owner, int flags, const std::wstring& image) {
  const std::wstring iniPath = MainIniPath(ProfileRootFolder(owner));
  WriteSkinImageValue(iniPath, L"FLAGS", std::to_wstring(flags));
  WriteSkinImageValue(iniPath, L"IMAGE", image);
}

// The custom image's dialog is modal: run from the picker's own click, the picker would lose the
// focus to it, close and delete itself while its click handler is still on the stack. So the
// picker closes first and the dialog runs from the thread's message loop afterwards, owned by
// the main window. The background chosen there lasts for this run only.
HWND customImageOwner = nullptr;

void CALLBACK ChooseCustomImage(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const std::wstring path =
      ShowFileDialog({true, customImageOwner, L"png", L"*.png", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      L"(*.png) | *.png |(*.*)|*.*||"});
  if (!path.empty()) BroadcastImage(path);
}

void ChooseCustomImageLater(HWND owner) {
  customImageOwner = owner;
  SetTimer(nullptr, 0, 0, ChooseCustomImage);
}
}  // namespace

CSkinFrame::CSkinFrame(HWND owner, CControlUI* skinButton) : m_owner(owner), m_skinButton(skinButton) {
  Create(nullptr, L"skinframe", kPickerStyle, kPickerExStyle);
  // Focused, so that a click anywhere else takes the focus away and closes it.
  if (m_hWnd) ::SetFocus(m_hWnd);
}

LRESULT CSkinFrame::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate();
    case WM_KILLFOCUS:
      Close(0);
      break;
    case WM_NCACTIVATE:
      if (!IsIconic(m_hWnd)) return wParam == 0 ? TRUE : FALSE;
      break;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      return 0;  // no frame
    default:
      break;
  }
  LRESULT result = 0;
  if (m_pm.MessageHandler(msg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

LRESULT CSkinFrame::OnCreate() {
  const LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
  SetWindowLongW(m_hWnd, GWL_STYLE, (style & ~WS_CAPTION) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  m_pm.Init(m_hWnd);
  m_pm.AttachDialog(CDialogBuilder().Create(L"skin.xml", nullptr, &m_pm));
  m_pm.AddNotifier(this);
  AdjustPosition();
  return 0;
}

// Right edge on the skin button's right edge, just below it.
void CSkinFrame::AdjustPosition() {
  if (!m_skinButton) return;
  const RECT button = m_skinButton->GetPos();
  POINT corner{button.right - m_pm.GetInitSize().cx, button.bottom};
  ClientToScreen(m_owner, &corner);
  SetWindowPos(m_hWnd, nullptr, corner.x, corner.y, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER);
}

void CSkinFrame::OnFinalMessage(HWND) { delete this; }

void CSkinFrame::Notify(TNotifyUI& msg) {
  if (msg.sType == L"click") HandleClick(msg.pSender);
}

void CSkinFrame::HandleClick(CControlUI* sender) {
  if (!sender) return;
  const std::wstring name = sender->GetName().str();
  if (EqualsNoCase(name, L"skin_image_btn")) {
    const std::wstring image = sender->GetUserData().str();
    BroadcastImage(image);
    StoreImageChoice(m_owner, 1, image);
  } else if (EqualsNoCase(name, L"skin_color_btn")) {
    SkinChangedParam param;
    param.colorFlag = true;
    param.bkcolor = sender->GetBkColor();
    BroadcastSkinChange(param);
  } else if (EqualsNoCase(name, L"skin_color") || EqualsNoCase(name, L"skin_image")) {
    if (auto* tab = FindTypedControl<CTabLayoutUI>(m_pm, L"skin_tab"))
      tab->SelectItem(EqualsNoCase(name, L"skin_color") ? 1 : 0);
  } else if (EqualsNoCase(name, L"skin_reset")) {
    BroadcastImage(kDefaultSkinImage);
    StoreImageChoice(m_owner, 0, kDefaultSkinImage);
  } else if (EqualsNoCase(name, L"skin_Custom")) {
    Close(0);
    ChooseCustomImageLater(m_owner);
  }
}
