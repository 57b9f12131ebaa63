// Keyboard page operations that the shell already calls; each keeps its place here until its own
// work is built.
#include "keyboard_profile_page.h"
#include "main_wnd.h"

void CMainWnd::InitKeyboardPage() { FillKeyboardProfileLists(*this); }
