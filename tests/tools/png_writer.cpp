#include "png_writer.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

uint32_t Crc32(const uint8_t* data, size_t length, uint32_t crc = 0) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < length; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored deflate blocks: no compression, so no compressor is needed.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> out = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t length = std::min<size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + at, raw.begin() + at + length);
    at += length;
  } while (at < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

}  // namespace

void RgbImage::FillRect(uint32_t x, uint32_t y, uint32_t w, uint32_t h, uint8_t r, uint8_t g,
                        uint8_t b) {
  for (uint32_t row = y; row < std::min(y + h, height); ++row) {
    for (uint32_t column = x; column < std::min(x + w, width); ++column) {
      uint8_t* pixel = &pixels[(row * width + column) * 3];
      pixel[0] = r;
      pixel[1] = g;
      pixel[2] = b;
    }
  }
}

uint8_t RgbImage::Brightest(uint32_t x, uint32_t y, uint32_t w, uint32_t h) const {
  uint8_t brightest = 0;
  for (uint32_t row = y; row < std::min(y + h, height); ++row)
    for (uint32_t column = x; column < std::min(x + w, width); ++column) {
      const uint8_t* pixel = &pixels[(row * width + column) * 3];
      brightest = std::max({brightest, pixel[0], pixel[1], pixel[2]});
    }
  return brightest;
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBigEndian(header, image.width);
  PutBigEndian(header, image.height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);

  std::vector<uint8_t> raw;
  raw.reserve((image.width * 3 + 1) * image.height);
  for (uint32_t row = 0; row < image.height; ++row) {
    raw.push_back(0);  // no row filter
    const auto begin = image.pixels.begin() + row * image.width * 3;
    raw.insert(raw.end(), begin, begin + image.width * 3);
  }
  PutChunk(png, "IDAT", ZlibStored(raw));
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const std::string& path, const RgbImage& image) {
  const std::vector<uint8_t> png = EncodePng(image);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}
