#pragma once
#include <cstddef>
#include <string>

// Writes `data` to a temporary file in the same folder as `path` and moves it over `path`
// (replace, write-through). A move that another thread's open handle blocks is retried for up to
// half a second. A failure at any point (a read-only file among them) removes the temporary file,
// leaves the old file as it was, writes a diagnostics line and returns false.
bool ReplaceFileContents(const std::wstring& path, const void* data, size_t size);

// Whether the file is there and marked read-only. Saves refuse such a file themselves: a move or a
// profile-string write over it does not fail everywhere (not under Wine run by root).
bool IsReadOnlyFile(const std::wstring& path);

namespace file_replace_testing {
// Makes every later write stop after `bytes` bytes and fail, as a full disk would; -1 turns it off.
void FailWritesAfter(long long bytes);
}  // namespace file_replace_testing
