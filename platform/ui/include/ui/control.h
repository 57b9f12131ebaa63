#pragma once
#include <windows.h>

#include <functional>

#include "ui/ui_string.h"

class CPaintManagerUI;
class CControlUI;

// Input the paint manager routes to a control.
enum UiEventType {
  UIEVENT_MOUSEMOVE,
  UIEVENT_MOUSEENTER,
  UIEVENT_MOUSELEAVE,
  UIEVENT_BUTTONDOWN,
  UIEVENT_BUTTONUP,
  UIEVENT_DBLCLICK,
  UIEVENT_SETFOCUS,
  UIEVENT_KILLFOCUS,
  UIEVENT_KEYDOWN,
  UIEVENT_CHAR,         // wParam: the character
  UIEVENT_SCROLLWHEEL,  // wParam: as WM_MOUSEWHEEL's; goes up the parents to one that scrolls
};

struct TEventUI {
  UiEventType Type = UIEVENT_MOUSEMOVE;
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse{};
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// The base of every control: identity, texts, look, geometry, state and painting.
// Every public operation may be called from any thread; ui/ui.h gives the rules for page code
// (threads, lifetime, and which overrides run under the library's lock).
class CControlUI {
 public:
  CControlUI();
  virtual ~CControlUI();
  CControlUI(const CControlUI&) = delete;
  CControlUI& operator=(const CControlUI&) = delete;

  virtual LPCTSTR GetClass() const;

  CDuiString GetName() const;
  virtual void SetName(LPCTSTR name);

  // The shown text; with the resource-text flag set, the text is a text id resolved through the
  // resource manager.
  virtual CDuiString GetText() const;
  virtual void SetText(LPCTSTR text);
  bool IsResourceText() const;
  void SetResourceText(bool resourceText);
  // Resolves the text id again (after a language change).
  void ReloadResourceText();

  CDuiString GetToolTip() const;
  void SetToolTip(LPCTSTR text);
  CDuiString GetUserData() const;
  void SetUserData(LPCTSTR data);
  CDuiString GetVirtualWnd() const;  // own, or the nearest parent's
  void SetVirtualWnd(LPCTSTR name);

  DWORD GetBkColor() const;
  void SetBkColor(DWORD argb);
  CDuiString GetBkImage() const;
  void SetBkImage(LPCTSTR image);
  DWORD GetBorderColor() const;
  void SetBorderColor(DWORD argb);
  int GetBorderSize() const;
  void SetBorderSize(int size);
  // LED preview tint of the control's images: colour packed red | blue << 8 | green << 16 and
  // its level 0..255. In force from the first SetChangerColor.
  void SetChangerColor(DWORD packedLedColor);
  void SetChangerAlpha(int level);

  virtual bool IsVisible() const;  // own flag and not hidden by a parent
  virtual void SetVisible(bool visible = true);
  virtual void SetInternVisible(bool visible = true);
  // The control's own flag. A disabled container makes everything inside it inert to mouse and
  // keyboard and paints it disabled; enabling it again leaves each child with its own flag.
  bool IsEnabled() const;
  virtual void SetEnabled(bool enabled = true);
  // Own flag and no disabled container around it: whether the control takes input.
  bool IsEnabledInTree() const;
  bool IsMouseEnabled() const;
  void SetMouseEnabled(bool enabled = true);
  bool IsKeyboardEnabled() const;
  void SetKeyboardEnabled(bool enabled = true);
  bool IsFocused() const;
  void SetFocus();

  // Geometry. Sizes of 0 stretch; a floating control sits at its own position in the parent.
  RECT GetPos() const;
  virtual void SetPos(RECT rc);
  bool IsFloat() const;
  void SetFloat(bool floating = true);
  RECT GetFloatPos() const;
  void SetFloatPos(RECT rc);
  int GetFixedWidth() const;
  void SetFixedWidth(int width);
  int GetFixedHeight() const;
  void SetFixedHeight(int height);
  RECT GetPadding() const;
  void SetPadding(RECT padding);
  virtual SIZE EstimateSize(SIZE available);

  CPaintManagerUI* GetManager() const;
  virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
  CControlUI* GetParent() const;

  void Invalidate();
  void NeedUpdate();
  void NeedParentUpdate();

  // A layout attribute by name. "style" applies the named <Style> of the control's window (of any
  // window, for a control not in one yet) exactly as the layout builder does: its attributes in
  // their order, at this point. A name no class knows, and a style no window declares, is written
  // once per name to the diagnostics log.
  virtual void SetAttribute(LPCTSTR name, LPCTSTR value);

  // Walks the control and its children, parent first; returns the first the predicate accepts.
  virtual CControlUI* FindInTree(const std::function<bool(CControlUI*)>& accept);
  // The innermost visible control under the point that takes mouse input, or null.
  virtual CControlUI* FindAtPoint(POINT pt);

  virtual void DoEvent(TEventUI& event);
  // A user's activation (click); raises "click". False when the control cannot be activated.
  virtual bool Activate();
  virtual bool AcceptsFocus() const;

  virtual void DoPaint(HDC dc, const RECT& paint);
  virtual void PaintBkColor(HDC dc);
  virtual void PaintBkImage(HDC dc);
  virtual void PaintStatusImage(HDC dc);
  virtual void PaintText(HDC dc);
  virtual void PaintBorder(HDC dc);

 protected:
  // Called once the control is attached to a manager.
  virtual void DoInit();
  // Draws an image reference in the control's rectangle with the LED tint when one is set.
  bool DrawImage(HDC dc, const CDuiString& image);
  void Notify(LPCTSTR type, WPARAM wParam = 0, LPARAM lParam = 0);
  void SetManagerOnly(CPaintManagerUI* manager, CControlUI* parent);
  void ApplyStyle(const std::wstring& name);
  // Own flag and every parent's; the caller holds the model lock (painting does).
  bool EnabledInTree() const;

  CPaintManagerUI* manager_ = nullptr;
  CControlUI* parent_ = nullptr;
  CDuiString name_;
  CDuiString text_;       // as given: a text id when resourceText_ is set
  CDuiString shownText_;  // what GetText gives and the control shows
  bool resourceText_ = false;
  CDuiString toolTip_;
  CDuiString userData_;
  CDuiString virtualWnd_;
  DWORD bkColor_ = 0;
  CDuiString bkImage_;
  DWORD borderColor_ = 0;
  int borderSize_ = 0;
  bool hasChanger_ = false;
  DWORD changerColor_ = 0;
  int changerAlpha_ = 255;
  bool visible_ = true;
  bool internVisible_ = true;
  bool enabled_ = true;
  bool mouseEnabled_ = true;
  bool keyboardEnabled_ = true;
  bool float_ = false;
  RECT floatPos_{};
  RECT pos_{};
  RECT padding_{};
  int fixedWidth_ = 0;
  int fixedHeight_ = 0;

  friend class CPaintManagerUI;
};
