#include "custom_controls.h"

#include "clock.h"

namespace {
// About the display's rate: the frames come every 5 ms, a screen shows 60 a second.
constexpr DWORD kPreviewRepaintIntervalMs = 16;
// When previews were last invalidated, by any thread; a change that comes sooner waits, flagged,
// for a later frame.
std::atomic<DWORD> lastPreviewRepaint{0};

bool PreviewRepaintDue() {
  return CurrentClock().TickCount() - lastPreviewRepaint.load(std::memory_order_relaxed) >= kPreviewRepaintIntervalMs;
}
}  // namespace

void CDeviceKeyButtonUI::SetLightState(DWORD color, int brightness, int on) {
  const bool changed = lightColor_.exchange(color, std::memory_order_relaxed) != color;
  const bool dimmed = lightBrightness_.exchange(brightness, std::memory_order_relaxed) != brightness;
  const bool switched = lightOn_.exchange(on, std::memory_order_relaxed) != on;
  if (changed || dimmed || switched) lightChanged_.store(true, std::memory_order_relaxed);
}

void RepaintChangedPreviews(HWND window, CDeviceKeyButtonUI* const* previews, size_t count) {
  if (!IsWindowVisible(window) || IsIconic(window) || !PreviewRepaintDue()) return;
  // One invalidation for all of them: each is a call into the window system, and the paint covers
  // the changed area's bounds anyway.
  RECT changed{};
  bool taken = false;
  CPaintManagerUI* manager = nullptr;
  for (size_t i = 0; i < count; ++i) {
    CDeviceKeyButtonUI* preview = previews[i];
    if (!preview || !preview->IsVisible() || !preview->TakeLightChange()) continue;
    const RECT area = preview->GetPos();
    UnionRect(&changed, &changed, &area);
    taken = true;
    if (!manager) manager = preview->GetManager();
  }
  if (!taken) return;
  if (manager) manager->Invalidate(changed);
  lastPreviewRepaint.store(CurrentClock().TickCount(), std::memory_order_relaxed);
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
