#pragma once
#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Binary profile files: a 16-byte header followed by the raw payload (no length, no checksum).
enum ProfileKind : uint16_t {
  PROFILE_KIND_KEYBOARD = 1,
  PROFILE_KIND_MOUSE = 2,
  PROFILE_KIND_MOUSEPAD = 3,
};

#pragma pack(push, 1)
struct ProfileFileHeader {
  uint16_t magic;  // 0x55AA, stored as AA 55
  uint16_t reserved0;
  uint16_t kind;   // ProfileKind
  uint8_t reserved1[10];
};
#pragma pack(pop)
static_assert(sizeof(ProfileFileHeader) == 16, "the header is 16 bytes on disk");

constexpr uint16_t PROFILE_FILE_MAGIC = 0x55AA;

// 0 read; 1 missing or cannot be opened; -1 the file does not start with the magic (buffer untouched).
// A file shorter than the payload fills only the start of the buffer. The kind is not examined.
int ReadProfileFile(const std::wstring& path, void* buffer, size_t length, int kind);

// Writes header and payload; the old file is replaced only once the new one is complete.
// 0 written; 1 the file could not be written (the previous file, if any, is unchanged).
int WriteProfileFile(const std::wstring& path, const void* payload, size_t length, int kind);

// A headset profile with every member is about 3 KB; other members may be added, but a JSON file
// beyond this is not a profile, and reading it would only keep the reading thread busy.
constexpr size_t kMostJsonFileBytes = 64 * 1024;
// Profiles are four levels deep.
constexpr int kMostJsonDepth = 32;

// The whole file as 8-bit text up to its first zero byte; empty when missing, not fully read, or
// larger than `mostBytes`.
std::string ReadTextFile(const std::wstring& path, size_t mostBytes);

// 0 written; 1 the file could not be written (the previous file, if any, is unchanged).
int WriteJsonFile(const std::wstring& path, const Json::Value& value);

// The parsed value; null when the file is missing, empty, larger than kMostJsonFileBytes, not
// UTF-8, nested deeper than kMostJsonDepth or does not parse. Never throws.
Json::Value ReadJsonFile(const std::wstring& path);
