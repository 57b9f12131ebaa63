#include "ui/edit.h"

#include <algorithm>
#include <vector>

#include "model_lock.h"
#include "ui/paint_manager.h"
#include "ui/render_engine.h"

namespace {

// Widths of the text's first 1..n characters in the font.
std::vector<int> PrefixWidths(HFONT font, const std::wstring& text) {
  std::vector<int> widths(text.size());
  if (text.empty()) return widths;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE total;
  int fitted = 0;
  GetTextExtentExPointW(dc, text.c_str(), static_cast<int>(text.size()), 0x7FFFFFFF, &fitted, widths.data(), &total);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return widths;
}

}  // namespace

CEditUI::CEditUI() {
  textPadding_ = RECT{4, 0, 4, 0};
  bkColor_ = 0xFFFFFFFF;
  borderColor_ = 0xFFB0BAC4;
  borderSize_ = 1;
}

LPCTSTR CEditUI::GetClass() const { return L"EditUI"; }

void CEditUI::SetText(LPCTSTR text) {
  CLabelUI::SetText(text);
  ModelLock lock;
  caret_ = shownText_.str().size();
}

int CEditUI::GetCaret() const {
  ModelLock lock;
  return static_cast<int>(caret_);
}

bool CEditUI::AcceptsFocus() const { return true; }

RECT CEditUI::TextRect() const {
  return RECT{pos_.left + textPadding_.left, pos_.top + textPadding_.top, pos_.right - textPadding_.right,
              pos_.bottom - textPadding_.bottom};
}

void CEditUI::DoEvent(TEventUI& event) {
  bool changed = false;
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK: {
      size_t caret = CaretAt(event.ptMouse);
      ModelLock lock;
      caret_ = caret;
      break;
    }
    case UIEVENT_CHAR:
      if (IsEnabledInTree()) changed = OnChar(static_cast<wchar_t>(event.wParam));
      break;
    case UIEVENT_KEYDOWN:
      if (IsEnabledInTree()) changed = OnKey(event.wParam);
      break;
    default:
      break;
  }
  Invalidate();
  CLabelUI::DoEvent(event);
  if (changed) Notify(UI_NOTIFY_TEXTCHANGED);
}

bool CEditUI::ApplyEdit(const std::wstring& text, size_t caret) {
  {
    ModelLock lock;
    caret_ = caret;
    if (text == shownText_.str()) return false;
    resourceText_ = false;
    text_ = text;
    shownText_ = text;
  }
  return true;
}

bool CEditUI::OnChar(wchar_t ch) {
  std::wstring text;
  size_t caret;
  {
    ModelLock lock;
    text = shownText_.str();
    caret = std::min(caret_, text.size());
  }
  if (ch == L'\b') {
    if (caret == 0) return false;
    text.erase(--caret, 1);
  } else if (ch >= L' ' && ch != 0x7F) {
    text.insert(caret++, 1, ch);
  } else {
    return false;  // other control characters (Enter, Escape, Tab) are not text
  }
  return ApplyEdit(text, caret);
}

bool CEditUI::OnKey(WPARAM key) {
  std::wstring text;
  size_t caret;
  {
    ModelLock lock;
    text = shownText_.str();
    caret = std::min(caret_, text.size());
  }
  switch (key) {
    case VK_LEFT: caret = caret > 0 ? caret - 1 : 0; break;
    case VK_RIGHT: caret = std::min(caret + 1, text.size()); break;
    case VK_HOME: caret = 0; break;
    case VK_END: caret = text.size(); break;
    case VK_DELETE:
      if (caret < text.size()) text.erase(caret, 1);
      break;
    default: return false;
  }
  return ApplyEdit(text, caret);
}

// The caret goes to the character boundary nearest to the point.
size_t CEditUI::CaretAt(POINT pt) const {
  std::wstring text;
  HFONT font;
  long left;
  {
    ModelLock lock;
    if (!manager_) return 0;
    text = shownText_.str();
    font = manager_->GetFont(font_);
    left = TextRect().left;
  }
  std::vector<int> widths = PrefixWidths(font, text);
  long x = pt.x - left;
  int previous = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (x < (previous + widths[i]) / 2) return i;
    previous = widths[i];
  }
  return text.size();
}

void CEditUI::PaintText(HDC dc) {
  RECT rc = TextRect();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
  CLabelUI::PaintText(dc);
  if (manager_ && manager_->GetFocus() == this) {
    const std::wstring& text = shownText_.str();
    std::vector<int> widths = PrefixWidths(manager_->GetFont(font_), text);
    size_t caret = std::min(caret_, text.size());
    long x = rc.left + (caret > 0 ? widths[caret - 1] : 0);
    long middle = (rc.top + rc.bottom) / 2;
    CRenderEngine::DrawColor(dc, RECT{x, middle - 8, x + 1, middle + 8}, CurrentTextColor());
  }
  RestoreDC(dc, saved);
}
