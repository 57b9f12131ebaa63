// Loads the audio configuration library as the panel does and writes to the file named by its
// argument whether Windows counts as Vista or later, and the full path of the library it loaded.
#include <windows.h>

#include <cstdio>
#include <string>

#include "audio_config_library.h"
#include "diagnostics.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring loadedFrom;
  if (LoadConfLib()) {
    wchar_t path[MAX_PATH * 4];
    loadedFrom.assign(path, GetModuleFileNameW(ConfLib().module(), path, ARRAYSIZE(path)));
  }
  FILE* out = _wfopen(argv[1], L"wb");
  if (!out) return 3;
  fprintf(out, "%d %s", IsVistaOrLater(), ToUtf8(loadedFrom).c_str());
  fclose(out);
  return 0;
}
