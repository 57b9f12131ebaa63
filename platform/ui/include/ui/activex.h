#pragma once
#include <objbase.h>

#include "ui/control.h"

// Stands where a layout places an ActiveX control. No ActiveX control is ever hosted here, so
// GetControl always fails.
class CActiveXUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override;
  // False, with *object set to null.
  bool GetControl(const IID& iid, void** object);
};
