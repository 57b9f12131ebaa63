#include "base64.h"

namespace REGINI_MGR {

namespace {
const int kPadValue = 64;
}

int Base64CharValue(unsigned char ch, int* value) {
  if (ch >= 'A' && ch <= 'Z')
    *value = ch - 'A';
  else if (ch >= 'a' && ch <= 'z')
    *value = ch - 'a' + 26;
  else if (ch >= '0' && ch <= '9')
    *value = ch - '0' + 52;
  else if (ch == '+')
    *value = 62;
  else if (ch == '/')
    *value = 63;
  else if (ch == '=')
    *value = kPadValue;
  else
    return 1;
  return 0;
}

int Base64Decode(const unsigned char* text, int length, unsigned char* output, int* size) {
  if (length <= 0 || length % 4 != 0) return 1;
  const int groups = length / 4;
  if (*size <= groups * 3) return 2;
  int written = 0;
  for (int g = 0; g < groups; ++g) {
    int v[4];
    for (int i = 0; i < 4; ++i)
      if (Base64CharValue(text[4 * g + i], &v[i]) != 0) return 3;
    const unsigned char bytes[3] = {static_cast<unsigned char>((v[0] << 2) | (v[1] >> 4)),
                                    static_cast<unsigned char>((v[1] << 4) | (v[2] >> 2)),
                                    static_cast<unsigned char>((v[2] << 6) | v[3])};
    // Only the last group is cut short by padding; '=' elsewhere decodes as the value 64.
    int take = 3;
    if (g == groups - 1) {
      if (v[2] == kPadValue)
        take = 1;
      else if (v[3] == kPadValue)
        take = 2;
    }
    for (int i = 0; i < take; ++i) output[written++] = bytes[i];
  }
  *size = written;
  return 0;
}

}  // namespace REGINI_MGR
