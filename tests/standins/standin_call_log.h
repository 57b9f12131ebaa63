#pragma once
#include <string>

// Each stand-in library keeps a log of the calls made into it, one line per call with its
// arguments; tests read it through the library's StandinCopyCallLog export. Only the most recent
// lines are kept, in storage of a fixed size, so a long demo run with a polling thread stays small.

// printf-style; the line is cut at 512 characters.
void LogStandinCall(const char* format, ...);
void ClearStandinCallLog();

// Property names and other UTF-16 arguments, for the log.
std::string StandinLogText(const wchar_t* text);

// Defines an exported entry point that the stand-in does not model: it logs its name and reports
// success.
#define STANDIN_UNMODELLED_ENTRY_POINT(name) \
  extern "C" int name() {                    \
    LogStandinCall(#name "(...)");           \
    return 0;                                \
  }
