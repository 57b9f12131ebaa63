#include "des_decryption.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "base64.h"
#include "des_key_blob.h"

namespace REGINI_MGR {

const unsigned char kConfigKey[8] = {'M', 'k', '4', 'p', 'Q', 'z', '7', 'R'};

namespace {

const int kDesBlock = 8;

// Decrypts `scratch` in place block by block, the last block with the final flag (padding check).
bool DecryptBlocks(HCRYPTKEY key, std::vector<unsigned char>& scratch, int* plainLength) {
  const int blocks = static_cast<int>(scratch.size()) / kDesBlock;
  int total = 0;
  for (int b = 0; b < blocks; ++b) {
    DWORD count = kDesBlock;
    if (!CryptDecrypt(key, 0, b == blocks - 1, 0, scratch.data() + b * kDesBlock, &count))
      return false;
    total += static_cast<int>(count);
  }
  *plainLength = total;
  return true;
}

}  // namespace

DesKeyBlob MakeDesKeyBlob(const unsigned char* key, int keyLength) {
  DesKeyBlob blob{};
  blob.header.bType = PLAINTEXTKEYBLOB;
  blob.header.bVersion = CUR_BLOB_VERSION;
  blob.header.reserved = 0;
  blob.header.aiKeyAlg = CALG_DES;
  blob.keyLength = 8;
  std::memcpy(blob.key, key, std::max(0, std::min(keyLength, 8)));
  return blob;
}

int DesDecrypt(const unsigned char* data, int length, unsigned char* output, int* size,
               const unsigned char* key, int keyLength) {
  if (length < 0 || length % kDesBlock != 0) return -1;
  if (length == 0) {
    *size = 0;
    return 0;
  }
  DesKeyBlob blob = MakeDesKeyBlob(key, keyLength);
  HCRYPTPROV provider = 0;
  if (!CryptAcquireContextW(&provider, nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL,
                            CRYPT_VERIFYCONTEXT))
    return 1;
  HCRYPTKEY desKey = 0;
  if (!CryptImportKey(provider, reinterpret_cast<const BYTE*>(&blob), sizeof(blob), 0, 0,
                      &desKey)) {
    CryptReleaseContext(provider, 0);
    return 2;
  }
  std::vector<unsigned char> scratch(data, data + length);
  int plainLength = 0;
  int result = 0;
  if (!DecryptBlocks(desKey, scratch, &plainLength)) {
    result = 3;
  } else if (*size < length) {
    result = 4;
  } else {
    std::memcpy(output, scratch.data(), plainLength);
    *size = plainLength;
  }
  CryptDestroyKey(desKey);
  CryptReleaseContext(provider, 0);
  return result;
}

int DecryptBase64Entry(const unsigned char* text, int length, unsigned char* output, int* size) {
  std::vector<unsigned char> decoded;
  try {
    decoded.assign(std::max(length, 0), 0);
  } catch (const std::bad_alloc&) {
    return -1;
  }
  int decodedLength = length;
  if (Base64Decode(text, length, decoded.data(), &decodedLength) != 0) return 1;
  std::memset(output, 0, *size);
  if (DesDecrypt(decoded.data(), decodedLength, output, size, kConfigKey, sizeof(kConfigKey)) != 0)
    return 2;
  return 0;
}

int DecryptConfigBody(const unsigned char* data, int length, unsigned char* output, int* size) {
  return DesDecrypt(data, length, output, size, kConfigKey, sizeof(kConfigKey)) == 0 ? 0 : 1;
}

}  // namespace REGINI_MGR
