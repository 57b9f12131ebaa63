#pragma once
#include <string>

// The one way both programs write diagnostics: the debugger output, and, when the environment
// variable KARVO_DEBUG_LOG names a file, that file too (UTF-8, one line per call) so that tests can
// read what Wine would turn into '?' on the debugger channel.
void DebugLine(const std::wstring& text);

// printf-style formatting into a bounded buffer; longer text is cut, never overrun.
void DebugPrintf(const wchar_t* format, ...);

// UTF-16 to UTF-8 and back, for the log file and the few 8-bit boundaries.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
