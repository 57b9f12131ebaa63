#pragma once

// DES decryption (CBC, zero IV, PKCS#5) of the configuration body and of the device-id check
// values, through CryptoAPI. Buffers come as pointer and length; `*size` is the output capacity
// going in and the bytes written coming out (set on success only).
namespace REGINI_MGR {

// The key of both the configuration body and the check values.
extern const unsigned char kConfigKey[8];

// 0; -1 length not a multiple of 8; 1 no crypto context; 2 the key cannot be imported;
// 3 a block cannot be decrypted (bad padding included); 4 capacity smaller than the data length.
// `output` may be `data` itself.
int DesDecrypt(const unsigned char* data, int length, unsigned char* output, int* size,
               const unsigned char* key, int keyLength);

// Base64 then DES with the configuration key: 0; -1 no memory; 1 Base64 failed; 2 DES failed.
int DecryptBase64Entry(const unsigned char* text, int length, unsigned char* output, int* size);

// DES with the configuration key: 0, or 1 for any failure.
int DecryptConfigBody(const unsigned char* data, int length, unsigned char* output, int* size);

}  // namespace REGINI_MGR
