// The per-user data folders as the pages ask for them; the main window is the owner of the shell
// call that finds the documents folder.
#include "data_folders.h"
#include "main_wnd.h"

std::wstring CMainWnd::GetProfileRootFolder() { return ProfileRootFolder(m_hWnd); }
std::wstring CMainWnd::GetKeyboardProfileFolder() { return DeviceProfileFolder(m_hWnd, L"kb"); }
std::wstring CMainWnd::GetMouseProfileFolder() { return DeviceProfileFolder(m_hWnd, L"ms"); }
std::wstring CMainWnd::GetMousePadProfileFolder() { return DeviceProfileFolder(m_hWnd, L"mp"); }
