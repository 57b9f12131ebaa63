// Build tool, compiled for the build machine: writes the mouse's factory files into the folder
// named on the command line.
#include <cstdio>
#include <string>

#include "mouse_factory_data.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  for (const MouseFactoryFile& file : MouseFactoryFiles()) {
    const std::string path = std::string(argv[1]) + "/" + file.name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return 1;
    const bool written = std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size();
    if (std::fclose(out) != 0 || !written) return 1;
  }
  return 0;
}
