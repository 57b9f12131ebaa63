// The setup program's "AudioConfig.bin": the encrypted file as it lies on disk, and its plain text
// (encrypted again before each read, so that mutations reach the text decoders and the sections).
// Both start from the plain seed texts, their entry checks filled in once.
#include <string>

#include "audio_config_writer.h"
#include "device_id_mgr.h"
#include "fuzz_readers.h"
#include "test_files.h"

namespace {

// The groups the setup program loads, and a match against each.
bool ReadAudioConfig(const std::wstring&, const std::wstring& file) {
  bool loaded = false;
  for (const wchar_t* section : {L"HID_VID_PID", L"USB_VID_PID"}) {
    DEVICEID_MGR::CDeviceIdMgr group;
    if (group.LoadFromConfig(file, section) != 0) continue;
    loaded = true;
    group.MatchHardwareId(L"HID\\VID_2B9E&PID_7301&MI_03");
  }
  return loaded;
}

bool ReadAudioConfigText(const std::wstring& folder, const std::wstring& file) {
  const std::vector<unsigned char> text = ReadBytes(file);
  const std::vector<unsigned char> encrypted =
      audio_config_writer::BuildConfigFile(std::string(text.begin(), text.end()), {});
  WriteBytes(folder + L"AudioConfig.bin", encrypted);
  return ReadAudioConfig(folder, folder + L"AudioConfig.bin");
}

std::vector<std::string> FilledSeedTexts() {
  std::vector<std::string> texts;
  for (const Bytes& seed : ReadFuzzSeeds(L"audio_config"))
    texts.push_back(audio_config_writer::FillChecks(std::string(seed.begin(), seed.end())));
  return texts;
}

std::vector<Bytes> TextSeeds() {
  std::vector<Bytes> seeds;
  for (const std::string& text : FilledSeedTexts()) seeds.emplace_back(text.begin(), text.end());
  return seeds;
}

// Each text in every encoding the reader knows.
std::vector<Bytes> FileSeeds() {
  using audio_config_writer::TextEncoding;
  std::vector<Bytes> seeds;
  for (const std::string& text : FilledSeedTexts())
    for (TextEncoding encoding : {TextEncoding::Utf8NoMark, TextEncoding::Utf8, TextEncoding::Utf16Le,
                                  TextEncoding::Utf16Be, TextEncoding::Utf32Le, TextEncoding::Utf32Be}) {
      audio_config_writer::Options options;
      options.encoding = encoding;
      const std::vector<unsigned char> file = audio_config_writer::BuildConfigFile(text, options);
      seeds.emplace_back(file.begin(), file.end());
    }
  return seeds;
}

}  // namespace

std::vector<FuzzReader> SetupFileReaders() {
  FuzzReader file{"AudioConfigFile", nullptr, false, ReadAudioConfig, L"AudioConfig.bin"};
  file.seeds = FileSeeds;
  FuzzReader text{"AudioConfigText", nullptr, true, ReadAudioConfigText, L"plain.ini"};
  text.seeds = TextSeeds;
  return {file, text};
}
