#pragma once
#include <atomic>

#include "ui/ui.h"

// The panel's own controls, registered with the UI library's factory for the layouts.

// A key or button of a device picture, with an LED preview: while the light is on, the light image
// is drawn tinted with the LED's colour and level over the button's own image.
class CDeviceKeyButtonUI : public CButtonUI {
 public:
  LPCTSTR GetClass() const override { return L"DeviceKeyButton"; }
  // `color` packed red | blue << 8 | green << 16, `brightness` the LED level 0..255. Only stores the
  // values (lighting threads call it for every frame); `RepaintChangedPreviews` repaints the key.
  void SetLightState(DWORD color, int brightness, int on);
  // True once after each light state that differs from the one before.
  bool TakeLightChange() { return lightChanged_.exchange(false, std::memory_order_relaxed); }
  void SetLightImage(LPCTSTR image);
  // Kept for the layouts that name one; the panel never shows the key-set image.
  void SetKeySetImage(LPCTSTR image);
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void PaintStatusImage(HDC dc) override;

 private:
  CDuiString lightImage_;
  CDuiString keySetImage_;
  // Written by the lighting threads without a lock: a repaint may mix two frames' values.
  std::atomic<int> lightOn_{0};
  std::atomic<DWORD> lightColor_{255};
  std::atomic<int> lightBrightness_{200};
  std::atomic<bool> lightChanged_{false};
};

// Invalidates the shown previews whose light changed, at most about 60 times a second, and nothing
// while the window is hidden or minimised: the frames go on every few milliseconds, a repaint of
// what nobody sees, of what stayed the same or faster than a screen shows would cost a core. A
// change held back stays flagged for a later call; showing the window or a page repaints it whole.
void RepaintChangedPreviews(HWND window, CDeviceKeyButtonUI* const* previews, size_t count);

// A progress shown as a ring: the background colour as a full disc, the foreground colour as a
// pie from the bottom (90 degrees, clockwise) over the value's share, and a white centre.
class CCircleProgressUI : public CProgressUI {
 public:
  LPCTSTR GetClass() const override { return L"CircleProgress"; }
  void PaintBkColor(HDC dc) override;

 protected:
  void PaintForeColor(HDC dc) override;
  void PaintForeImage(HDC) override {}
};

// The share of the circle, in whole degrees, that a value between minimum and maximum fills;
// 0 for an empty range.
int CircleProgressSweep(int value, int minimum, int maximum);

// A chart as a pie (view 0) or a histogram (view 1). The panel gives it no items, so it draws
// only what every control draws.
class CChartViewUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override { return L"ChartViewUI"; }
  int GetView() const { return view_; }
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;

 private:
  int view_ = 0;
  CDuiString shadowImage_;
  int shadowImageHeight_ = 0;
  CDuiString pillarImage_;
  int pillarImageWidth_ = 0;
  bool showHtml_ = false;
  bool showText_ = true;
  int font_ = -1;
};

// A control that places a native child window over its own rectangle and shows it with itself.
class CWndUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override { return L"Wnd"; }
  void Attach(HWND window);
  void SetPos(RECT rc) override;
  void SetVisible(bool visible = true) override;
  void SetInternVisible(bool visible = true) override;

 private:
  void SyncChildWindow();
  HWND hosted_ = nullptr;
};

// The first headset's voice-effect selector; its children come from
// "XML\CustomControlXML\VoiceMagicControl.xml".
class CMagicControlUI : public CHorizontalLayoutUI {
 public:
  LPCTSTR GetClass() const override { return L"MagicControlUI"; }
  // Enables the effect choice when open and selects effect `selection`, then sets the switch;
  // both selections notify as a user's would.
  void SetMagicVoiceState(bool open, int selection);
};

// Registers the five classes with the control factory, in the order the layouts expect.
void RegisterCustomControls();
