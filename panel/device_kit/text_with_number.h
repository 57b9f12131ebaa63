#pragma once
#include <string>

// A language text that carries one number, such as how many steps too many a download holds: the
// first "%d" becomes the number. The texts live in the skin, outside the program, so they are
// never handed to a printf-style formatter, where a stray "%s" would read memory.
std::wstring FillNumberPlaceholder(const std::wstring& text, int number);
