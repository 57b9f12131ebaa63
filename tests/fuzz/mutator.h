#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A small, fixed pseudo-random sequence (splitmix64): the same seed gives the same inputs on every
// machine, so a failing case is replayed from its seed and number alone.
class FuzzRandom {
 public:
  explicit FuzzRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // 0 .. bound - 1; 0 for a bound of 0.
  size_t Below(size_t bound) { return bound ? static_cast<size_t>(Next() % bound) : 0; }
  bool OneIn(size_t n) { return Below(n) == 0; }

 private:
  uint64_t state_;
};

// One input made from the seed files: one to three mutations of a seed (cuts, bit flips, byte runs,
// repeated and deleted chunks, splices with another seed; for text also long lines, huge and
// negative numbers, other encodings, duplicated and missing sections). `how` names them.
Bytes MutateSeed(const std::vector<Bytes>& seeds, bool text, FuzzRandom& random, std::string& how);
