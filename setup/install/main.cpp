#include <windows.h>

#include <string>

#include "diagnostics.h"
#include "UMainForm.h"
#include "system_library.h"
#include "text_decoding.h"
#include "vcl.h"

namespace {

// Every argument goes to the debugger output; "-NOREG" in any case and position keeps the
// uninstall entry from being written.
void ReadArguments() {
  for (int i = 0; i <= ParamCount(); ++i) {
    const std::wstring argument = ParamStr(i);
    DebugPrintf(L"ParamStr(%d) = %s\n", i, argument.c_str());
    if (REGINI_MGR::UpperCaseCLocale(argument) == L"-NOREG") RegisterUninstallInfo = false;
  }
}

std::wstring ProgramName() {
  std::wstring name = Application->ExeName();
  name = name.substr(name.rfind(L'\\') + 1);
  return name.substr(0, name.rfind(L'.'));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RestrictDllSearchToSystemFolder();
  TApplication application;
  Application = &application;
  try {
    if (ParamCount() == 0) {
      MessageBoxW(nullptr, L"Please running the Toklin program!", ProgramName().c_str(), MB_OK);
      return 0;
    }
    ReadArguments();
    Application->Initialize();
    Application->MainFormOnTaskBar = true;
    Application->Title = L"Orvel Audio Setup";
    TMainForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    Application->ShowMainForm = false;
    Application->Run();
  } catch (const Exception& error) {
    Application->ShowException(error);
  } catch (...) {
    Application->ShowException(Exception(L""));
  }
  return 0;
}
