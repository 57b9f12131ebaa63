#include "UMainForm.h"

#include "diagnostics.h"
#include "install_progress.h"

bool RegisterUninstallInfo = true;

namespace {
const wchar_t kConfigFile[] = L"AudioConfig.bin";
}

void FillApplicationFolderPath(const std::wstring& setupFile, _APPLICATION_FOLDER_PATH& paths) {
  const size_t slash = setupFile.rfind(L'\\');
  paths.SourceAppFileName = slash == std::wstring::npos ? setupFile : setupFile.substr(slash + 1);
  paths.SourceFolderFullPath =
      slash == std::wstring::npos ? std::wstring() : setupFile.substr(0, slash + 1);
  DebugPrintf(L"##### SourceAppFileName = %s\n", paths.SourceAppFileName.c_str());
  DebugPrintf(L"##### SourceFolderFullPath = %s\n", paths.SourceFolderFullPath.c_str());
  paths.SourceFolderPath = paths.SourceFolderFullPath;
  paths.DefaultInstallFolderName = L"Default Orvel USB Audio Software";
  paths.ProductDisplayName = L"Orvel USB Audio Software";
  paths.UninstallerName = L"Undrel";
  paths.PublisherName = L"Orvel";
  INSTALL_MGR::CInstallMgr folders;
  paths.SystemX86Folder = folders.GetSystemX86Folder();
  paths.NativeSystemFolder = folders.GetNativeSystemFolder();
  paths.ProgramFilesFolder = folders.GetProgramFilesFolder();
  paths.InstallFolderFullPath = paths.ProgramFilesFolder + paths.DefaultInstallFolderName + L"\\";
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner, L"Orvel 7.1 USB Audio Setup") {
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  Prepared = PrepareInstallation();
  if (!Prepared) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

bool TMainForm::PrepareInstallation() {
  const std::wstring setupFile = Application->ExeName();
  DebugLine(setupFile);
  DebugLine(L"\n");
  VersionInfoMgr.GetFileVersionString(setupFile, AppFileVersion);
  if (VERSIONINFO_MGR::CVersionInfoMgr::GetOsBits(&Is64BitOs, &Is64BitOsCopy) != 0)
    MessageBoxW(nullptr, L"***** Get GetSystemInfo FAIL! *****\n", Application->Title.c_str(),
                MB_OK);
  WindowsFamily = 2;
  if (VersionInfoMgr.GetWindowsVersion(&WindowsFamily, &WindowsVersionCode, &ServicePackMajor) != 0)
    DebugLine(L"***** Get Windows Version FAIL! *****\n");
  FillApplicationFolderPath(setupFile, AppFolderPath);

  RegUninstallInfo.SubKey =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvel73xxAudioExt";
  RegUninstallInfo.DisplayName = AppFolderPath.ProductDisplayName;
  // Windows runs it as a command line, and the path holds blanks.
  RegUninstallInfo.UninstallString = L"\"" + UninstallerPath() + L"\"";
  RegUninstallInfo.DisplayIcon = UninstallerPath();
  RegUninstallInfo.DisplayVersion = AppFileVersion;
  RegUninstallInfo.Publisher = AppFolderPath.PublisherName;
  RegUninstallInfo.EstimatedSize = 0;

  // A plain path: the panel reads it as one.
  return InstallMgr.WriteSoftwareValue(L"Orvel 73xx Software", L"UninstallFileName",
                                       UninstallerPath()) == 0 &&
         LoadDeviceIdGroup(UsbDeviceIds, L"Orvel USB DeviceId Group", L"USB_VID_PID",
                           kConfigFile) == 0 &&
         LoadDeviceIdGroup(HidDeviceIds, L"Orvel HID DeviceId Group", L"HID_VID_PID",
                           kConfigFile) == 0 &&
         LoadDeviceIdGroup(AudioDeviceIds, L"Orvel AUDIO DeviceId Group", L"AUDIO_VID_PID",
                           kConfigFile) == 0 &&
         LoadDeviceIdGroup(HidSymDeviceIds, L"Orvel HIDSYM DeviceId Group", L"HIDSYM_VID_PID",
                           kConfigFile) == 0;
}

std::wstring TMainForm::UninstallerPath() const {
  return AppFolderPath.InstallFolderFullPath + AppFolderPath.UninstallerName + L".exe";
}

int TMainForm::LoadDeviceIdGroup(DEVICEID_MGR::CDeviceIdMgr& group, const std::wstring& groupName,
                                 const std::wstring& sectionName, const std::wstring& fileName) {
  if (group.LoadFromConfig(AppFolderPath.SourceFolderFullPath + fileName, sectionName) != 0)
    return 1;
  if (group.SaveGroupToRegistry(groupName) != 0) return 2;
  return 0;
}

void TMainForm::FormCreate(TObject* /*sender*/) {
  if (!Prepared) {
    DebugLine(L"Preparation failed: the install thread is not started\n");
    return;
  }
  InstallRunning = true;
  // The window exists before the thread starts, so the thread never creates it on its own.
  StartInstallThread(Handle(), InstallThreadProc, this, CreateThread);
}

void TMainForm::WndProc(TMessage& message) {
  if (message.Msg == WM_CLOSE && InstallRunning) {
    // Closing now would free the form under the thread and end the process inside a step; the
    // thread's report ends the program anyway.
    DebugLine(L"Close during the install: the program ends when the install has finished\n");
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_INSTALL_FINISHED) {
    InstallRunning = false;
    if (HMENU menu = GetSystemMenu(Handle(), FALSE))
      EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    BroadcastInstallProgress(INSTALL_PROGRESS_FINISHED);
    PostMessageW(Handle(), WM_QUIT, 0, 0);
  }
  TForm::WndProc(message);
}
