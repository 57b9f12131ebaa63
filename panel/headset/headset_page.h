#pragma once
#include <string>

class CMainWnd;

// What the first headset's page files share.
constexpr const wchar_t* kHeadsetProfileIndexFile = L"hsProfile.ini";
constexpr const wchar_t* kHeadsetFactoryProfileFile = L"hslightdefault.json";

// "hsProfile.ini" in the family's folder.
std::wstring HeadsetProfileIndexPath(CMainWnd& window);
// "hslightdefault.json" in the program's folder.
std::wstring HeadsetFactoryProfilePath();
