#include "text_decoding.h"

#include <new>
#include <utility>
#include <vector>

namespace REGINI_MGR {

int Utf8SequenceLength(unsigned char lead, int* length) {
  int n;
  if (lead <= 0x7F)
    n = 1;
  else if (lead < 0xC0)
    return 1;
  else if (lead <= 0xDF)
    n = 2;
  else if (lead <= 0xEF)
    n = 3;
  else if (lead <= 0xF7)
    n = 4;
  else if (lead <= 0xFB)
    n = 5;
  else if (lead <= 0xFD)
    n = 6;
  else
    return 1;
  *length = n;
  return 0;
}

int DecodeUtf8Sequence(const unsigned char* bytes, int available, uint32_t* codePoint,
                       int* length) {
  int n = 0;
  if (Utf8SequenceLength(bytes[0], &n) != 0) return 1;
  *length = n;
  if (codePoint == nullptr) return 0;
  if (n > available) return n;
  static const unsigned char kPayloadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07, 0x03, 0x01};
  uint32_t value = bytes[0] & kPayloadMask[n];
  for (int i = 1; i < n; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) return n;
    value = (value << 6) | (bytes[i] & 0x3F);
  }
  *codePoint = value;
  return 0;
}

int Utf8ToUcs4(const unsigned char* bytes, int count, uint32_t* output, int* pointCount) {
  int consumed = 0;
  int points = 0;
  while (consumed < count) {
    int length = 0;
    uint32_t value = 0;
    if (DecodeUtf8Sequence(bytes + consumed, count - consumed, output ? &value : nullptr,
                           &length) != 0)
      return 2;
    if (output) output[points] = value;
    ++points;
    consumed += length;
  }
  *pointCount = points;
  return 0;
}

int Ucs4ToUtf16(const uint32_t* points, int count, wchar_t* output, int* unitCount) {
  if (output) {
    for (int i = 0; i < count; ++i) {
      if (points[i] > 0xFFFF) return 1;
      output[i] = static_cast<wchar_t>(points[i]);
    }
  }
  *unitCount = count;
  return 0;
}

int Utf8ToUtf16(const unsigned char* bytes, int count, wchar_t* output, int* unitCount) {
  int points = 0;
  if (Utf8ToUcs4(bytes, count, nullptr, &points) != 0) return 1;
  std::vector<uint32_t> buffer;
  try {
    buffer.assign(points, 0);
  } catch (const std::bad_alloc&) {
    return 2;
  }
  if (Utf8ToUcs4(bytes, count, buffer.data(), &points) != 0) return 3;
  return Ucs4ToUtf16(buffer.data(), points, output, unitCount) == 0 ? 0 : 4;
}

void SwapBytes16(unsigned char* units, int count) {
  for (int i = 0; i < count; ++i) std::swap(units[2 * i], units[2 * i + 1]);
}

void SwapBytes32(unsigned char* units, int count) {
  for (int i = 0; i < count; ++i) {
    std::swap(units[4 * i], units[4 * i + 3]);
    std::swap(units[4 * i + 1], units[4 * i + 2]);
  }
}

void TrimChar(std::wstring& result, std::wstring& text, wchar_t ch) {
  const size_t first = text.find_first_not_of(ch);
  if (first == std::wstring::npos) {
    text.clear();
  } else {
    const size_t last = text.find_last_not_of(ch);
    text = text.substr(first, last - first + 1);
  }
  result = text;
}

std::wstring& TrimCharInPlace(std::wstring& result, std::wstring& text, wchar_t ch) {
  TrimChar(result, text, ch);
  return result;
}

std::wstring UpperCaseCLocale(std::wstring text) {
  for (wchar_t& unit : text)
    if (unit >= L'a' && unit <= L'z') unit = static_cast<wchar_t>(unit - L'a' + L'A');
  return text;
}

}  // namespace REGINI_MGR
