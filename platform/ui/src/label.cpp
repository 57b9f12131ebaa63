#include "ui/label.h"

#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/render_engine.h"

LPCTSTR CLabelUI::GetClass() const { return L"LabelUI"; }

DWORD CLabelUI::GetTextColor() const {
  ModelLock lock;
  return textColor_;
}

void CLabelUI::SetTextColor(DWORD argb) {
  {
    ModelLock lock;
    textColor_ = argb;
  }
  Invalidate();
}

DWORD CLabelUI::GetDisabledTextColor() const {
  ModelLock lock;
  return disabledTextColor_;
}

void CLabelUI::SetDisabledTextColor(DWORD argb) {
  {
    ModelLock lock;
    disabledTextColor_ = argb;
  }
  Invalidate();
}

int CLabelUI::GetFont() const {
  ModelLock lock;
  return font_;
}

void CLabelUI::SetFont(int font) {
  {
    ModelLock lock;
    font_ = font;
  }
  Invalidate();
}

UINT CLabelUI::GetTextStyle() const {
  ModelLock lock;
  return textStyle_;
}

void CLabelUI::SetTextStyle(UINT style) {
  {
    ModelLock lock;
    textStyle_ = style;
  }
  Invalidate();
}

RECT CLabelUI::GetTextPadding() const {
  ModelLock lock;
  return textPadding_;
}

void CLabelUI::SetTextPadding(RECT padding) {
  {
    ModelLock lock;
    textPadding_ = padding;
  }
  Invalidate();
}

void CLabelUI::SetAttribute(LPCTSTR nameText, LPCTSTR valueText) {
  const std::wstring name = nameText ? nameText : L"";
  const std::wstring value = valueText ? valueText : L"";
  UINT style = GetTextStyle();
  if (name == L"textcolor") SetTextColor(ParseColorValue(value));
  else if (name == L"disabledtextcolor") SetDisabledTextColor(ParseColorValue(value));
  else if (name == L"font") SetFont(ParseIntValue(value));
  else if (name == L"textpadding") SetTextPadding(ParseRectValue(value));
  else if (name == L"align") {
    style &= ~(DT_LEFT | DT_CENTER | DT_RIGHT);
    style |= value == L"center" ? DT_CENTER : value == L"right" ? DT_RIGHT : DT_LEFT;
    SetTextStyle(style);
  } else if (name == L"valign") {
    style &= ~(DT_TOP | DT_VCENTER | DT_BOTTOM);
    style |= value == L"top" ? DT_TOP : value == L"bottom" ? DT_BOTTOM : DT_VCENTER;
    SetTextStyle(style);
  } else {
    CControlUI::SetAttribute(nameText, valueText);
  }
}

std::wstring CLabelUI::DisplayText() const { return shownText_.str(); }

DWORD CLabelUI::CurrentTextColor() const { return EnabledInTree() ? textColor_ : disabledTextColor_; }

void CLabelUI::PaintText(HDC dc) {
  RECT rc{pos_.left + textPadding_.left, pos_.top + textPadding_.top, pos_.right - textPadding_.right,
          pos_.bottom - textPadding_.bottom};
  CRenderEngine::DrawText(dc, manager_, rc, DisplayText().c_str(), CurrentTextColor(), font_, textStyle_);
}

CTextUI::CTextUI() { textStyle_ = DT_WORDBREAK | DT_LEFT | DT_TOP; }

LPCTSTR CTextUI::GetClass() const { return L"TextUI"; }

std::wstring CTextUI::DisplayText() const { return StripLinkMarkup(shownText_.str()); }

std::wstring StripLinkMarkup(const std::wstring& text) {
  std::wstring plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 4, L"{/a}") == 0) {
      i += 3;
      continue;
    }
    if (text.compare(i, 2, L"{a") == 0) {
      size_t close = text.find(L'}', i);
      if (close != std::wstring::npos && (text[i + 2] == L'}' || text[i + 2] == L' ')) {
        i = close;
        continue;
      }
    }
    plain += text[i];
  }
  return plain;
}
