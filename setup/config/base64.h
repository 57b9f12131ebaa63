#pragma once

// Base64 decoding of the device-id check values (standard alphabet, '=' padding). Buffer in,
// value out: no Windows call.
namespace REGINI_MGR {

// 0 with the value 0..63, or 64 for '='; 1 for any other byte.
int Base64CharValue(unsigned char ch, int* value);

// 0; 1 length zero or not a multiple of 4; 2 capacity not greater than length/4*3; 3 an invalid
// character. `*size` is the capacity going in and the number of bytes written coming out.
int Base64Decode(const unsigned char* text, int length, unsigned char* output, int* size);

}  // namespace REGINI_MGR
