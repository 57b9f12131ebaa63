#pragma once
#include <string>
#include <utility>
#include <vector>

// One section of the configuration text: its name and its key/value pairs in file order.
// Buffer in, value out: no Windows call.
namespace REGINI_MGR {

class CIniSection {
 public:
  CIniSection() = default;
  ~CIniSection() { Clear(); }

  // Fills the name and the pairs from the section's raw lines (the header line first).
  void Parse(const std::vector<std::wstring>& rawLines);
  // Empties `keys`, then lists every key in file order (duplicates included).
  void GetKeys(std::vector<std::wstring>& keys) const;
  // The value of the first pair with this key; empty for an empty key or when none matches.
  std::wstring GetValue(const std::wstring& key) const;
  // Empties the pairs; the name stays.
  void Clear() { pairs_.clear(); }

  const std::wstring& Name() const { return name_; }

 private:
  std::wstring name_;
  std::vector<std::pair<std::wstring, std::wstring>> pairs_;
};

// A section header found in the text, with the lines that belong to it.
class CIniSectionDefine {
 public:
  std::wstring name;                   // the text between the header's brackets
  CIniSection section;                 // the parsed form
  std::vector<std::wstring> rawLines;  // the header line, then the lines up to the next header
};

// The line as a section reads it: blanks, then carriage returns, then line feeds trimmed away.
std::wstring TrimIniLine(const std::wstring& line);

// True for a line "[...]": first unit '[' and last unit ']', at least two units.
bool IsSectionHeader(const std::wstring& line);

}  // namespace REGINI_MGR
