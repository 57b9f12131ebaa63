// Byte-order-mark detection and the six decoders that turn configuration text into trimmed lines.
#include <cstdint>
#include <new>
#include <vector>

#include "ini_mgr.h"
#include "text_decoding.h"

namespace REGINI_MGR {

namespace {

bool StartsWith(const unsigned char* text, int length, const unsigned char* mark, int markLength) {
  if (length < markLength) return false;
  for (int i = 0; i < markLength; ++i)
    if (text[i] != mark[i]) return false;
  return true;
}

// A piece is UTF-8 unless a visited position holds a byte that cannot start a sequence; the
// bytes that a sequence steps over are not examined.
bool IsUtf8Piece(const unsigned char* bytes, int count) {
  int position = 0;
  while (position < count) {
    int length = 0;
    if (Utf8SequenceLength(bytes[position], &length) != 0) return false;
    position += length;
  }
  return true;
}

// Little-endian 16-bit units; a trailing odd byte becomes a unit of its own.
std::vector<wchar_t> ReadUtf16Units(const unsigned char* text, int length) {
  std::vector<wchar_t> units((length + 1) / 2);
  for (int i = 0; i < length / 2; ++i)
    units[i] = static_cast<wchar_t>(text[2 * i] | (text[2 * i + 1] << 8));
  if (length % 2 != 0) units.back() = text[length - 1];
  return units;
}

// Calls `onLine(start, count)` for each maximal run of units other than line feeds in front of the
// first zero unit, so runs of line feeds and line feeds at either end yield nothing.
template <typename Unit, typename OnLine>
void ForEachLine(const Unit* text, int count, OnLine onLine) {
  int end = 0;
  while (end < count && text[end] != 0) ++end;
  int start = 0;
  while (start < end) {
    int stop = start;
    while (stop < end && text[stop] != '\n') ++stop;
    if (stop > start) onLine(text + start, stop - start);
    start = stop + 1;
  }
}

uint32_t ReadUtf32Unit(const unsigned char* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

}  // namespace

unsigned char* CIniMgr::DetectBom(unsigned char* text, int& length) {
  static const unsigned char kUtf32Le[] = {0xFF, 0xFE, 0x00, 0x00};
  static const unsigned char kUtf32Be[] = {0x00, 0x00, 0xFE, 0xFF};
  static const unsigned char kUtf8[] = {0xEF, 0xBB, 0xBF};
  static const unsigned char kUtf16Le[] = {0xFF, 0xFE};
  static const unsigned char kUtf16Be[] = {0xFE, 0xFF};
  struct Mark {
    const unsigned char* bytes;
    int size;
    IniTextEncoding encoding;
  };
  static const Mark kMarks[] = {{kUtf32Le, 4, IniTextUtf32Le},
                                {kUtf32Be, 4, IniTextUtf32Be},
                                {kUtf8, 3, IniTextUtf8},
                                {kUtf16Le, 2, IniTextUtf16Le},
                                {kUtf16Be, 2, IniTextUtf16Be}};
  encoding_ = IniTextNoMark;
  for (const Mark& mark : kMarks) {
    if (StartsWith(text, length, mark.bytes, mark.size)) {
      encoding_ = mark.encoding;
      length -= mark.size;
      return text + mark.size;
    }
  }
  return text;
}

int CIniMgr::DecodeText(unsigned char* text, int length) {
  switch (encoding_) {
    case IniTextUtf8:
      return DecodeUtf8Lines(text, length);
    case IniTextUtf16Le:
      return DecodeUtf16LeLines(text, length);
    case IniTextUtf16Be:
      return DecodeUtf16BeLines(text, length);
    case IniTextUtf32Le:
      return DecodeUtf32LeLines(text, length);
    case IniTextUtf32Be:
      return DecodeUtf32BeLines(text, length);
    default:
      return DecodeAnsiLines(text, length);
  }
}

// Blanks go first, carriage returns second, so blanks in front of a line-ending CR stay.
void CIniMgr::AppendLine(std::wstring line) {
  std::wstring trimmed;
  TrimChar(trimmed, line, L' ');
  TrimChar(trimmed, line, L'\r');
  lines_.push_back(line);
}

void CIniMgr::AppendUnitLines(const wchar_t* units, int count) {
  ForEachLine(units, count,
              [this](const wchar_t* line, int size) { AppendLine(std::wstring(line, size)); });
}

int CIniMgr::DecodeAnsiLines(unsigned char* text, int length) {
  ForEachLine(text, length, [this](const unsigned char* line, int size) {
    const bool utf8 = IsUtf8Piece(line, size);
    AppendLine(convertPiece_(reinterpret_cast<const char*>(line), size, utf8));
  });
  return 0;
}

int CIniMgr::DecodeUtf8Lines(unsigned char* text, int length) {
  int count = 0;
  if (Utf8ToUtf16(text, length, nullptr, &count) != 0) return 1;
  std::vector<wchar_t> units;
  try {
    units.resize(count);
  } catch (const std::bad_alloc&) {
    return 2;
  }
  if (Utf8ToUtf16(text, length, units.data(), &count) != 0) return 3;
  AppendUnitLines(units.data(), count);
  return 0;
}

int CIniMgr::DecodeUtf16LeLines(unsigned char* text, int length) {
  const std::vector<wchar_t> units = ReadUtf16Units(text, length);
  AppendUnitLines(units.data(), static_cast<int>(units.size()));
  return 0;
}

int CIniMgr::DecodeUtf16BeLines(unsigned char* text, int length) {
  SwapBytes16(text, length / 2);
  return DecodeUtf16LeLines(text, length);
}

int CIniMgr::DecodeUtf32LeLines(unsigned char* text, int length) {
  if (length % 4 != 0) return 1;
  const int count = length / 4;
  for (int i = 0; i < count; ++i)
    if (ReadUtf32Unit(text + 4 * i) > 0xFFFF) return 2;
  std::vector<wchar_t> units;
  try {
    units.resize(count);
  } catch (const std::bad_alloc&) {
    return 3;
  }
  for (int i = 0; i < count; ++i) units[i] = static_cast<wchar_t>(ReadUtf32Unit(text + 4 * i));
  AppendUnitLines(units.data(), count);
  return 0;
}

int CIniMgr::DecodeUtf32BeLines(unsigned char* text, int length) {
  if (length % 4 != 0) return 1;
  SwapBytes32(text, length / 4);
  return DecodeUtf32LeLines(text, length);
}

}  // namespace REGINI_MGR
