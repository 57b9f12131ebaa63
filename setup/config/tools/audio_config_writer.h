#pragma once
#include <string>
#include <vector>

// Test-side writer of "AudioConfig.bin": the encrypting counterpart of the reader, with ways to
// damage the result. Text is given as UTF-8; "{check}" in it is replaced by the check value of
// the pattern in front of the comma on the same line.
namespace audio_config_writer {

enum class TextEncoding { Utf8NoMark, Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

struct Options {
  TextEncoding encoding = TextEncoding::Utf8NoMark;
  bool damageHeader = false;  // one hexadecimal letter of the header in lower case
  int cutBody = 0;            // bytes dropped from the end of the encrypted body
  bool breakPadding = false;  // the last block decrypts to a zero padding byte
};

// DES-CBC, zero IV, PKCS#5 under the configuration key.
std::vector<unsigned char> EncryptDes(const std::vector<unsigned char>& plain);
std::string Base64Encode(const std::vector<unsigned char>& bytes);
// The check value of a device-id pattern (ASCII): Base64 of its encryption.
std::string EntryCheck(const std::string& pattern);
// "{check}" markers replaced.
std::string FillChecks(const std::string& text);
std::vector<unsigned char> EncodeText(const std::string& utf8, TextEncoding encoding);
std::vector<unsigned char> BuildConfigFile(const std::string& utf8Text, const Options& options);

}  // namespace audio_config_writer
