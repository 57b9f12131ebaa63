#include "profile_store.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <json/reader.h>
#include <json/writer.h>

#include "diagnostics.h"
#include "file_replace.h"

namespace {
struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool FileExists(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW(path.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}
}  // namespace

int ReadProfileFile(const std::wstring& path, void* buffer, size_t length, int /*kind*/) {
  if (!FileExists(path)) return 1;
  File file(_wfopen(path.c_str(), L"rb"));
  if (!file) return 1;
  ProfileFileHeader header{};
  size_t got = fread(&header, 1, sizeof header, file.get());
  if (got < 2 || header.magic != PROFILE_FILE_MAGIC) return -1;
  fread(buffer, 1, length, file.get());
  return 0;
}

int WriteProfileFile(const std::wstring& path, const void* payload, size_t length, int kind) {
  ProfileFileHeader header{};
  header.magic = PROFILE_FILE_MAGIC;
  header.kind = static_cast<uint16_t>(kind);
  std::vector<char> bytes(sizeof header + length);
  memcpy(bytes.data(), &header, sizeof header);
  if (length) memcpy(bytes.data() + sizeof header, payload, length);
  if (!ReplaceFileContents(path, bytes.data(), bytes.size())) {
    DebugLine(L"\u6587\u4ef6\u6253\u5f00\u5931\u8d25");  // "file open failed"
    return 1;
  }
  return 0;
}

std::string ReadTextFile(const std::wstring& path) {
  File file(_wfopen(path.c_str(), L"rb"));
  DebugPrintf(L"readjsonFile \u9519\u8bef\u5417\uff1a\uff1a%d\n", static_cast<int>(GetLastError()));
  if (!file) return {};
  if (fseek(file.get(), 0, SEEK_END) != 0) return {};
  long size = ftell(file.get());
  if (size < 0 || fseek(file.get(), 0, SEEK_SET) != 0) return {};
  std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
  if (fread(text.data(), 1, static_cast<size_t>(size), file.get()) != static_cast<size_t>(size)) return {};
  return std::string(text.data());  // up to the first zero byte
}

int WriteJsonFile(const std::wstring& path, const Json::Value& value) {
  Json::StyledWriter writer;
  const std::string text = writer.write(value) + "\n";
  bool ok = ReplaceFileContents(path, text.data(), text.size());
  DebugPrintf(L"wirtejsonFile \u9519\u8bef\u5417\uff1a\uff1a%d\n", static_cast<int>(GetLastError()));
  return ok ? 0 : 1;
}

Json::Value ReadJsonFile(const std::wstring& path) {
  const std::string text = ReadTextFile(path);
  if (text.empty()) {
    DebugLine(path);
    return Json::Value();
  }
  Json::Value value;
  Json::Reader reader;
  if (!reader.parse(text, value, true)) return Json::Value();
  return value;
}
