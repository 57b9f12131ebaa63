// A DLL that does nothing: tests put it where a planted DLL would lie.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
