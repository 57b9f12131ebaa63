#pragma once
// A minimal PNG writer for looking at rendered pictures: 8-bit RGB, uncompressed (stored) deflate.
#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> pixels;  // width * height * 3, row by row

  RgbImage(uint32_t w, uint32_t h, uint8_t shade) : width(w), height(h), pixels(w * h * 3, shade) {}
  void FillRect(uint32_t x, uint32_t y, uint32_t w, uint32_t h, uint8_t r, uint8_t g, uint8_t b);
  // The highest channel value of any pixel in the rectangle.
  uint8_t Brightest(uint32_t x, uint32_t y, uint32_t w, uint32_t h) const;
};

// The PNG file's bytes.
std::vector<uint8_t> EncodePng(const RgbImage& image);
// false when the file cannot be written.
bool WritePng(const std::string& path, const RgbImage& image);
