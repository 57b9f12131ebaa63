#include "custom_controls.h"

void CDeviceKeyButtonUI::SetLightState(DWORD color, int brightness, int on) {
  lightColor_.store(color, std::memory_order_relaxed);
  lightBrightness_.store(brightness, std::memory_order_relaxed);
  lightOn_.store(on, std::memory_order_relaxed);
}

void CDeviceKeyButtonUI::SetLightImage(LPCTSTR image) {
  lightImage_ = image;
  Invalidate();
}

void CDeviceKeyButtonUI::SetKeySetImage(LPCTSTR image) {
  keySetImage_ = image;
  Invalidate();
}

void CDeviceKeyButtonUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  if (EqualsNoCase(name, L"lightimage")) SetLightImage(value);
  else if (EqualsNoCase(name, L"keysetimage")) SetKeySetImage(value);
  else if (EqualsNoCase(name, L"gmnametextcolor")) return;  // named by the layouts, drawn by nothing
  else CButtonUI::SetAttribute(name, value);
}

void CDeviceKeyButtonUI::PaintStatusImage(HDC dc) {
  CButtonUI::PaintStatusImage(dc);
  if (!lightOn_.load(std::memory_order_relaxed)) return;
  CRenderEngine::DrawImageString(dc, GetManager(), GetPos(), GetPos(), lightImage_.GetData(), nullptr, nullptr,
                                 lightColor_.load(std::memory_order_relaxed),
                                 lightBrightness_.load(std::memory_order_relaxed), true);
}
