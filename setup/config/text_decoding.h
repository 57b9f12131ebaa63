#pragma once
#include <cstdint>
#include <string>

// Plain text routines of the configuration reader: the program's own UTF-8 decoder (sequences of up
// to six bytes, one UTF-16 unit per code point, nothing above 0xFFFF), byte swaps and trimming.
// Buffer in, value out: no Windows call, so they can be fed any bytes.
namespace REGINI_MGR {

// 0 with the length 1 to 6, or 1 for a byte that cannot start a sequence.
int Utf8SequenceLength(unsigned char lead, int* length);

// Decodes the sequence at `bytes`, of which `available` bytes belong to the text. Without an
// output only the lead byte is looked at. 0; 1 bad lead byte; 2..6 (the sequence length) for a bad
// continuation byte or a sequence running past the text.
int DecodeUtf8Sequence(const unsigned char* bytes, int available, uint32_t* codePoint, int* length);

// 0, or 2 for any malformed sequence. Without an output only lead bytes are checked.
int Utf8ToUcs4(const unsigned char* bytes, int count, uint32_t* output, int* pointCount);

// 0, or 1 when a code point is above 0xFFFF (tested only when an output is given).
int Ucs4ToUtf16(const uint32_t* points, int count, wchar_t* output, int* unitCount);

// 0; 1 counting failed; 2 no memory; 3 a malformed sequence; 4 a code point above 0xFFFF.
// Without an output the text is still checked in full, except for the 0xFFFF limit.
int Utf8ToUtf16(const unsigned char* bytes, int count, wchar_t* output, int* unitCount);

void SwapBytes16(unsigned char* units, int count);
void SwapBytes32(unsigned char* units, int count);

// Removes the leading and trailing runs of `ch` from `text` and stores a copy in `result`.
void TrimChar(std::wstring& result, std::wstring& text, wchar_t ch);
std::wstring& TrimCharInPlace(std::wstring& result, std::wstring& text, wchar_t ch);

// Upper-cases the way the C library's toupper does in the "C" locale: 'a' to 'z' only.
std::wstring UpperCaseCLocale(std::wstring text);

}  // namespace REGINI_MGR
