#pragma once
#include <memory>
#include <string>
#include <vector>

#include "code_page_conversion.h"
#include "ini_section.h"

// The reader of the encrypted configuration file "AudioConfig.bin": header check, DES body,
// text decoding into trimmed lines, INI sections and lookups.
namespace REGINI_MGR {

enum IniTextEncoding : int {
  IniTextNoMark = 0,  // each line UTF-8 or ANSI
  IniTextUtf8 = 1,
  IniTextUtf16Le = 2,
  IniTextUtf16Be = 3,
  IniTextUtf32Le = 4,
  IniTextUtf32Be = 5,
};

// The text every configuration file starts with, without a terminator.
extern const char kConfigHeader[39];
const int kConfigHeaderLength = 38;

class CIniMgr {
 public:
  CIniMgr() : CIniMgr(ConvertWithCodePage) {}
  explicit CIniMgr(PieceConverter convertPiece) : convertPiece_(convertPiece) {}
  ~CIniMgr() { Clear(); }
  CIniMgr(const CIniMgr&) = delete;
  CIniMgr& operator=(const CIniMgr&) = delete;

  // 0 loaded; 1 cannot open; 2 no length; 3 no memory; 4 read error; 5 header mismatch (also a
  // file shorter than the header); 6 body not decryptable; 7 plaintext not decodable.
  int LoadEncrypted(const std::wstring& path);
  void Clear();

  // Sets Encoding() from the byte-order mark; returns the text behind it and shortens `length`.
  unsigned char* DetectBom(unsigned char* text, int& length);
  // Runs the decoder that Encoding() names; the decoders append lines and return 0 on success.
  int DecodeText(unsigned char* text, int length);
  int DecodeAnsiLines(unsigned char* text, int length);
  int DecodeUtf8Lines(unsigned char* text, int length);
  int DecodeUtf16LeLines(unsigned char* text, int length);
  int DecodeUtf16BeLines(unsigned char* text, int length);  // swaps the caller's bytes
  int DecodeUtf32LeLines(unsigned char* text, int length);
  int DecodeUtf32BeLines(unsigned char* text, int length);  // swaps the caller's bytes

  // Groups the lines into sections and parses each; 0.
  int BuildSections();
  bool HasSection(const std::wstring& name) const;
  // Fills `keys` from the first section of that name; leaves it untouched when there is none.
  void GetSectionKeys(const std::wstring& name, std::vector<std::wstring>& keys) const;
  std::wstring GetValue(const std::wstring& name, const std::wstring& key) const;

  IniTextEncoding Encoding() const { return encoding_; }
  const std::vector<std::wstring>& Lines() const { return lines_; }
  size_t SectionCount() const { return sections_.size(); }

 private:
  const CIniSectionDefine* FindSection(const std::wstring& name) const;
  void AppendLine(std::wstring line);
  void AppendUnitLines(const wchar_t* units, int count);

  IniTextEncoding encoding_ = IniTextNoMark;
  std::vector<std::wstring> lines_;
  std::vector<std::unique_ptr<CIniSectionDefine>> sections_;
  PieceConverter convertPiece_;
};

}  // namespace REGINI_MGR
