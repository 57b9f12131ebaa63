#pragma once
#include <windows.h>

#include <string>

// Names and folders of the installation, filled once from the setup file's path.
struct _APPLICATION_FOLDER_PATH {
  std::wstring SourceFolderPath;
  std::wstring SourceAppFileName;
  std::wstring DefaultInstallFolderName;
  std::wstring SpareName;
  std::wstring PublisherName;
  std::wstring ProductDisplayName;
  std::wstring SourceFolderFullPath;   // the setup file's folder with its last backslash
  std::wstring InstallFolderFullPath;  // where the uninstaller goes, with a trailing backslash
  std::wstring UninstallerName;
  std::wstring SystemX86Folder;
  std::wstring NativeSystemFolder;
  std::wstring ProgramFilesFolder;
};

namespace INSTALL_MGR {

// The Windows uninstall entry; the value names equal the field names.
struct _REG_UNINSTALL_INFO {
  std::wstring SubKey;  // under HKEY_LOCAL_MACHINE
  std::wstring DisplayName;
  std::wstring UninstallString;
  std::wstring DisplayIcon;
  std::wstring DisplayVersion;
  std::wstring Publisher;
  DWORD EstimatedSize = 0;
};

}  // namespace INSTALL_MGR
