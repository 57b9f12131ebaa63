#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio_config_writer.h"
#include "base64.h"
#include "des_decryption.h"

using namespace REGINI_MGR;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes B(const std::string& text) { return Bytes(text.begin(), text.end()); }

const Bytes kAbcCipher = {0xD0, 0x7C, 0x11, 0x1F, 0x71, 0x09, 0xF8, 0xF2};

TEST(Base64, DecodesWithTolerantPadding) {
  const struct {
    std::string text;
    int capacity;
    int result;
    Bytes bytes;
  } cases[] = {
      {"", 8, 1, {}},
      {"QUJ", 8, 1, {}},
      {"QUJDRA", 8, 1, {}},
      {"QUJD", 3, 2, {}},
      {"QUJD", 4, 0, B("ABC")},
      {"QQ==", 4, 0, B("A")},
      {"QUI=", 4, 0, B("AB")},
      {"QU=B", 4, 0, B("A")},  // '=' in the third place ends the output
      {"QU=*", 4, 3, {}},
      {"Q=JDQUJD", 7, 0, {0x44, 0x02, 0x43, 0x41, 0x42, 0x43}},  // '=' inside decodes as 64
      {"QU-D", 4, 3, {}},
      {"QU_D", 4, 3, {}},
      {"QU D", 4, 3, {}},
      {"QU\nD", 4, 3, {}},
      {"QU\xC3"
       "D",
       4,
       3,
       {}},
      {"0HwRH3EJ+PI=", 10, 0, kAbcCipher},
  };
  for (const auto& c : cases) {
    Bytes out(16, 0xAA);
    int size = c.capacity;
    EXPECT_EQ(c.result, Base64Decode(reinterpret_cast<const unsigned char*>(c.text.data()),
                                     static_cast<int>(c.text.size()), out.data(), &size))
        << c.text;
    if (c.result == 0) {
      EXPECT_EQ(c.bytes, Bytes(out.begin(), out.begin() + size)) << c.text;
    }
  }
}

TEST(Des, KnownAnswerInBothDirections) {
  EXPECT_EQ(kAbcCipher, audio_config_writer::EncryptDes(B("abc")));
  EXPECT_EQ("0HwRH3EJ+PI=", audio_config_writer::EntryCheck("abc"));
  Bytes out(8);
  int size = 8;
  ASSERT_EQ(0, DesDecrypt(kAbcCipher.data(), 8, out.data(), &size, kConfigKey, 8));
  EXPECT_EQ(B("abc"), Bytes(out.begin(), out.begin() + size));
}

TEST(Des, RefusesBadLengthsPaddingAndSmallOutputs) {
  const Bytes long_cipher = audio_config_writer::EncryptDes(B("0123456789abcdef-"));
  ASSERT_EQ(24u, long_cipher.size());
  Bytes out(32);
  int size = 32;
  EXPECT_EQ(-1, DesDecrypt(long_cipher.data(), 12, out.data(), &size, kConfigKey, 8));
  // The first 16 bytes alone end in a block whose padding is not valid.
  EXPECT_EQ(3, DesDecrypt(long_cipher.data(), 16, out.data(), &size, kConfigKey, 8));
  size = 23;
  EXPECT_EQ(4, DesDecrypt(long_cipher.data(), 24, out.data(), &size, kConfigKey, 8));
  EXPECT_EQ(23, size);
  size = 0;
  EXPECT_EQ(0, DesDecrypt(nullptr, 0, out.data(), &size, kConfigKey, 8));
  EXPECT_EQ(0, size);
}

TEST(Des, DecryptsInPlace) {
  Bytes data = audio_config_writer::EncryptDes(B("in place text"));
  int size = static_cast<int>(data.size());
  ASSERT_EQ(0, DecryptConfigBody(data.data(), size, data.data(), &size));
  EXPECT_EQ(B("in place text"), Bytes(data.begin(), data.begin() + size));
}

TEST(Des, EntryCheckCodesSeparateTheBase64AndDesSteps) {
  const struct {
    std::string text;
    int result;
  } cases[] = {{"0HwRH3EJ+PI=", 0}, {"0HwRH3EJ+PI", 1}, {"0HwR", 2}, {"0HwR*3EJ+PI=", 1}};
  for (const auto& c : cases) {
    Bytes out(64, 0x55);
    int size = 64;
    EXPECT_EQ(c.result, DecryptBase64Entry(reinterpret_cast<const unsigned char*>(c.text.data()),
                                           static_cast<int>(c.text.size()), out.data(), &size))
        << c.text;
    if (c.result == 0) {
      EXPECT_EQ("abc", std::string(out.begin(), out.begin() + size));
    }
  }
}

}  // namespace
