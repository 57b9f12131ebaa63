#pragma once
#include <string>

#include "device_id_mgr.h"
#include "install_mgr.h"
#include "install_records.h"
#include "vcl.h"
#include "version_info_mgr.h"

// Cleared by "-NOREG" on the command line: the uninstaller is installed without its entry.
extern bool RegisterUninstallInfo;

void FillApplicationFolderPath(const std::wstring& setupFile, _APPLICATION_FOLDER_PATH& paths);

// The hidden main form: prepares the installation and the device-id groups, starts the install
// thread and ends the program when the thread reports that it has finished. A close that comes
// while the thread runs waits for that report: the program never ends in the middle of a step.
class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner);

  void FormCreate(TObject* sender);
  int LoadDeviceIdGroup(DEVICEID_MGR::CDeviceIdMgr& group, const std::wstring& groupName,
                        const std::wstring& sectionName, const std::wstring& fileName);

  // The install thread's work.
  void RunInstallSequence();
  int InstallDriverStep();
  int InstallServiceStep();
  int InstallUninstallerStep();
  int InstallWindowPatchStep();
  int ExtractWindowPatch();
  int CheckWindowsUpdateStep();

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool PrepareInstallation();
  // The uninstaller's full path, unquoted.
  std::wstring UninstallerPath() const;
  void CreateInstallFolder();
  void PauseBeforeUpdateCheck();
  void SignalInstalled();

  int Is64BitOsCopy = 0;
  int Is64BitOs = 0;
  std::wstring AppFileVersion;
  int WindowsFamily = 0;
  int WindowsVersionCode = 0;
  int ServicePackMajor = 0;
  std::wstring SpareText;
  DEVICEID_MGR::CDeviceIdMgr UsbDeviceIds;
  DEVICEID_MGR::CDeviceIdMgr HidDeviceIds;
  DEVICEID_MGR::CDeviceIdMgr AudioDeviceIds;
  DEVICEID_MGR::CDeviceIdMgr HidSymDeviceIds;
  INSTALL_MGR::CInstallMgr InstallMgr;
  VERSIONINFO_MGR::CVersionInfoMgr VersionInfoMgr;
  _APPLICATION_FOLDER_PATH AppFolderPath;
  INSTALL_MGR::_REG_UNINSTALL_INFO RegUninstallInfo;
  // False after a failed preparation: then no install thread starts, since the program ends at
  // once and would cut a step short.
  bool Prepared = false;
  // From the thread's start until its report; read and written on the window thread only.
  bool InstallRunning = false;
};

DWORD WINAPI InstallThreadProc(LPVOID form);

typedef HANDLE(WINAPI* ThreadStarter)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID,
                                      DWORD, LPDWORD);
// Starts the install thread for the form's window with `start` (CreateThread). When it cannot
// start, the failure is broadcast and the window is told that the install has ended, so that the
// program still ends (the panel waits for it without limit); false then.
bool StartInstallThread(HWND form, LPTHREAD_START_ROUTINE procedure, LPVOID parameter,
                        ThreadStarter start);
