#include "device_window.h"

#include <string>

LedKeyUI::LedKeyUI() { SetNormalImage(L"file='images/key.png' corner='6,6,6,6'"); }

void LedKeyUI::SetLed(DWORD packedColor, int level) {
  color_.store(packedColor, std::memory_order_relaxed);
  level_.store(level, std::memory_order_relaxed);
}

void LedKeyUI::PaintStatusImage(HDC dc) {
  CButtonUI::PaintStatusImage(dc);
  RECT light{pos_.left + 4, pos_.top + 4, pos_.right - 4, pos_.bottom - 4};
  CRenderEngine::DrawImageString(dc, manager_, light, light, L"images/led.png", nullptr, nullptr,
                                 color_.load(std::memory_order_relaxed), level_.load(std::memory_order_relaxed),
                                 true);
}

DemoWindow* OpenDeviceWindow(int comboRows) {
  UseDemoSkin();
  auto* window = new DemoWindow(L"XML_DEVICE");
  window->Open();
  const int perRow = kLedKeyCount / 6;
  for (int i = 0; i < kLedKeyCount; ++i) {
    auto* key = new LedKeyUI;
    key->SetName((L"key_" + std::to_wstring(i)).c_str());
    key->SetToolTip((L"Key " + std::to_wstring(i)).c_str());
    key->SetFixedWidth(30);
    window->Find<CContainerUI>((L"key_row_" + std::to_wstring(i / perRow)).c_str())->Add(key);
  }
  auto* combo = window->Find<CComboUI>(L"key_combo");
  for (int i = 0; i < comboRows; ++i) {
    auto* row = new CListLabelElementUI;
    row->SetText((L"Key name " + std::to_wstring(i)).c_str());
    row->SetFixedHeight(25);
    combo->Add(row);
  }
  RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  window->ClearLog();
  return window;
}
