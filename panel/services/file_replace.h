#pragma once
#include <cstddef>
#include <string>

// Writes `data` to a temporary file in the same folder as `path` and moves it over `path`
// (replace, write-through). A move that another thread's open handle blocks is retried for up to
// half a second. A failure at any point removes the temporary file, leaves the old file as it was
// and returns false.
bool ReplaceFileContents(const std::wstring& path, const void* data, size_t size);

namespace file_replace_testing {
// Makes every later write stop after `bytes` bytes and fail, as a full disk would; -1 turns it off.
void FailWritesAfter(long long bytes);
}  // namespace file_replace_testing
