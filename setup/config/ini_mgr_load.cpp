// Loading of "AudioConfig.bin": header, DES body, then decoding and sections.
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "des_decryption.h"
#include "ini_mgr.h"

namespace REGINI_MGR {

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

long FileLength(FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long length = std::ftell(file);
  if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
  return length;
}

}  // namespace

int CIniMgr::LoadEncrypted(const std::wstring& path) {
  std::vector<unsigned char> buffer;
  long length = 0;
  {
    std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
    if (!file) return 1;
    length = FileLength(file.get());
    if (length < 0) return 2;
    try {
      buffer.assign(static_cast<size_t>(length) + 2, 0);
    } catch (const std::bad_alloc&) {
      return 3;
    }
    std::fread(buffer.data(), 1, length, file.get());
    if (std::ferror(file.get())) return 4;
  }
  // A file shorter than the header is refused before any comparison reaches past its content.
  if (length < kConfigHeaderLength ||
      std::memcmp(buffer.data(), kConfigHeader, kConfigHeaderLength) != 0)
    return 5;

  unsigned char* body = buffer.data() + kConfigHeaderLength;
  const int bodyLength = static_cast<int>(length - kConfigHeaderLength);
  int plainLength = bodyLength;
  if (DecryptConfigBody(body, bodyLength, body, &plainLength) != 0) return 6;
  std::memset(body + plainLength, 0, bodyLength - plainLength);

  Clear();
  int textLength = plainLength;
  unsigned char* text = DetectBom(body, textLength);
  if (DecodeText(text, textLength) != 0) return 7;
  BuildSections();
  return 0;
}

}  // namespace REGINI_MGR
