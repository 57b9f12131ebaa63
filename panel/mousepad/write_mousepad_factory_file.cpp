// Build tool, compiled for the build machine: writes the mouse pad's factory light profile into the
// folder named on the command line.
#include <cstdio>
#include <string>

#include "mousepad_factory_data.h"

namespace {
// The profile file header: magic 0x55AA (stored AA 55), reserved word, kind 3 (mouse pad), 10 reserved.
constexpr unsigned char kMousePadProfileHeader[16] = {0xAA, 0x55, 0, 0, 3, 0};
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string path = std::string(argv[1]) + "/mpdengdefault.led";
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return 1;
  const bool written =
      std::fwrite(kMousePadProfileHeader, 1, sizeof kMousePadProfileHeader, out) == sizeof kMousePadProfileHeader &&
      std::fwrite(MOUSEPAD_FACTORY_BLOCK.data(), 1, MOUSEPAD_FACTORY_BLOCK.size(), out) == MOUSEPAD_FACTORY_BLOCK.size();
  return std::fclose(out) != 0 || !written ? 1 : 0;
}
