#include "test_files.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  path_ = std::wstring(base) + L"karvo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  RemoveTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::wstring& folder) {
  std::wstring base = folder;
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((base + L"*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = base + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(search, &data));
    FindClose(search);
  }
  RemoveDirectoryW(base.c_str());
}

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
  std::vector<unsigned char> bytes;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return bytes;
  unsigned char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  fclose(file);
  return bytes;
}

void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

void WriteText(const std::wstring& path, const std::string& text) {
  WriteBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

void WriteSparseFile(const std::wstring& path, unsigned long long size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
