#pragma once
#include <string>

namespace REGINI_MGR {

// Turns one line of configuration text without a byte-order mark into wide text: as UTF-8 when
// `utf8`, else in the system's ANSI code page.
using PieceConverter = std::wstring (*)(const char* bytes, int count, bool utf8);

// The Windows converter (MultiByteToWideChar with code page 65001 or 0).
std::wstring ConvertWithCodePage(const char* bytes, int count, bool utf8);

}  // namespace REGINI_MGR
