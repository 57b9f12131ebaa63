#include "mutator.h"

#include <algorithm>
#include <functional>

namespace {

constexpr size_t kLongestRun = 5000;
constexpr size_t kLongestLine = 70000;

size_t Position(const Bytes& bytes, FuzzRandom& random) { return random.Below(bytes.size() + 1); }

// A chunk [begin, end) of the input, at most a quarter of it long (at least one byte).
std::pair<size_t, size_t> Chunk(const Bytes& bytes, FuzzRandom& random) {
  const size_t begin = random.Below(bytes.size());
  const size_t length = 1 + random.Below(std::max<size_t>(1, bytes.size() / 4));
  return {begin, std::min(bytes.size(), begin + length)};
}

void Cut(Bytes& bytes, FuzzRandom& random) { bytes.resize(random.Below(bytes.size())); }

void FlipBits(Bytes& bytes, FuzzRandom& random) {
  if (bytes.empty()) return;
  for (size_t n = 1 + random.Below(8); n > 0; --n) bytes[random.Below(bytes.size())] ^= 1u << random.Below(8);
}

// A run of one byte, written over the input or put into it; the byte is often one the input holds
// already (a bracket, a digit, a separator), which reaches further than noise.
void ByteRun(Bytes& bytes, FuzzRandom& random) {
  const uint8_t value = !bytes.empty() && random.OneIn(2) ? bytes[random.Below(bytes.size())]
                                                          : static_cast<uint8_t>(random.Below(256));
  const size_t length = 1 + random.Below(random.OneIn(4) ? kLongestRun : 16);
  const size_t at = Position(bytes, random);
  if (random.OneIn(2)) {
    bytes.insert(bytes.begin() + at, length, value);
  } else {
    for (size_t i = at; i < bytes.size() && i < at + length; ++i) bytes[i] = value;
  }
}

void RepeatChunk(Bytes& bytes, FuzzRandom& random) {
  if (bytes.empty()) return;
  const auto [begin, end] = Chunk(bytes, random);
  const Bytes chunk(bytes.begin() + begin, bytes.begin() + end);
  for (size_t n = 1 + random.Below(random.OneIn(8) ? 200 : 4); n > 0; --n)
    bytes.insert(bytes.begin() + end, chunk.begin(), chunk.end());
}

void DeleteChunk(Bytes& bytes, FuzzRandom& random) {
  if (bytes.empty()) return;
  const auto [begin, end] = Chunk(bytes, random);
  bytes.erase(bytes.begin() + begin, bytes.begin() + end);
}

void Splice(Bytes& bytes, const std::vector<Bytes>& seeds, FuzzRandom& random) {
  const Bytes& other = seeds[random.Below(seeds.size())];
  bytes.resize(Position(bytes, random));
  bytes.insert(bytes.end(), other.begin() + random.Below(other.size() + 1), other.end());
}

void LongLine(Bytes& bytes, FuzzRandom& random) {
  Bytes line(1 + random.Below(kLongestLine), static_cast<uint8_t>('a' + random.Below(26)));
  if (random.OneIn(2)) {
    const char* key = "0=";
    line.insert(line.begin(), key, key + 2);
  }
  line.push_back('\r');
  line.push_back('\n');
  bytes.insert(bytes.begin() + Position(bytes, random), line.begin(), line.end());
}

// A run of digits (with its sign) replaced by a number no reader expects.
void OddNumber(Bytes& bytes, FuzzRandom& random) {
  static const char* const kNumbers[] = {"-1", "-2147483648", "2147483647", "2147483648", "4294967295",
                                         "4294967296", "99999999999999999999999", "-99999999999999999999",
                                         "0", "-0", "1e309", "-1e309", "0x7fffffff", "256", "65536", "1.5"};
  std::vector<size_t> starts;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] >= '0' && bytes[i] <= '9' && (i == 0 || !(bytes[i - 1] >= '0' && bytes[i - 1] <= '9')))
      starts.push_back(i);
  if (starts.empty()) return;
  size_t begin = starts[random.Below(starts.size())];
  size_t end = begin;
  while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9') ++end;
  if (begin > 0 && bytes[begin - 1] == '-') --begin;
  const std::string number = kNumbers[random.Below(sizeof(kNumbers) / sizeof(kNumbers[0]))];
  bytes.erase(bytes.begin() + begin, bytes.begin() + end);
  bytes.insert(bytes.begin() + begin, number.begin(), number.end());
}

// The text in another encoding than its reader expects, or with bytes no encoding allows.
void WrongEncoding(Bytes& bytes, FuzzRandom& random) {
  switch (random.Below(4)) {
    case 0: {  // UTF-16, little or big endian, with or without its mark
      const bool big = random.OneIn(2);
      Bytes wide;
      if (random.OneIn(2)) wide = big ? Bytes{0xFE, 0xFF} : Bytes{0xFF, 0xFE};
      for (uint8_t byte : bytes) {
        wide.push_back(big ? 0 : byte);
        wide.push_back(big ? byte : 0);
      }
      bytes.swap(wide);
      break;
    }
    case 1:
      bytes.insert(bytes.begin(), {0xEF, 0xBB, 0xBF});
      break;
    case 2: {  // broken UTF-8 sequences
      static const Bytes kBroken[] = {{0xC3},       {0xE2, 0x82},       {0xF0, 0x9F, 0x98},
                                      {0xFF},       {0xC0, 0x80},       {0xED, 0xA0, 0x80}};
      const Bytes& broken = kBroken[random.Below(6)];
      bytes.insert(bytes.begin() + Position(bytes, random), broken.begin(), broken.end());
      break;
    }
    default:  // a mark of one encoding before text of another
      bytes.insert(bytes.begin(), {0xFF, 0xFE, 0x00, 0x00});
      break;
  }
}

// The line starts of the text's "[section]" headers.
std::vector<size_t> SectionStarts(const Bytes& bytes) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '[' && (i == 0 || bytes[i - 1] == '\n')) starts.push_back(i);
  return starts;
}

// A section (or, in text without sections, a line) repeated or left out.
void DuplicateOrDropSection(Bytes& bytes, FuzzRandom& random, bool drop) {
  std::vector<size_t> starts = SectionStarts(bytes);
  if (starts.empty()) {
    for (size_t i = 0; i < bytes.size(); ++i)
      if (i == 0 || bytes[i - 1] == '\n') starts.push_back(i);
    if (starts.empty()) return;
  }
  const size_t pick = random.Below(starts.size());
  const size_t begin = starts[pick];
  const size_t end = pick + 1 < starts.size() ? starts[pick + 1] : bytes.size();
  if (drop) {
    bytes.erase(bytes.begin() + begin, bytes.begin() + end);
  } else {
    const Bytes section(bytes.begin() + begin, bytes.begin() + end);
    bytes.insert(random.OneIn(2) ? bytes.end() : bytes.begin() + begin, section.begin(), section.end());
  }
}

}  // namespace

uint64_t FuzzRandom::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

Bytes MutateSeed(const std::vector<Bytes>& seeds, bool text, FuzzRandom& random, std::string& how) {
  struct Mutation {
    const char* name;
    std::function<void(Bytes&)> apply;
  };
  const std::vector<Mutation> binary = {
      {"cut", [&](Bytes& b) { Cut(b, random); }},
      {"bits", [&](Bytes& b) { FlipBits(b, random); }},
      {"run", [&](Bytes& b) { ByteRun(b, random); }},
      {"repeat", [&](Bytes& b) { RepeatChunk(b, random); }},
      {"delete", [&](Bytes& b) { DeleteChunk(b, random); }},
      {"splice", [&](Bytes& b) { Splice(b, seeds, random); }},
  };
  const std::vector<Mutation> textual = {
      {"line", [&](Bytes& b) { LongLine(b, random); }},
      {"number", [&](Bytes& b) { OddNumber(b, random); }},
      {"number", [&](Bytes& b) { OddNumber(b, random); }},
      {"encoding", [&](Bytes& b) { WrongEncoding(b, random); }},
      {"dupsection", [&](Bytes& b) { DuplicateOrDropSection(b, random, false); }},
      {"nosection", [&](Bytes& b) { DuplicateOrDropSection(b, random, true); }},
  };
  const size_t seed = random.Below(seeds.size());
  Bytes bytes = seeds[seed];
  how = "seed " + std::to_string(seed);
  for (size_t n = 1 + random.Below(3); n > 0; --n) {
    const bool useText = text && random.OneIn(2);
    const std::vector<Mutation>& set = useText ? textual : binary;
    const Mutation& mutation = set[random.Below(set.size())];
    mutation.apply(bytes);
    how += std::string(", ") + mutation.name;
  }
  return bytes;
}
