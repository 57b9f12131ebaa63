// Writes an "AudioConfig.bin" from a plain INI text (UTF-8) for tests:
//   make_audio_config <input.ini> <output.bin> [--encoding utf8|utf8bom|utf16le|utf16be|utf32le|
//                     utf32be] [--damage-header] [--cut-body N] [--break-padding]
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "audio_config_writer.h"

using namespace audio_config_writer;

namespace {

bool ParseOptions(int argc, wchar_t** argv, Options* options) {
  static const std::map<std::wstring, TextEncoding> kEncodings = {
      {L"utf8", TextEncoding::Utf8NoMark}, {L"utf8bom", TextEncoding::Utf8},
      {L"utf16le", TextEncoding::Utf16Le}, {L"utf16be", TextEncoding::Utf16Be},
      {L"utf32le", TextEncoding::Utf32Le}, {L"utf32be", TextEncoding::Utf32Be}};
  for (int i = 3; i < argc; ++i) {
    const std::wstring option = argv[i];
    if (option == L"--damage-header") {
      options->damageHeader = true;
    } else if (option == L"--break-padding") {
      options->breakPadding = true;
    } else if (option == L"--cut-body" && i + 1 < argc) {
      options->cutBody = std::wcstol(argv[++i], nullptr, 10);
    } else if (option == L"--encoding" && i + 1 < argc && kEncodings.count(argv[i + 1])) {
      options->encoding = kEncodings.at(argv[++i]);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (argc < 3 || !ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: make_audio_config <input.ini> <output.bin> [options]\n");
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  if (!input) {
    std::fprintf(stderr, "cannot read the input text\n");
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
  const std::vector<unsigned char> file = BuildConfigFile(text, options);
  std::ofstream output(argv[2], std::ios::binary);
  output.write(reinterpret_cast<const char*>(file.data()), file.size());
  return output ? 0 : 1;
}
