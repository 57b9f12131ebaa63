// Prints the Windows family code, version code and service pack as the setup program sees them.
#include <cstdio>

#include "version_info_mgr.h"

int main() {
  int family = -2, code = -2, servicePack = -2;
  const int result =
      VERSIONINFO_MGR::CVersionInfoMgr().GetWindowsVersion(&family, &code, &servicePack);
  std::printf("%d %d 0x%x %d", result, family, code, servicePack);
  return 0;
}
