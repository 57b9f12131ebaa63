// Keyboard page operations that the shell already calls; each keeps its place here until its own
// work is built.
#include "main_wnd.h"

void CMainWnd::InitKeyboardPage() {}
