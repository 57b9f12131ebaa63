#pragma once
#include <string>

class CMainWnd;
struct NamedProfileListParams;

// What the first headset's page files share.
constexpr const wchar_t* kHeadsetProfileIndexFile = L"hsProfile.ini";
constexpr const wchar_t* kHeadsetFactoryProfileFile = L"hslightdefault.json";

// "hsProfile.ini" in the family's folder.
std::wstring HeadsetProfileIndexPath(CMainWnd& window);
// "hslightdefault.json" in the program's folder.
std::wstring HeadsetFactoryProfilePath();

// What both families' profile lists share: the sections of their index file, the names that add
// gives, and JSON profile files copied whole (an import must be a JSON object with a "LightInfo"
// object). The controls are each list's own.
NamedProfileListParams HeadsetProfileListBase(const wchar_t* indexFile);

// A profile without a link clears the link text that the last profile showed; a linked one shows
// its own (the list's select does that).
void ClearLinkTextUnlessLinked(CMainWnd& window, const std::wstring& indexFile, int index, const wchar_t* linkEdit);
