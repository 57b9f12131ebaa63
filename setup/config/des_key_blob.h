#pragma once
#include <windows.h>

#include <wincrypt.h>

namespace REGINI_MGR {

// CryptoAPI plain-text key blob of a DES key (20 bytes).
#pragma pack(push, 1)
struct DesKeyBlob {
  BLOBHEADER header;
  DWORD keyLength;
  BYTE key[8];
};
#pragma pack(pop)
static_assert(sizeof(DesKeyBlob) == 20, "plain-text key blob layout");

// The first min(keyLength, 8) bytes of the key, the rest zero.
DesKeyBlob MakeDesKeyBlob(const unsigned char* key, int keyLength);

}  // namespace REGINI_MGR
