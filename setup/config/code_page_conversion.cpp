#include "code_page_conversion.h"

#include <windows.h>

#include <vector>

namespace REGINI_MGR {

std::wstring ConvertWithCodePage(const char* bytes, int count, bool utf8) {
  if (count <= 0) return {};
  // The text is taken by the length the converter returns: Wine swallows a terminating zero that
  // follows a lone UTF-8 lead byte, so a terminator cannot be relied on.
  std::vector<wchar_t> units(count + 2);
  const int converted = MultiByteToWideChar(utf8 ? CP_UTF8 : CP_ACP, 0, bytes, count, units.data(),
                                            static_cast<int>(units.size()));
  return std::wstring(units.data(), converted > 0 ? converted : 0);
}

}  // namespace REGINI_MGR
