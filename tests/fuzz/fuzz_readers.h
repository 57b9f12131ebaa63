#pragma once
#include <vector>

#include "fuzz_run.h"

// Every reader of outside bytes, each fed from its own seed folder.
std::vector<FuzzReader> FuzzReaders();
std::vector<FuzzReader> MacroFileReaders();
std::vector<FuzzReader> ProfileFileReaders();
std::vector<FuzzReader> HeadsetFileReaders();
std::vector<FuzzReader> SetupFileReaders();
std::vector<FuzzReader> DeviceReplyReaders();
