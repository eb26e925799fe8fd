// The Windows version codes that many rules of the program depend on.
#pragma once

namespace gd {

// The Windows versions the program tells apart, with the codes the console tool takes; the
// 95 family (95, 98, Me) comes before the NT family (NT 4.0, 2000, XP).
enum class Os : int {
  Unknown = 0,
  Windows95 = 1,
  Windows98 = 2,
  WindowsMe = 3,
  WindowsNt4 = 4,
  Windows2000 = 5,
  WindowsXp = 6,
};

// Platform identifiers of the version information (VER_PLATFORM_WIN32_WINDOWS, _NT).
inline constexpr unsigned kPlatformWindows95Family = 1;
inline constexpr unsigned kPlatformNtFamily = 2;

Os OsVersionCode(unsigned platformId, unsigned major, unsigned minor);

// The code of the running system (Windows only).
Os GetOsVersion();

}  // namespace gd
