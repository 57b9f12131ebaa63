#include "profile_store.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
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

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing above
// U+10FFFF.
bool IsUtf8(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    size_t length;
    unsigned long lowest;
    if (lead < 0x80) length = 1, lowest = 0;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, lowest = 0x10000;
    else return false;
    if (length > size - i) return false;
    unsigned long code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) return false;
      code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
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

std::string ReadTextFile(const std::wstring& path, size_t mostBytes) {
  File file(_wfopen(path.c_str(), L"rb"));
  DebugPrintf(L"readjsonFile \u9519\u8bef\u5417\uff1a\uff1a%d\n", static_cast<int>(GetLastError()));
  if (!file) return {};
  if (_fseeki64(file.get(), 0, SEEK_END) != 0) return {};
  const long long size = _ftelli64(file.get());
  if (size < 0 || _fseeki64(file.get(), 0, SEEK_SET) != 0) return {};
  // Checked before anything is allocated: a huge file must not exhaust a 32-bit program's memory.
  if (static_cast<unsigned long long>(size) > mostBytes) {
    DebugLine(L"text file larger than its format can be, refused: " + path);
    return {};
  }
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
  const std::string text = ReadTextFile(path, kMostJsonFileBytes);
  if (text.empty()) {
    DebugLine(path);
    return Json::Value();
  }
  if (!IsUtf8(text)) {
    DebugLine(L"JSON file not in UTF-8, refused: " + path);
    return Json::Value();
  }
  Json::CharReaderBuilder builder;
  builder["collectComments"] = true;
  builder["stackLimit"] = kMostJsonDepth;
  const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  Json::Value value;
  // The reader throws on a nesting deeper than its limit; that is a refused file like any other.
  try {
    if (reader->parse(text.data(), text.data() + text.size(), &value, nullptr)) return value;
  } catch (const std::exception&) {
    DebugLine(L"JSON file nested too deeply, refused: " + path);
  }
  return Json::Value();
}
