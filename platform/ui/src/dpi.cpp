#include "ui/dpi.h"

#include <windows.h>

void CDPI::SetDPIAwareness(int awareness) {
  awareness_ = awareness;
  if (awareness > 0) SetProcessDPIAware();
}

void CDPI::SetDPI(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }

int CDPI::Scale(int length) const { return MulDiv(length, dpi_, 96); }
