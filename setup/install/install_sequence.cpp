// The install thread: the already-installed test, the clean-up of an earlier installation and the
// five steps, each reported to all top-level windows.
#include <windows.h>

#include "UMainForm.h"
#include "diagnostics.h"
#include "install_progress.h"

namespace {

// KSCATEGORY_AUDIO; handed to the device list together with "all classes".
const GUID kAudioCategory = {
    0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
// The length of "USB\VID_2B9E&PID_73XX&REV_0100&MI_00".
const size_t kAudioHardwareIdLength = 36;
const wchar_t kServiceName[] = L"Brisov";
const DWORD kCustomServiceControl = 128;

void CleanUpEarlierInstallation(INSTALL_MGR::CInstallMgr& installMgr,
                                const DEVICEID_MGR::CDeviceIdMgr& audioDeviceIds) {
  INSTALL_MGR::ControlServiceByName(kServiceName, 0);
  INSTALL_MGR::ControlServiceByName(kServiceName, kCustomServiceControl);
  INSTALL_MGR::ControlServiceByName(kServiceName, SERVICE_CONTROL_STOP);
  Sleep(1000);
  installMgr.RunServiceProgram(kServiceName, L"/UnregServer");
  installMgr.RunServiceProgram(kServiceName, L"/silent /uninstall");
  installMgr.RemoveFilterAndRestart(kAudioCategory, kAudioHardwareIdLength, audioDeviceIds,
                                    L"Vaskel", SPDRP_LOWERFILTERS);
}

}  // namespace

bool StartInstallThread(HWND form, LPTHREAD_START_ROUTINE procedure, LPVOID parameter,
                        ThreadStarter start) {
  HANDLE thread = start(nullptr, 0, procedure, parameter, 0, nullptr);
  if (thread) {
    CloseHandle(thread);
    return true;
  }
  DebugPrintf(L"***** The install thread cannot start: error %lu *****\n", GetLastError());
  // Reported as the first step failing: no step could run.
  BroadcastInstallProgress(INSTALL_PROGRESS_FAILED + 1);
  PostMessageW(form, WM_INSTALL_FINISHED, 0, 0);
  return false;
}

DWORD WINAPI InstallThreadProc(LPVOID parameter) {
  auto* form = static_cast<TMainForm*>(parameter);
  form->RunInstallSequence();
  Sleep(500);
  PostMessageW(form->Handle(), WM_INSTALL_FINISHED, 0, 0);
  return 0;
}

void TMainForm::RunInstallSequence() {
  if (InstallMgr.RegistryKeyExists(RegUninstallInfo.SubKey) == 1) {
    BroadcastInstallProgress(INSTALL_PROGRESS_ALREADY_INSTALLED);
    return;
  }
  BroadcastInstallProgress(INSTALL_PROGRESS_STARTED);
  CleanUpEarlierInstallation(InstallMgr, AudioDeviceIds);

  struct Step {
    int (TMainForm::*run)();
    void (TMainForm::*after)();
  };
  const Step steps[] = {
      {&TMainForm::InstallDriverStep, nullptr},
      {&TMainForm::InstallServiceStep, &TMainForm::CreateInstallFolder},
      {&TMainForm::InstallUninstallerStep, nullptr},
      {&TMainForm::InstallWindowPatchStep, &TMainForm::PauseBeforeUpdateCheck},
      {&TMainForm::CheckWindowsUpdateStep, &TMainForm::SignalInstalled},
  };
  DWORD number = 1;
  for (const Step& step : steps) {
    if ((this->*step.run)() != 0) {
      BroadcastInstallProgress(INSTALL_PROGRESS_FAILED + number);
      return;
    }
    BroadcastInstallProgress(number++);
    if (step.after) (this->*step.after)();
  }
}

void TMainForm::CreateInstallFolder() {
  CreateDirectoryW(AppFolderPath.InstallFolderFullPath.c_str(), nullptr);
}

void TMainForm::PauseBeforeUpdateCheck() { Sleep(1000); }

void TMainForm::SignalInstalled() { Beep(500, 100); }

int TMainForm::InstallDriverStep() {
  return InstallMgr.InstallDriver(L"Vaskel", Is64BitOs ? 103 : 102, L"DRIVER") == 0 ? 0
                                                                                    : 0x80000101;
}

int TMainForm::InstallServiceStep() {
  return InstallMgr.InstallService(kServiceName, Is64BitOs ? 106 : 105, L"Service", L"/Service") ==
                 0
             ? 0
             : 0x80000201;
}

int TMainForm::InstallUninstallerStep() {
  return InstallMgr.InstallUninstaller(108, L"UNINSTALL", UninstallerPath(),
                                       RegisterUninstallInfo ? &RegUninstallInfo : nullptr) == 0
             ? 0
             : 0x80000401;
}

int TMainForm::ExtractWindowPatch() {
  return InstallMgr.WriteWindowPatchFile(110, L"WindowPatch") == 0 ? 0 : 0x80000701;
}

int TMainForm::InstallWindowPatchStep() { return ExtractWindowPatch() == 0 ? 0 : 0x80000501; }

int TMainForm::CheckWindowsUpdateStep() {
  return InstallMgr.InstallWindowPatchIfNeeded() == 0 ? 0 : 0x80000601;
}
