#pragma once
#include "ui/ui.h"

// The panel's own controls, registered with the UI library for the layouts. Their drawing and
// behaviour come with the custom-controls work; until then they are plain controls of the right
// kind, so that layouts, lookups and the factory already work with them.

class CCircleProgressUI : public CProgressUI {
 public:
  LPCTSTR GetClass() const override { return L"CircleProgressUI"; }
};

class CChartViewUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override { return L"ChartViewUI"; }
};

class CWndUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override { return L"WndUI"; }
};

class CDeviceKeyButtonUI : public CButtonUI {
 public:
  LPCTSTR GetClass() const override { return L"DeviceKeyButtonUI"; }
};

class CMagicControlUI : public CContainerUI {
 public:
  LPCTSTR GetClass() const override { return L"MagicControlUI"; }
};

// Registers the five classes with the control factory, in the order the layouts expect.
void RegisterCustomControls();
