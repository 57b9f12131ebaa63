#pragma once
#include <windows.h>

#include "ui/ui.h"

// The colours of the picker's swatch buttons "ms_dpi_color_png_0" to "ms_dpi_color_png_29".
constexpr int kDpiSwatchCount = 30;
extern const DWORD DPI_SWATCH_COLORS[kDpiSwatchCount];

// The picker's window: a visible pop-up with the system menu, and so the close command (the UI
// library draws the caption itself); 0x96C80000 and WS_EX_WINDOWEDGE.
constexpr DWORD PALETTE_DIALOG_STYLE =
    WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
constexpr DWORD PALETTE_DIALOG_EX_STYLE = WS_EX_WINDOWEDGE;

// The modal colour picker of the mouse page's DPI colours (layout "GmPalletDialog.xml"). The
// caller creates it, runs it with ShowModal (1 OK, 2 closed) and reads GetSelectedColor; the
// caller owns the object.
class CPalletDialog : public WindowImplBase {
 public:
  CPalletDialog(LPCTSTR layout, DWORD initialColor);
  // The initial colour, or the shown colour once the user confirmed.
  DWORD GetSelectedColor() const { return m_color; }
  void Notify(TNotifyUI& msg) override;
  CControlUI* FindControl(LPCTSTR name) { return m_pm.FindControl(name); }

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UIPalletDialog"; }
  CDuiString GetSkinFile() override { return m_layout; }
  void InitWindow() override;

 private:
  void ShowColor(DWORD color);
  DWORD ReadShownColor();

  CDuiString m_layout;
  CColorPaletteUI* m_palette = nullptr;
  DWORD m_color;
};
