#pragma once
// The lighting-page kit: the controls that every device's lighting page has (the plan panels, the
// colour button with its R/G/B edits and palette, the swatches, the multicolour check, the
// direction pair, the light and speed sliders), handled once. A device describes its page with a
// `LightingPageKit` of static storage and gives the hooks that store a value in its own record,
// mark it changed, save it and write what its device needs; the kit reads and writes the controls
// and gives the routes.
#include <windows.h>

#include <cstdint>

#include "lighting_plan.h"
#include "notification_router.h"

class CMainWnd;

// A colour shown in a button and three edits and applied from them.
struct LightingColourFamily {
  const wchar_t* colourButton;
  const wchar_t* palette;
  const wchar_t* clearedCheck;      // the multicolour check a typed colour clears; null: none
  bool redEditClearsWithNotify;     // the red edit clears the check with a "selectchanged"
  // Stores component 0 (red), 1 (green) or 2 (blue) after the kit has shown the new colour.
  void (*storeComponent)(CMainWnd& window, int component, uint8_t value);
};

struct LightingPageHooks {
  void (*multicolour)(CMainWnd& window, uint8_t on);
  void (*direction)(CMainWnd& window, uint8_t forward);
  void (*brightness)(CMainWnd& window, uint8_t level);
  void (*speed)(CMainWnd& window, uint8_t speed);
  // A colour from the palette or a swatch, applied (the device's colour operation).
  void (*applyColour)(CMainWnd& window, DWORD argb);
  // The colour family the edits work on now.
  const LightingColourFamily& (*colourFamily)(CMainWnd& window);
};

struct LightingPageKit {
  LightingPanelNames panels;
  const wchar_t* edits[3];  // red, green, blue, shared by the page's colour families
  const wchar_t* multicolourCheck;
  const wchar_t* leftCheck;  // direction forward
  const wchar_t* rightCheck;
  const wchar_t* lightSlider;
  const wchar_t* speedSlider;
  bool speedClamped;             // speed = max(0, 4 - v); otherwise the low byte of 4 - v
  const wchar_t* swatchPrefix;   // "<device>_Deng_color_btn_", swatches 0..29
  bool swatchSelectsInPalette;   // a swatch becomes the palette's selected colour first
  const wchar_t* palette;        // its "colorchanged" applies the colour; null: no palette route
  LightingPageHooks hooks;
};

// The panels and labels of a mode, as its plan row says.
void ApplyLightingPlan(CMainWnd& window, const LightingPanelNames& names, const LightingPlanRow& row);

// Packs bytes into the palette's ARGB and back.
DWORD LightingArgb(uint8_t red, uint8_t green, uint8_t blue);
uint8_t ArgbComponent(DWORD argb, int component);  // 0 red, 1 green, 2 blue

// Shows a colour in the family's button (background image cleared) and the kit's edits.
void ShowLightingColour(CMainWnd& window, const LightingPageKit& kit, const LightingColourFamily& family, DWORD argb);
// Shows stored settings in the sliders and the direction pair (silently) and the multicolour check.
void ShowLightingSettings(CMainWnd& window, const LightingPageKit& kit, uint8_t level, uint8_t speed, uint8_t forward,
                          uint8_t multicolour);
void SetOptionSilently(CMainWnd& window, const wchar_t* name, bool selected);

// The handlers behind the routes.
void OnLightingMulticolourCheck(CMainWnd& window, const LightingPageKit& kit, CControlUI* check);
void OnLightingDirectionCheck(CMainWnd& window, const LightingPageKit& kit, bool left);
void OnLightingSlider(CMainWnd& window, const LightingPageKit& kit, bool light);
void OnLightingColourEdit(CMainWnd& window, const LightingPageKit& kit, int component);
void OnLightingSwatch(CMainWnd& window, const LightingPageKit& kit, int number);
void OnLightingPaletteColour(CMainWnd& window, const LightingPageKit& kit);

// The routes of the kit's controls; `kit` must outlive the route index.
RouteTable LightingKitRoutes(const LightingPageKit& kit);
