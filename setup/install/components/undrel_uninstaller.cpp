// Stand-in of the uninstaller the setup program puts under Program Files: it does nothing.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
