#include "palette_dialog.h"

#include <string>

#include "control_lookup.h"
#include "diagnostics.h"
#include "text_parsers.h"

const DWORD DPI_SWATCH_COLORS[kDpiSwatchCount] = {
    0xFFFF0000, 0xFF00F6FF, 0xFF6CFF00, 0xFF7E00FF, 0xFF008AFF, 0xFF2400FF, 0xFFADFE00, 0xFFFE5400,
    0xFFFE8300, 0xFF8300E7, 0xFFB700AC, 0xFFFEB300, 0xFFFEF500, 0xFFFF0000, 0xFFFF00F6, 0xFF21B309,
    0xFF48B1FA, 0xFFFA48A4, 0xFFFDFDFC, 0xFF4900E7, 0xFFFFC480, 0xFF000000, 0xFF1B48A3, 0xFF1B1A77,
    0xFF4877A3, 0xFF76A348, 0xFFACD55B, 0xFF7576D2, 0xFF7675FF, 0xFF4776A4,
};

namespace {
constexpr UINT kResultOk = 1;
constexpr UINT kResultClosed = 2;
}  // namespace

CPalletDialog::CPalletDialog(LPCTSTR layout, DWORD initialColor) : m_layout(layout), m_color(initialColor) {}

void CPalletDialog::InitWindow() {
  m_palette = FindTypedControl<CColorPaletteUI>(m_pm, L"Pallet");
  if (m_palette) m_palette->SetSelectColor(m_color);
  ShowColor(m_color);
}

void CPalletDialog::ShowColor(DWORD color) {
  if (CControlUI* shown = m_pm.FindControl(L"color_show_btn")) {
    shown->SetBkImage(L"");
    shown->SetBkColor(color);
    shown->NeedUpdate();
  }
  if (m_palette) m_palette->SetSelectColor(color);
}

DWORD CPalletDialog::ReadShownColor() {
  CControlUI* shown = m_pm.FindControl(L"color_show_btn");
  return shown ? shown->GetBkColor() : 0;
}

void CPalletDialog::Notify(TNotifyUI& msg) {
  const std::wstring name = msg.pSender ? msg.pSender->GetName().str() : std::wstring();
  if (msg.sType == L"click") {
    if (name == L"closebtn") {
      Close(kResultClosed);
    } else if (name == L"okbtn") {
      if (!m_palette) {
        Close(kResultClosed);
        return;
      }
      m_color = ReadShownColor();
      Close(kResultOk);
    } else {
      std::wstring stem;
      int32_t number = 0;
      if (SplitNameIndex(name, stem, number) && EqualsNoCase(stem, L"ms_dpi_color_png_") && number >= 0 &&
          number < kDpiSwatchCount) {
        DebugLine(L"hongse");
        ShowColor(DPI_SWATCH_COLORS[number]);
      }
    }
  } else if (msg.sType == L"colorchanged" && name == L"Pallet" && m_palette) {
    ShowColor(m_palette->GetSelectColor());
  }
}
