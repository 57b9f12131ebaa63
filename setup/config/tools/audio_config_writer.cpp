#include "audio_config_writer.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

#include "des_decryption.h"
#include "des_key_blob.h"
#include "diagnostics.h"
#include "ini_mgr.h"

namespace audio_config_writer {

namespace {

// With `pad` the provider adds PKCS#5 padding; without it the text must fill whole blocks.
std::vector<unsigned char> Encrypt(std::vector<unsigned char> data, bool pad) {
  const REGINI_MGR::DesKeyBlob blob = REGINI_MGR::MakeDesKeyBlob(REGINI_MGR::kConfigKey, 8);
  HCRYPTPROV provider = 0;
  HCRYPTKEY key = 0;
  if (!CryptAcquireContextW(&provider, nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL,
                            CRYPT_VERIFYCONTEXT))
    throw std::runtime_error("no crypto context");
  if (!CryptImportKey(provider, reinterpret_cast<const BYTE*>(&blob), sizeof(blob), 0, 0, &key)) {
    CryptReleaseContext(provider, 0);
    throw std::runtime_error("key import failed");
  }
  DWORD length = static_cast<DWORD>(data.size());
  data.resize(data.size() + 8);
  const BOOL ok =
      CryptEncrypt(key, 0, pad, 0, data.data(), &length, static_cast<DWORD>(data.size()));
  CryptDestroyKey(key);
  CryptReleaseContext(provider, 0);
  if (!ok) throw std::runtime_error("encryption failed");
  data.resize(length);
  return data;
}

void AppendUnit(std::vector<unsigned char>& out, unsigned value, int size, bool bigEndian) {
  for (int i = 0; i < size; ++i) {
    const int shift = 8 * (bigEndian ? size - 1 - i : i);
    out.push_back(static_cast<unsigned char>(value >> shift));
  }
}

}  // namespace

std::vector<unsigned char> EncryptDes(const std::vector<unsigned char>& plain) {
  return Encrypt(plain, true);
}

std::string Base64Encode(const std::vector<unsigned char>& bytes) {
  static const char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = std::min<size_t>(3, bytes.size() - i);
    unsigned value = bytes[i] << 16;
    if (n > 1) value |= bytes[i + 1] << 8;
    if (n > 2) value |= bytes[i + 2];
    for (size_t k = 0; k < 4; ++k) out += k <= n ? kAlphabet[(value >> (18 - 6 * k)) & 0x3F] : '=';
  }
  return out;
}

std::string EntryCheck(const std::string& pattern) {
  return Base64Encode(EncryptDes(std::vector<unsigned char>(pattern.begin(), pattern.end())));
}

std::string FillChecks(const std::string& text) {
  static const std::string kMarker = "{check}";
  std::string out = text;
  for (size_t at = out.find(kMarker); at != std::string::npos; at = out.find(kMarker, at)) {
    const size_t lineStart = out.rfind('\n', at) + 1;  // npos + 1 == 0
    const size_t equals = out.find('=', lineStart);
    const size_t comma = out.rfind(',', at);
    std::string pattern = out.substr(equals + 1, comma - equals - 1);
    const size_t first = pattern.find_first_not_of(' ');
    pattern = first == std::string::npos
                  ? ""
                  : pattern.substr(first, pattern.find_last_not_of(' ') - first + 1);
    const std::string check = EntryCheck(pattern);
    out.replace(at, kMarker.size(), check);
    at += check.size();
  }
  return out;
}

std::vector<unsigned char> EncodeText(const std::string& utf8, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8NoMark)
    return std::vector<unsigned char>(utf8.begin(), utf8.end());
  if (encoding == TextEncoding::Utf8)
    return EncodeText("\xEF\xBB\xBF" + utf8, TextEncoding::Utf8NoMark);
  std::vector<unsigned char> out;
  const bool wide32 = encoding == TextEncoding::Utf32Le || encoding == TextEncoding::Utf32Be;
  const bool bigEndian = encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Be;
  const int size = wide32 ? 4 : 2;
  AppendUnit(out, 0xFEFF, size, bigEndian);
  for (wchar_t unit : FromUtf8(utf8)) AppendUnit(out, unit, size, bigEndian);
  return out;
}

std::vector<unsigned char> BuildConfigFile(const std::string& utf8Text, const Options& options) {
  std::vector<unsigned char> plain = EncodeText(FillChecks(utf8Text), options.encoding);
  std::vector<unsigned char> body;
  if (options.breakPadding) {
    // Whole blocks ending in a zero byte, encrypted without padding: no valid padding remains.
    plain.resize((plain.size() / 8 + 1) * 8, 0);
    body = Encrypt(plain, false);
  } else {
    body = EncryptDes(plain);
  }
  body.resize(body.size() - std::min<size_t>(body.size(), options.cutBody));
  std::vector<unsigned char> file(REGINI_MGR::kConfigHeader,
                                  REGINI_MGR::kConfigHeader + REGINI_MGR::kConfigHeaderLength);
  if (options.damageHeader) {
    for (unsigned char& ch : file)
      if (ch >= 'A' && ch <= 'F') {
        ch = static_cast<unsigned char>(std::tolower(ch));
        break;
      }
  }
  file.resize(REGINI_MGR::kConfigHeaderLength + body.size());
  std::copy(body.begin(), body.end(), file.begin() + REGINI_MGR::kConfigHeaderLength);
  return file;
}

}  // namespace audio_config_writer
