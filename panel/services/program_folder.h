#pragma once
#include <string>

// The folder of the running program, with its trailing backslash: where the skin, the factory
// profile files, the setup program and the audio configuration library are looked for.
std::wstring ProgramFolder();
