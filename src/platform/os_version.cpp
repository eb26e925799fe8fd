// Numbering of Windows versions from the platform's version information.
#include "platform/os_version.h"

namespace gd {

Os OsVersionCode(unsigned platformId, unsigned major, unsigned minor) {
  if (platformId == kPlatformWindows95Family) {
    if (minor < 10) return Os::Windows95;
    if (minor == 90) return Os::WindowsMe;
    return Os::Windows98;
  }
  if (platformId == kPlatformNtFamily) {
    // Every NT that is not 5.x (NT 4.0, but also Vista and later) is treated as NT 4.0.
    if (major != 5) return Os::WindowsNt4;
    return minor == 1 ? Os::WindowsXp : Os::Windows2000;
  }
  return Os::Unknown;
}

}  // namespace gd
