// The operations that the shell already calls but whose own work comes later: the mouse's macro
// recorder. Each moves out of this file when it is built; nothing here does device work.
#include "main_wnd.h"

void CMainWnd::RecordMouseMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroMouseEvent(WPARAM, LPARAM) {}
