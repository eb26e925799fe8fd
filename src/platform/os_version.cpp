// Numbering of Windows versions from the platform's version information.
#include "platform/os_version.h"

namespace gd {

int OsVersionCode(unsigned platformId, unsigned major, unsigned minor) {
  if (platformId == kPlatformWindows95Family) {
    if (minor < 10) return os::kWindows95;
    if (minor == 90) return os::kWindowsMe;
    return os::kWindows98;
  }
  if (platformId == kPlatformNtFamily) {
    // Every NT that is not 5.x (NT 4.0, but also Vista and later) is treated as NT 4.0.
    if (major != 5) return os::kWindowsNt4;
    return minor == 1 ? os::kWindowsXp : os::kWindows2000;
  }
  return os::kUnknown;
}

}  // namespace gd
