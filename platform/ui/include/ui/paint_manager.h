#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/dpi.h"
#include "ui/notify.h"
#include "ui/ui_string.h"

// A window's raw messages before the paint manager handles them.
class IMessageFilterUI {
 public:
  virtual LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

 protected:
  ~IMessageFilterUI() = default;
};

// Named attribute sets declared in a layout ("style" attribute of a control).
using StyleAttributes = std::vector<std::pair<std::wstring, std::wstring>>;

// One per window: owns the control tree, paints it double-buffered, routes mouse and keyboard
// input to controls, shows their tooltips and delivers their notifications. Also holds the
// process-wide settings. A window with a paint manager passes every message to MessageHandler.
class CPaintManagerUI {
 public:
  CPaintManagerUI();
  ~CPaintManagerUI();
  CPaintManagerUI(const CPaintManagerUI&) = delete;
  CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

  // Process-wide.
  static void SetInstance(HINSTANCE instance);
  static HINSTANCE GetInstance();
  static CDuiString GetInstancePath();  // the program's folder, with a trailing backslash
  static void SetResourceType(int type);  // 1: files in the resource folder (the only kind)
  static int GetResourceType();
  static void SetResourcePath(LPCTSTR path);
  static CDuiString GetResourcePath();  // with a trailing backslash
  static void MessageLoop();
  // Frees a record that the library allocated and handed out; refuses (false) any other pointer.
  static bool DeletePtr(void* pointer);
  // Every live paint manager's text ids are resolved again (language change).
  static void ReloadAllResourceTexts();
  // How long a removed control is kept at least before it is destroyed (2000 ms unless set;
  // tests shorten it). See "Removed controls" in ui/ui.h.
  static void SetRemovedControlGrace(DWORD milliseconds);
  static DWORD GetRemovedControlGrace();
  // The named style of `preferred` (a control's own window), else of any window that declared
  // it. False when none did.
  static bool LookUpStyle(const CPaintManagerUI* preferred, LPCTSTR name, StyleAttributes& attributes);

  void Init(HWND window);
  HWND GetPaintWindow() const { return window_; }
  bool AttachDialog(CControlUI* root);
  CControlUI* GetRoot() const;

  bool AddNotifier(INotifyUI* notifier);
  bool RemoveNotifier(INotifyUI* notifier);
  bool AddMessageFilter(IMessageFilterUI* filter);
  bool RemoveMessageFilter(IMessageFilterUI* filter);
  // Delivers at once, on the calling thread, to every notifier.
  void SendNotify(CControlUI* sender, LPCTSTR type, WPARAM wParam = 0, LPARAM lParam = 0);

  // By name (case-insensitive); with duplicate names, the first in layout order.
  CControlUI* FindControl(LPCTSTR name) const;
  CControlUI* FindControl(POINT pt) const;
  CControlUI* FindSubControlByName(CControlUI* parent, LPCTSTR name) const;

  void NeedUpdate();
  void Invalidate();
  void Invalidate(const RECT& rc);

  RECT GetCaptionRect() const;
  void SetCaptionRect(RECT rc);
  SIZE GetRoundCorner() const;
  void SetRoundCorner(int cx, int cy);
  SIZE GetInitSize() const;
  void SetInitSize(int cx, int cy);

  void AddFont(int id, LPCTSTR face, int size, bool bold, bool underline, bool italic, bool isDefault);
  HFONT GetFont(int id) const;  // unknown ids give the default font
  void AddStyle(LPCTSTR name, StyleAttributes attributes);

  void AddOptionGroup(LPCTSTR group, CControlUI* option);
  void RemoveOptionGroup(LPCTSTR group, CControlUI* option);
  std::vector<CControlUI*> GetOptionGroup(LPCTSTR group) const;

  // The control that takes the keys. Focus changes raise "killfocus" on the control that loses it,
  // then "setfocus", always on the window thread: asked for on another thread, the change is
  // posted there and made (and seen by GetFocus) when the window thread gets to it. A press on a
  // control that takes no focus, and the window losing the keyboard focus (deactivation), take it
  // from the focused control.
  CControlUI* GetFocus() const;
  void SetFocus(CControlUI* control);

  CDPI* GetDPIObj() { return &dpi_; }
  void SetDPI(int dpi);
  void ResetDPIAssets();

  // The window's messages; true when handled (result in `result`).
  bool MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // For controls: a control goes away, or the tree's shape or names changed.
  void ReapControl(CControlUI* control);
  void TreeChanged();
  // For containers: keeps a control taken out of this manager's tree (already detached) until no
  // dispatch can reach it, then destroys it on the window thread.
  void KeepRemovedControl(CControlUI* control);

 private:
  struct FontEntry {
    std::wstring face;
    int size = 12;
    bool bold = false, underline = false, italic = false;
    HFONT font = nullptr;
  };

  struct RemovedControl {
    CControlUI* control;
    DWORD removedAt;
  };

  void OnPaint();
  void OnSize();
  void OnMouseMove(POINT pt);
  void OnMouseLeaveWindow();
  void OnButtonDown(POINT pt, bool doubleClick);
  void OnButtonUp(POINT pt);
  void OnKeyDown(WPARAM key);
  void OnMouseWheel(POINT screenPoint, WPARAM wParam);
  void TrackMouseLeave();
  void DeliverEvent(CControlUI* control, UiEventType type, POINT pt, WPARAM wParam = 0);
  bool OnWindowThread() const;
  void MoveFocus(CControlUI* control);
  void ApplyPendingFocus();
  void OnTimer(UINT_PTR id);
  void HoverChanged(CControlUI* hot);
  void ShowHoveredToolTip();
  void HideToolTip();
  void ScheduleReaping();
  void ReapRemovedControls();
  void DestroyRemovedControls();
  void EnsureBackBuffer(int width, int height);
  void ReleaseBackBuffer();
  void RebuildFonts();
  void RebuildNameIndex() const;
  std::vector<CControlUI*> ResourceTextControls() const;

  HWND window_ = nullptr;
  CControlUI* root_ = nullptr;
  std::vector<INotifyUI*> notifiers_;
  std::vector<IMessageFilterUI*> filters_;
  bool needLayout_ = true;
  // The whole window is invalid and its paint not begun: further invalidations add nothing, and
  // filling a list of thousands of rows would otherwise ask the system for each change.
  bool wholeInvalid_ = false;
  bool windowInitSent_ = false;
  bool trackingMouse_ = false;
  CControlUI* hot_ = nullptr;
  CControlUI* captured_ = nullptr;
  CControlUI* focus_ = nullptr;
  bool focusPending_ = false;  // a focus change asked for on another thread, posted to the window
  CControlUI* pendingFocus_ = nullptr;
  CControlUI* toolTipFor_ = nullptr;  // the hovered control whose tooltip waits or shows
  HWND toolTipWindow_ = nullptr;
  std::vector<RemovedControl> removed_;
  bool reapScheduled_ = false;  // the reaping timer runs, or a request to start it is posted
  RECT caption_{};
  SIZE roundCorner_{};
  SIZE initSize_{};
  std::map<int, FontEntry> fonts_;
  int defaultFontId_ = -1;
  HFONT fallbackFont_ = nullptr;
  std::map<std::wstring, StyleAttributes> styles_;
  std::map<std::wstring, std::vector<CControlUI*>> optionGroups_;
  mutable std::unordered_map<std::wstring, CControlUI*> nameIndex_;
  mutable bool nameIndexValid_ = false;
  HDC backDc_ = nullptr;
  HBITMAP backBitmap_ = nullptr;
  HGDIOBJ backPrevious_ = nullptr;
  SIZE backSize_{};
  CDPI dpi_;
};
