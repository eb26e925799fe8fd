// The running system's version code, from GetVersionExA.
#include <windows.h>

#include "platform/os_version.h"

namespace gd {

Os GetOsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return Os::Unknown;
  return OsVersionCode(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

}  // namespace gd
