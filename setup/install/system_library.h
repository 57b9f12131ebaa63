#pragma once
#include <windows.h>

// The setup program runs with administrator rights from wherever it was saved, often a downloads
// folder: a DLL placed beside it must never be loaded in place of the system's own.

// Limits every later DLL search of the process to the system folder where Windows offers that,
// and takes the current folder out of the search everywhere.
void RestrictDllSearchToSystemFolder();

// The DLL loaded by its full path in the system folder (its own imports searched there first);
// null when it cannot be loaded. It stays loaded for the life of the process.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// A function of a loaded module; null when the module or the function is missing.
template <typename Proc>
Proc ModuleFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}
