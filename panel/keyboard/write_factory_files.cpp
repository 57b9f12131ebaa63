// Build tool, compiled for the build machine: writes the keyboard's factory profiles into the
// folder named on the command line.
#include <cstdio>
#include <string>

#include "keyboard_factory_data.h"

namespace {
// The profile file header: magic 0x55AA (stored AA 55), reserved word, kind 1 (keyboard), 10 reserved.
constexpr unsigned char kKeyboardProfileHeader[16] = {0xAA, 0x55, 0, 0, 1, 0};
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  for (const KeyboardFactoryFile& file : KeyboardFactoryFiles()) {
    const std::string path = std::string(argv[1]) + "/" + file.name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return 1;
    const bool written = std::fwrite(kKeyboardProfileHeader, 1, sizeof kKeyboardProfileHeader, out) ==
                             sizeof kKeyboardProfileHeader &&
                         std::fwrite(file.payload.data(), 1, file.payload.size(), out) == file.payload.size();
    if (std::fclose(out) != 0 || !written) return 1;
  }
  return 0;
}
