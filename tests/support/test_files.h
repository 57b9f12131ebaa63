#pragma once
#include <string>
#include <vector>

// A fresh folder under the Wine prefix's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }  // ends with a backslash
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

std::vector<unsigned char> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);
void WriteText(const std::wstring& path, const std::string& text);
// A file of `size` bytes that takes no room on the disk (its bytes read as zeros).
void WriteSparseFile(const std::wstring& path, unsigned long long size);
bool PathExists(const std::wstring& path);
void RemoveTree(const std::wstring& path);
