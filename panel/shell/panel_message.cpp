#include "panel_message.h"

UINT PanelRegisteredMessage = 0;

UINT RegisterPanelMessage() {
  PanelRegisteredMessage = RegisterWindowMessageW(L"TRAMOLEX_001");
  return PanelRegisteredMessage;
}
