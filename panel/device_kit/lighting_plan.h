#pragma once
// What a lighting mode shows on its page, as data: the state of the page's panels and the text ids
// of its two direction labels. Every device's lighting page describes its modes with these rows;
// the lighting-page kit applies them.

enum class PanelState : signed char {
  Leave,     // as it is
  Enabled,   // shown and usable
  Disabled,  // shown greyed
  Hidden,
};

struct LightingPlanRow {
  PanelState direction;
  PanelState colour;
  PanelState multicolour;
  PanelState speed;
  PanelState sameMode;
  const wchar_t* labelLeft;  // text id for the left direction label; null leaves both labels
  const wchar_t* labelRight;
};

// The controls a plan row acts on, by name; a null name is a panel the page does not have.
struct LightingPanelNames {
  const wchar_t* direction;
  const wchar_t* colour;
  const wchar_t* multicolour;
  const wchar_t* speed;
  const wchar_t* sameMode;
  const wchar_t* labelLeft;
  const wchar_t* labelRight;
};
