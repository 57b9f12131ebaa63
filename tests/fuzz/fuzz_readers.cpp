#include "fuzz_readers.h"

std::vector<FuzzReader> FuzzReaders() {
  std::vector<FuzzReader> readers;
  for (const auto& group :
       {MacroFileReaders(), ProfileFileReaders(), HeadsetFileReaders(), SetupFileReaders(), DeviceReplyReaders()})
    readers.insert(readers.end(), group.begin(), group.end());
  return readers;
}
