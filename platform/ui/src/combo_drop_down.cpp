#include "combo_drop_down.h"

#include <windowsx.h>

#include <algorithm>

#include "model_lock.h"
#include "surfaces.h"
#include "ui/render_engine.h"

namespace {

constexpr DWORD kBorderColor = 0xFF8C99A6;
constexpr long kWheelStep = 30;

}  // namespace

ComboDropDown* ComboDropDown::Open(CComboUI* combo, HWND owner, const RECT& comboOnScreen, int height) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromRect(&comboOnScreen, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT rc{comboOnScreen.left, comboOnScreen.bottom, comboOnScreen.right, comboOnScreen.bottom + height};
  if (rc.bottom > monitor.rcWork.bottom) OffsetRect(&rc, 0, comboOnScreen.top - rc.bottom);
  auto* dropDown = new ComboDropDown(combo);
  if (!dropDown->Create(owner, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, rc)) {
    delete dropDown;
    return nullptr;
  }
  {
    ModelLock lock;
    combo->dropDown_ = dropDown;
  }
  ::ShowWindow(dropDown->m_hWnd, SW_SHOWNOACTIVATE);
  SetCapture(dropDown->m_hWnd);
  return dropDown;
}

void ComboDropDown::Detach() {
  combo_ = nullptr;
  if (m_hWnd) ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

long ComboDropDown::LayoutRows(long width) {
  long top = 1 - scroll_;
  for (int i = 0; i < combo_->GetCount(); ++i) {
    CControlUI* row = combo_->GetItemAt(i);
    long height = row->IsVisible() ? row->EstimateSize(SIZE{width, 0}).cy : 0;
    row->SetPos(RECT{1, top, width - 1, top + height});
    top += height;
  }
  return top + scroll_ - 1;
}

int ComboDropDown::RowAt(POINT pt) const {
  ModelLock lock;
  if (!combo_) return -1;
  for (int i = 0; i < combo_->GetCount(); ++i) {
    CControlUI* row = combo_->GetItemAt(i);
    RECT rc = row->GetPos();
    if (row->IsVisible() && PtInRect(&rc, pt)) return row->IsEnabled() ? i : -1;
  }
  return -1;
}

void ComboDropDown::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT client;
  GetClientRect(m_hWnd, &client);
  uint32_t* pixels = nullptr;
  HBITMAP surface = CreateSurface(client.right, client.bottom, &pixels);
  HDC back = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(back, surface);
  CRenderEngine::DrawColor(back, client, 0xFFFFFFFF);
  {
    ModelLock lock;
    if (combo_) {
      contentHeight_ = LayoutRows(client.right);
      ListItemLook look = combo_->GetItemLook();
      RECT inside{1, 1, client.right - 1, client.bottom - 1};
      int saved = SaveDC(back);
      IntersectClipRect(back, inside.left, inside.top, inside.right, inside.bottom);
      for (int i = 0; i < combo_->GetCount(); ++i) {
        CControlUI* row = combo_->GetItemAt(i);
        if (!row->IsVisible()) continue;
        if (i == hot_) CRenderEngine::DrawColor(back, row->GetPos(), look.hotBkColor);
        row->DoPaint(back, inside);
      }
      RestoreDC(back, saved);
    }
  }
  CRenderEngine::DrawBorder(back, client, 1, kBorderColor);
  BitBlt(dc, 0, 0, client.right, client.bottom, back, 0, 0, SRCCOPY);
  SelectObject(back, previous);
  DeleteDC(back);
  DestroySurface(surface);
  EndPaint(m_hWnd, &ps);
}

// The drop-down goes first, so that a handler of the selection finds it closed.
void ComboDropDown::Pick(int row) {
  CComboUI* combo;
  {
    ModelLock lock;
    combo = combo_;
  }
  Dismiss();
  if (combo) combo->SelectItem(row, true);
}

void ComboDropDown::Dismiss() {
  if (closing_) return;
  closing_ = true;
  if (GetCapture() == m_hWnd) ReleaseCapture();
  DestroyWindow(m_hWnd);
}

LRESULT ComboDropDown::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client;
  GetClientRect(m_hWnd, &client);
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      int row = PtInRect(&client, pt) ? RowAt(pt) : -1;
      if (row != hot_) {
        hot_ = row;
        InvalidateRect(m_hWnd, nullptr, FALSE);
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!PtInRect(&client, pt)) Dismiss();
      return 0;
    case WM_LBUTTONUP:
      if (PtInRect(&client, pt)) {
        int row = RowAt(pt);
        if (row >= 0) Pick(row);
      }
      return 0;
    case WM_MOUSEWHEEL: {
      long limit = std::max(0L, contentHeight_ - (client.bottom - 2));
      scroll_ -= static_cast<short>(HIWORD(wParam)) > 0 ? kWheelStep : -kWheelStep;
      scroll_ = std::max(0L, std::min(scroll_, limit));
      InvalidateRect(m_hWnd, nullptr, FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != m_hWnd) Dismiss();
      return 0;
    case WM_DESTROY: {
      closing_ = true;
      ModelLock lock;
      if (combo_) combo_->DropDownClosed();
      combo_ = nullptr;
      return 0;
    }
    default:
      return CWindowWnd::HandleMessage(msg, wParam, lParam);
  }
}
