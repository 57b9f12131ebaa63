#include "combo_drop_down.h"

#include <windowsx.h>

#include <algorithm>

#include "model_lock.h"
#include "scroll_bar.h"
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
  dropDown->Highlight(combo->GetCurSel());
  ::ShowWindow(dropDown->m_hWnd, SW_SHOWNOACTIVATE);
  SetCapture(dropDown->m_hWnd);
  return dropDown;
}

void ComboDropDown::Detach() {
  combo_ = nullptr;
  if (m_hWnd) ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

std::vector<ComboDropDown::RowSpan> ComboDropDown::MeasureRows() const {
  std::vector<RowSpan> rows;
  if (!combo_) return rows;
  RECT view = ViewRect();
  long top = 0;
  for (int i = 0; i < combo_->GetCount(); ++i) {
    CControlUI* row = combo_->GetItemAt(i);
    long height = row->IsVisible() ? row->EstimateSize(SIZE{view.right - view.left, 0}).cy : 0;
    rows.push_back(RowSpan{top, height});
    top += height;
  }
  return rows;
}

// The bar's width does not change the rows' heights, so measuring without it first is safe.
RECT ComboDropDown::ViewRect() const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  return RECT{1, 1, client.right - 1, client.bottom - 1};
}

long ComboDropDown::ScrollRange(const std::vector<RowSpan>& rows) const {
  RECT view = ViewRect();
  long content = rows.empty() ? 0 : rows.back().top + rows.back().height;
  return std::max(0L, content - (view.bottom - view.top));
}

VerticalScrollBar ComboDropDown::ScrollBar(long range) const {
  RECT view = ViewRect();
  return VerticalScrollBar{RECT{view.right - kScrollBarWidth, view.top, view.right, view.bottom}, range, scroll_};
}

int ComboDropDown::RowAt(POINT pt) const {
  ModelLock lock;
  RECT view = ViewRect();
  if (!combo_ || !PtInRect(&view, pt)) return -1;
  std::vector<RowSpan> rows = MeasureRows();
  long range = ScrollRange(rows);
  if (range > 0 && pt.x >= ScrollBar(range).track.left) return -1;
  long y = pt.y - view.top + scroll_;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (y < rows[i].top || y >= rows[i].top + rows[i].height) continue;
    return combo_->GetItemAt(static_cast<int>(i))->IsEnabled() ? static_cast<int>(i) : -1;
  }
  return -1;
}

int ComboDropDown::PickableRow(const std::vector<RowSpan>& rows, int from, int step) const {
  const int count = static_cast<int>(rows.size());
  if (count == 0) return -1;
  auto pickable = [&](int i) { return rows[i].height > 0 && combo_->GetItemAt(i)->IsEnabled(); };
  const int target = std::max(0, std::min(count - 1, from + step));
  const int direction = step > 0 ? 1 : -1;
  for (int i = target; i >= 0 && i < count; i += direction)
    if (pickable(i)) return i;
  for (int i = target - direction; i != from && i >= 0 && i < count; i -= direction)
    if (pickable(i)) return i;
  return -1;
}

// The highlighted row is brought into view, scrolling as little as needed.
void ComboDropDown::Highlight(int row) {
  long pos;
  {
    ModelLock lock;
    std::vector<RowSpan> rows = MeasureRows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    hot_ = row;
    RECT view = ViewRect();
    long height = view.bottom - view.top;
    pos = scroll_;
    if (rows[row].top < pos) pos = rows[row].top;
    else if (rows[row].top + rows[row].height > pos + height) pos = rows[row].top + rows[row].height - height;
  }
  ScrollTo(pos);
}

void ComboDropDown::ScrollTo(long pos) {
  {
    ModelLock lock;
    scroll_ = std::max(0L, std::min(pos, ScrollRange(MeasureRows())));
  }
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

void ComboDropDown::OnKey(WPARAM key) {
  if (key == VK_ESCAPE) {
    Dismiss();
    return;
  }
  if (key == VK_RETURN) {
    if (hot_ >= 0) Pick(hot_);
    else Dismiss();
    return;
  }
  int row;
  {
    ModelLock lock;
    std::vector<RowSpan> rows = MeasureRows();
    const int count = static_cast<int>(rows.size());
    RECT view = ViewRect();
    long rowHeight = hot_ >= 0 && hot_ < count && rows[hot_].height > 0 ? rows[hot_].height : kWheelStep;
    int page = std::max(1, static_cast<int>((view.bottom - view.top) / rowHeight));
    switch (key) {
      case VK_UP: row = PickableRow(rows, hot_, -1); break;
      case VK_DOWN: row = PickableRow(rows, hot_, 1); break;
      case VK_PRIOR: row = PickableRow(rows, hot_, -page); break;
      case VK_NEXT: row = PickableRow(rows, hot_, page); break;
      case VK_HOME: row = PickableRow(rows, -1, 1); break;
      case VK_END: row = PickableRow(rows, count, -1); break;
      default: return;
    }
  }
  Highlight(row);
}

bool ComboDropDown::PressOnScrollBar(POINT pt) {
  long page = 0;
  {
    ModelLock lock;
    long range = ScrollRange(MeasureRows());
    RECT view = ViewRect();
    VerticalScrollBar bar = ScrollBar(range);
    if (range == 0 || !PtInRect(&bar.track, pt)) return false;
    RECT thumb = bar.Thumb();
    if (PtInRect(&thumb, pt)) {
      draggingThumb_ = true;
      dragOffset_ = pt.y - thumb.top;
    } else {
      page = pt.y < thumb.top ? -(view.bottom - view.top) : view.bottom - view.top;
    }
  }
  ScrollTo(scroll_ + page);
  return true;
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
      std::vector<RowSpan> rows = MeasureRows();
      long range = ScrollRange(rows);
      RECT view = ViewRect();
      VerticalScrollBar bar = ScrollBar(range);
      if (range > 0) view.right = bar.track.left;
      ListItemLook look = combo_->GetItemLook();
      int saved = SaveDC(back);
      IntersectClipRect(back, view.left, view.top, view.right, view.bottom);
      for (size_t i = 0; i < rows.size(); ++i) {
        CControlUI* row = combo_->GetItemAt(static_cast<int>(i));
        long top = view.top + rows[i].top - scroll_;
        row->SetPos(RECT{view.left, top, view.right, top + rows[i].height});
        if (rows[i].height == 0 || top >= view.bottom || top + rows[i].height <= view.top) continue;
        if (static_cast<int>(i) == hot_) CRenderEngine::DrawColor(back, row->GetPos(), look.hotBkColor);
        row->DoPaint(back, view);
      }
      RestoreDC(back, saved);
      if (range > 0) bar.Paint(back, draggingThumb_);
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
    case WM_MOUSEMOVE:
      if (draggingThumb_) {
        long pos;
        {
          ModelLock lock;
          pos = ScrollBar(ScrollRange(MeasureRows())).PosForThumbTop(pt.y - dragOffset_);
        }
        ScrollTo(pos);
      } else if (int row = RowAt(pt); row >= 0 && row != hot_) {
        hot_ = row;
        InvalidateRect(m_hWnd, nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!PtInRect(&client, pt)) Dismiss();
      else if (msg == WM_LBUTTONDOWN) pressOnBar_ = PressOnScrollBar(pt);
      return 0;
    case WM_LBUTTONUP:
      if (pressOnBar_) {
        pressOnBar_ = draggingThumb_ = false;
        InvalidateRect(m_hWnd, nullptr, FALSE);
      } else if (int row = PtInRect(&client, pt) ? RowAt(pt) : -1; row >= 0) {
        Pick(row);
      }
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(scroll_ + (static_cast<short>(HIWORD(wParam)) > 0 ? -kWheelStep : kWheelStep));
      return 0;
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
