#include "ui/progress.h"

#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/render_engine.h"

LPCTSTR CProgressUI::GetClass() const { return L"ProgressUI"; }

int CProgressUI::GetMinValue() const {
  ModelLock lock;
  return min_;
}

void CProgressUI::SetMinValue(int value) {
  {
    ModelLock lock;
    min_ = value;
  }
  Invalidate();
}

int CProgressUI::GetMaxValue() const {
  ModelLock lock;
  return max_;
}

void CProgressUI::SetMaxValue(int value) {
  {
    ModelLock lock;
    max_ = value;
  }
  Invalidate();
}

int CProgressUI::GetValue() const {
  ModelLock lock;
  return value_;
}

void CProgressUI::SetValue(int value) {
  {
    ModelLock lock;
    value_ = value;
  }
  Invalidate();
}

DWORD CProgressUI::GetForeColor() const {
  ModelLock lock;
  return foreColor_;
}

void CProgressUI::SetForeColor(DWORD argb) {
  {
    ModelLock lock;
    foreColor_ = argb;
  }
  Invalidate();
}

CDuiString CProgressUI::GetForeImage() const {
  ModelLock lock;
  return foreImage_;
}

void CProgressUI::SetForeImage(LPCTSTR image) {
  {
    ModelLock lock;
    foreImage_ = image;
  }
  Invalidate();
}

bool CProgressUI::IsVertical() const {
  ModelLock lock;
  return vertical_;
}

void CProgressUI::SetVertical(bool vertical) {
  {
    ModelLock lock;
    vertical_ = vertical;
  }
  Invalidate();
}

void CProgressUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  const std::wstring text = value ? value : L"";
  if (key == L"min") SetMinValue(ParseIntValue(text));
  else if (key == L"max") SetMaxValue(ParseIntValue(text));
  else if (key == L"value") SetValue(ParseIntValue(text));
  else if (key == L"forecolor") SetForeColor(ParseColorValue(text));
  else if (key == L"foreimage") SetForeImage(value);
  else if (key == L"vertical") SetVertical(ParseBoolValue(text));
  else CLabelUI::SetAttribute(name, value);
}

long CProgressUI::ShareOf(long length) const {
  long range = static_cast<long>(max_) - min_;
  long part = value_ < min_ ? 0 : value_ > max_ ? range : static_cast<long>(value_) - min_;
  return range > 0 ? length * part / range : 0;
}

RECT CProgressUI::FilledRect() const {
  RECT filled = pos_;
  if (vertical_) filled.top = pos_.bottom - ShareOf(pos_.bottom - pos_.top);
  else filled.right = pos_.left + ShareOf(pos_.right - pos_.left);
  return filled;
}

void CProgressUI::PaintStatusImage(HDC dc) {
  PaintForeColor(dc);
  PaintForeImage(dc);
}

void CProgressUI::PaintForeColor(HDC dc) { CRenderEngine::DrawColor(dc, FilledRect(), foreColor_); }

void CProgressUI::PaintForeImage(HDC dc) {
  if (foreImage_.IsEmpty()) return;
  RECT filled = FilledRect();
  if (filled.right <= filled.left) return;
  int saved = SaveDC(dc);
  IntersectClipRect(dc, filled.left, filled.top, filled.right, filled.bottom);
  DrawImage(dc, foreImage_);
  RestoreDC(dc, saved);
}
