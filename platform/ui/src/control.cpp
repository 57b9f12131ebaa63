#include "ui/control.h"

#include <mutex>
#include <set>
#include <string>

#include "diagnostics.h"
#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"
#include "ui/render_engine.h"
#include "ui/resource_manager.h"

namespace {

CDuiString ResolveText(const CDuiString& text, bool resourceText) {
  return resourceText ? CResourceManager::GetInstance()->GetText(text.GetData()) : text;
}

// A skin problem is worth one line, not one per control or per repaint.
void ReportOnce(const std::wstring& what, const std::wstring& name) {
  static std::mutex mutex;
  static auto* reported = new std::set<std::wstring>;
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!reported->insert(what + name).second) return;
  }
  DebugLine(L"ui: " + what + L" " + name);
}

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
  ModelLock lock;
  if (manager_) manager_->ReapControl(this);
}

LPCTSTR CControlUI::GetClass() const { return L"ControlUI"; }

CDuiString CControlUI::GetName() const {
  ModelLock lock;
  return name_;
}

void CControlUI::SetName(LPCTSTR name) {
  ModelLock lock;
  name_ = name;
  if (manager_) manager_->TreeChanged();
}

CDuiString CControlUI::GetText() const {
  ModelLock lock;
  return shownText_;
}

void CControlUI::SetText(LPCTSTR text) {
  bool resourceText = IsResourceText();
  CDuiString shown = ResolveText(text, resourceText);  // may ask the program: outside the lock
  {
    ModelLock lock;
    text_ = text;
    shownText_ = shown;
  }
  Invalidate();
}

bool CControlUI::IsResourceText() const {
  ModelLock lock;
  return resourceText_;
}

void CControlUI::SetResourceText(bool resourceText) {
  {
    ModelLock lock;
    resourceText_ = resourceText;
  }
  ReloadResourceText();
}

void CControlUI::ReloadResourceText() {
  CDuiString text;
  bool resourceText;
  {
    ModelLock lock;
    text = text_;
    resourceText = resourceText_;
  }
  CDuiString shown = ResolveText(text, resourceText);
  {
    ModelLock lock;
    if (text_ == text) shownText_ = shown;  // a newer SetText wins
  }
  Invalidate();
}

CDuiString CControlUI::GetToolTip() const {
  ModelLock lock;
  return toolTip_;
}

void CControlUI::SetToolTip(LPCTSTR text) {
  ModelLock lock;
  toolTip_ = text;
}

CDuiString CControlUI::GetUserData() const {
  ModelLock lock;
  return userData_;
}

void CControlUI::SetUserData(LPCTSTR data) {
  ModelLock lock;
  userData_ = data;
}

CDuiString CControlUI::GetVirtualWnd() const {
  ModelLock lock;
  for (const CControlUI* control = this; control; control = control->parent_)
    if (!control->virtualWnd_.IsEmpty()) return control->virtualWnd_;
  return CDuiString();
}

void CControlUI::SetVirtualWnd(LPCTSTR name) {
  ModelLock lock;
  virtualWnd_ = name;
}

DWORD CControlUI::GetBkColor() const {
  ModelLock lock;
  return bkColor_;
}

void CControlUI::SetBkColor(DWORD argb) {
  {
    ModelLock lock;
    bkColor_ = argb;
  }
  Invalidate();
}

CDuiString CControlUI::GetBkImage() const {
  ModelLock lock;
  return bkImage_;
}

void CControlUI::SetBkImage(LPCTSTR image) {
  {
    ModelLock lock;
    bkImage_ = image;
  }
  Invalidate();
}

DWORD CControlUI::GetBorderColor() const {
  ModelLock lock;
  return borderColor_;
}

void CControlUI::SetBorderColor(DWORD argb) {
  {
    ModelLock lock;
    borderColor_ = argb;
  }
  Invalidate();
}

int CControlUI::GetBorderSize() const {
  ModelLock lock;
  return borderSize_;
}

void CControlUI::SetBorderSize(int size) {
  {
    ModelLock lock;
    borderSize_ = size;
  }
  Invalidate();
}

// The LED previews repaint with the window's frame timer, so these only store.
void CControlUI::SetChangerColor(DWORD packedLedColor) {
  ModelLock lock;
  hasChanger_ = true;
  changerColor_ = packedLedColor;
}

void CControlUI::SetChangerAlpha(int level) {
  ModelLock lock;
  changerAlpha_ = level < 0 ? 0 : level > 255 ? 255 : level;
}

bool CControlUI::IsVisible() const {
  ModelLock lock;
  return visible_ && internVisible_;
}

void CControlUI::SetVisible(bool visible) {
  {
    ModelLock lock;
    if (visible_ == visible) return;
    visible_ = visible;
  }
  NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool visible) {
  ModelLock lock;
  internVisible_ = visible;
}

bool CControlUI::IsEnabled() const {
  ModelLock lock;
  return enabled_;
}

bool CControlUI::IsEnabledInTree() const {
  ModelLock lock;
  return EnabledInTree();
}

bool CControlUI::EnabledInTree() const {
  for (const CControlUI* control = this; control; control = control->parent_)
    if (!control->enabled_) return false;
  return true;
}

void CControlUI::SetEnabled(bool enabled) {
  {
    ModelLock lock;
    if (enabled_ == enabled) return;
    enabled_ = enabled;
  }
  Invalidate();
}

bool CControlUI::IsMouseEnabled() const {
  ModelLock lock;
  return mouseEnabled_;
}

void CControlUI::SetMouseEnabled(bool enabled) {
  ModelLock lock;
  mouseEnabled_ = enabled;
}

bool CControlUI::IsKeyboardEnabled() const {
  ModelLock lock;
  return keyboardEnabled_;
}

void CControlUI::SetKeyboardEnabled(bool enabled) {
  ModelLock lock;
  keyboardEnabled_ = enabled;
}

bool CControlUI::IsFocused() const {
  CPaintManagerUI* manager = GetManager();
  return manager && manager->GetFocus() == this;
}

void CControlUI::SetFocus() {
  if (CPaintManagerUI* manager = GetManager()) manager->SetFocus(this);
}

RECT CControlUI::GetPos() const {
  ModelLock lock;
  return pos_;
}

void CControlUI::SetPos(RECT rc) {
  ModelLock lock;
  pos_ = rc;
}

bool CControlUI::IsFloat() const {
  ModelLock lock;
  return float_;
}

void CControlUI::SetFloat(bool floating) {
  {
    ModelLock lock;
    float_ = floating;
  }
  NeedParentUpdate();
}

RECT CControlUI::GetFloatPos() const {
  ModelLock lock;
  return floatPos_;
}

void CControlUI::SetFloatPos(RECT rc) {
  {
    ModelLock lock;
    floatPos_ = rc;
    fixedWidth_ = rc.right - rc.left;
    fixedHeight_ = rc.bottom - rc.top;
  }
  NeedParentUpdate();
}

int CControlUI::GetFixedWidth() const {
  ModelLock lock;
  return fixedWidth_;
}

void CControlUI::SetFixedWidth(int width) {
  {
    ModelLock lock;
    fixedWidth_ = width < 0 ? 0 : width;
  }
  NeedParentUpdate();
}

int CControlUI::GetFixedHeight() const {
  ModelLock lock;
  return fixedHeight_;
}

void CControlUI::SetFixedHeight(int height) {
  {
    ModelLock lock;
    fixedHeight_ = height < 0 ? 0 : height;
  }
  NeedParentUpdate();
}

RECT CControlUI::GetPadding() const {
  ModelLock lock;
  return padding_;
}

void CControlUI::SetPadding(RECT padding) {
  {
    ModelLock lock;
    padding_ = padding;
  }
  NeedParentUpdate();
}

SIZE CControlUI::EstimateSize(SIZE) {
  ModelLock lock;
  return SIZE{fixedWidth_, fixedHeight_};
}

CPaintManagerUI* CControlUI::GetManager() const {
  ModelLock lock;
  return manager_;
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
  SetManagerOnly(manager, parent);
  if (init && manager) DoInit();
}

void CControlUI::SetManagerOnly(CPaintManagerUI* manager, CControlUI* parent) {
  ModelLock lock;
  if (manager_ && manager_ != manager) manager_->ReapControl(this);
  manager_ = manager;
  parent_ = parent;
  if (manager_) manager_->TreeChanged();
}

CControlUI* CControlUI::GetParent() const {
  ModelLock lock;
  return parent_;
}

void CControlUI::DoInit() {}

void CControlUI::Invalidate() {
  CPaintManagerUI* manager;
  RECT rc;
  {
    ModelLock lock;
    manager = manager_;
    rc = pos_;
  }
  if (manager) manager->Invalidate(rc);
}

void CControlUI::NeedUpdate() {
  if (CPaintManagerUI* manager = GetManager()) manager->NeedUpdate();
}

// Layout is recomputed for the whole tree at the next paint, so a parent's update is the same.
void CControlUI::NeedParentUpdate() { NeedUpdate(); }

void CControlUI::SetAttribute(LPCTSTR nameText, LPCTSTR valueText) {
  const std::wstring name = nameText ? nameText : L"";
  const std::wstring value = valueText ? valueText : L"";
  if (name == L"style") ApplyStyle(value);
  else if (name == L"name") SetName(value.c_str());
  else if (name == L"text") SetText(value.c_str());
  else if (name == L"resourcetext") SetResourceText(ParseBoolValue(value));
  else if (name == L"tooltip") SetToolTip(value.c_str());
  else if (name == L"userdata") SetUserData(value.c_str());
  else if (name == L"virtualwnd") SetVirtualWnd(value.c_str());
  else if (name == L"visible") SetVisible(ParseBoolValue(value));
  else if (name == L"enabled") SetEnabled(ParseBoolValue(value));
  else if (name == L"mouse") SetMouseEnabled(ParseBoolValue(value));
  else if (name == L"keyboard") SetKeyboardEnabled(ParseBoolValue(value));
  else if (name == L"float") SetFloat(ParseBoolValue(value));
  else if (name == L"pos") SetFloatPos(ParseRectValue(value));
  else if (name == L"width") SetFixedWidth(ParseIntValue(value));
  else if (name == L"height") SetFixedHeight(ParseIntValue(value));
  else if (name == L"padding") SetPadding(ParseRectValue(value));
  else if (name == L"bkcolor") SetBkColor(ParseColorValue(value));
  else if (name == L"bkimage") SetBkImage(value.c_str());
  else if (name == L"bordercolor") SetBorderColor(ParseColorValue(value));
  else if (name == L"bordersize") SetBorderSize(ParseIntValue(value));
  else ReportOnce(L"attribute not known:", name);
}

void CControlUI::ApplyStyle(const std::wstring& name) {
  StyleAttributes attributes;
  if (!CPaintManagerUI::LookUpStyle(GetManager(), name.c_str(), attributes)) {
    ReportOnce(L"no style named", name);
    return;
  }
  for (const auto& entry : attributes) SetAttribute(entry.first.c_str(), entry.second.c_str());
}

CControlUI* CControlUI::FindInTree(const std::function<bool(CControlUI*)>& accept) {
  return accept(this) ? this : nullptr;
}

CControlUI* CControlUI::FindAtPoint(POINT pt) {
  ModelLock lock;
  if (!visible_ || !internVisible_ || !mouseEnabled_ || !PtInRect(&pos_, pt)) return nullptr;
  return this;
}

void CControlUI::DoEvent(TEventUI& event) {
  switch (event.Type) {
    case UIEVENT_SETFOCUS: Notify(UI_NOTIFY_SETFOCUS); break;
    case UIEVENT_KILLFOCUS: Notify(UI_NOTIFY_KILLFOCUS); break;
    case UIEVENT_MOUSEENTER: Notify(UI_NOTIFY_MOUSEENTER); break;
    case UIEVENT_MOUSELEAVE: Notify(UI_NOTIFY_MOUSELEAVE); break;
    case UIEVENT_SCROLLWHEEL:
      if (CControlUI* parent = GetParent()) parent->DoEvent(event);
      break;
    default: break;
  }
}

bool CControlUI::Activate() {
  if (!IsVisible() || !IsEnabledInTree()) return false;
  Notify(UI_NOTIFY_CLICK);
  return true;
}

bool CControlUI::AcceptsFocus() const { return false; }

void CControlUI::Notify(LPCTSTR type, WPARAM wParam, LPARAM lParam) {
  if (CPaintManagerUI* manager = GetManager()) manager->SendNotify(this, type, wParam, lParam);
}

void CControlUI::DoPaint(HDC dc, const RECT& paint) {
  RECT overlap;
  if (!IntersectRect(&overlap, &pos_, &paint)) return;
  PaintBkColor(dc);
  PaintBkImage(dc);
  PaintStatusImage(dc);
  PaintText(dc);
  PaintBorder(dc);
}

void CControlUI::PaintBkColor(HDC dc) { CRenderEngine::DrawColor(dc, pos_, bkColor_); }

void CControlUI::PaintBkImage(HDC dc) { DrawImage(dc, bkImage_); }

void CControlUI::PaintStatusImage(HDC) {}

void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC dc) { CRenderEngine::DrawBorder(dc, pos_, borderSize_, borderColor_); }

bool CControlUI::DrawImage(HDC dc, const CDuiString& image) {
  if (image.IsEmpty()) return false;
  return CRenderEngine::DrawImageString(dc, manager_, pos_, pos_, image.GetData(), nullptr, nullptr,
                                        changerColor_, changerAlpha_, hasChanger_);
}
