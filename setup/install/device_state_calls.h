#pragma once
#include <windows.h>

#include <setupapi.h>

// The SetupAPI calls that disable and enable a device, and the pause between them. Tests put
// recording stand-ins here: under Wine the class installer's property change cannot run.
struct DeviceStateCalls {
  BOOL(WINAPI* SetClassInstallParams)(HDEVINFO, PSP_DEVINFO_DATA, PSP_CLASSINSTALL_HEADER, DWORD);
  BOOL(WINAPI* CallClassInstaller)(DI_FUNCTION, HDEVINFO, PSP_DEVINFO_DATA);
  BOOL(WINAPI* GetDeviceInstallParams)(HDEVINFO, PSP_DEVINFO_DATA, PSP_DEVINSTALL_PARAMS_W);
  void(WINAPI* Pause)(DWORD milliseconds);
};

extern const DeviceStateCalls kSetupApiDeviceState;
