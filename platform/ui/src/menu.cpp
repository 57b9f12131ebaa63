#include "ui/menu.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/render_engine.h"
#include "ui/tracked_allocations.h"

namespace {

constexpr long kDefaultMenuWidth = 160;

std::mutex& OpenMenusMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<HWND>& OpenMenus() {
  static auto* menus = new std::vector<HWND>;
  return *menus;
}

template <size_t N>
void CopyText(wchar_t (&target)[N], const CDuiString& text) {
  wcsncpy(target, text.GetData(), N - 1);
  target[N - 1] = L'\0';
}

}  // namespace

LPCTSTR CMenuElementUI::GetClass() const { return L"MenuElementUI"; }

bool CMenuElementUI::GetChecked() const {
  ModelLock lock;
  return checked_;
}

void CMenuElementUI::SetChecked(bool checked) {
  {
    ModelLock lock;
    checked_ = checked;
  }
  Invalidate();
}

void CMenuElementUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  if (name && std::wstring(name) == L"checked") SetChecked(ParseBoolValue(value ? value : L""));
  else CListLabelElementUI::SetAttribute(name, value);
}

// Items highlight under the mouse and are chosen by the release; they keep no selection.
void CMenuElementUI::DoEvent(TEventUI& event) {
  bool chosen = false;
  {
    ModelLock lock;
    if (event.Type == UIEVENT_MOUSEENTER) hot_ = true;
    else if (event.Type == UIEVENT_MOUSELEAVE) hot_ = false;
    else if (event.Type == UIEVENT_BUTTONUP) chosen = EnabledInTree() && PtInRect(&pos_, event.ptMouse);
  }
  Invalidate();
  CControlUI::DoEvent(event);
  if (chosen) Notify(UI_NOTIFY_ITEMCLICK);
}

void CMenuElementUI::PaintTexts(HDC dc, const ListItemLook& look) {
  CListLabelElementUI::PaintTexts(dc, look);
  if (!checked_) return;
  long middle = (pos_.top + pos_.bottom) / 2;
  CRenderEngine::DrawColor(dc, RECT{pos_.right - 16, middle - 3, pos_.right - 10, middle + 3}, TextColor(look));
}

LPCTSTR CMenuUI::GetClass() const { return L"MenuUI"; }

CMenuWnd::~CMenuWnd() {
  if (!IsWindow(m_hWnd)) return;
  if (GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId()) {
    DestroyWindow(m_hWnd);
    return;
  }
  // From another thread: the window forgets this object and closes by itself.
  SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
  ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

void CMenuWnd::Init(CMenuElementUI*, LPCTSTR xml, POINT point, CPaintManagerUI* owner,
                    const std::map<std::wstring, bool>* checkStates, DWORD alignment) {
  xml_ = xml;
  point_ = point;
  alignment_ = alignment;
  owner_ = owner ? owner->GetPaintWindow() : nullptr;
  if (!Create(owner_, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0, 0, 0, 0)) return;
  {
    std::lock_guard<std::mutex> lock(OpenMenusMutex());
    OpenMenus().push_back(m_hWnd);
  }
  if (checkStates) {
    for (const auto& entry : *checkStates)
      if (auto* item = dynamic_cast<CMenuElementUI*>(m_pm.FindControl(entry.first.c_str())))
        item->SetChecked(entry.second);
  }
  ResizeMenu();
  ::ShowWindow(m_hWnd, SW_SHOW);
  SetForegroundWindow(m_hWnd);  // so that a click elsewhere takes the activation and closes it
}

CMenuUI* CMenuWnd::GetMenuUI() const {
  CControlUI* root = m_pm.GetRoot();
  if (!root) return nullptr;
  ModelLock lock;
  return static_cast<CMenuUI*>(root->FindInTree([](CControlUI* control) {
    return dynamic_cast<CMenuUI*>(control) != nullptr;
  }));
}

void CMenuWnd::ResizeMenu() {
  CMenuUI* menu = GetMenuUI();
  if (!menu || !IsWindow(m_hWnd)) return;
  RECT inset = menu->GetInset();
  long width = menu->GetFixedWidth() > 0 ? menu->GetFixedWidth() : kDefaultMenuWidth;
  long height = inset.top + inset.bottom;
  for (int i = 0; i < menu->GetCount(); ++i) {
    CControlUI* item = menu->GetItemAt(i);
    if (item->IsVisible()) height += item->EstimateSize(SIZE{width, 0}).cy;
  }
  long left = alignment_ & eMenuAlignment_Left ? point_.x - width : point_.x;
  long top = alignment_ & eMenuAlignment_Top ? point_.y - height : point_.y;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(point_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  left = std::max(work.left, std::min(left, work.right - width));
  top = std::max(work.top, std::min(top, work.bottom - height));
  SetWindowPos(m_hWnd, HWND_TOPMOST, left, top, width, height, SWP_NOACTIVATE);
  m_pm.NeedUpdate();
}

void CMenuWnd::DestroyMenu() {
  std::vector<HWND> menus;
  {
    std::lock_guard<std::mutex> lock(OpenMenusMutex());
    menus = OpenMenus();
  }
  for (HWND menu : menus) {
    if (GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId()) DestroyWindow(menu);
    else ::PostMessageW(menu, WM_CLOSE, 0, 0);
  }
}

void CMenuWnd::Notify(TNotifyUI& msg) {
  if (msg.sType == CDuiString(UI_NOTIFY_ITEMCLICK)) {
    if (auto* item = dynamic_cast<CMenuElementUI*>(msg.pSender)) Choose(item);
  }
  WindowImplBase::Notify(msg);
}

void CMenuWnd::Choose(CMenuElementUI* item) {
  auto* record = NewTrackedRecord<MenuCommandRecord>();
  CopyText(record->name, item->GetName());
  CopyText(record->userData, item->GetUserData());
  CopyText(record->text, item->GetText());
  record->checked = item->GetChecked();
  if (!owner_ || !::PostMessageW(owner_, UI_WM_MENUCOMMAND, reinterpret_cast<WPARAM>(record), 0))
    FreeTrackedRecord(record);
  Close(0);
}

LRESULT CMenuWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM, BOOL& handled) {
  if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) Close(0);
  handled = FALSE;
  return 0;
}

void CMenuWnd::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  std::lock_guard<std::mutex> lock(OpenMenusMutex());
  auto& menus = OpenMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), window), menus.end());
}
