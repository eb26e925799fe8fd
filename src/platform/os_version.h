// The Windows version codes that many rules of the program depend on.
#pragma once

namespace gd {

// OsVersion codes.
namespace os {
inline constexpr int kUnknown = 0;
inline constexpr int kWindows95 = 1;
inline constexpr int kWindows98 = 2;
inline constexpr int kWindowsMe = 3;
inline constexpr int kWindowsNt4 = 4;
inline constexpr int kWindows2000 = 5;
inline constexpr int kWindowsXp = 6;
}  // namespace os

// Platform identifiers of the version information (VER_PLATFORM_WIN32_WINDOWS, _NT).
inline constexpr unsigned kPlatformWindows95Family = 1;
inline constexpr unsigned kPlatformNtFamily = 2;

int OsVersionCode(unsigned platformId, unsigned major, unsigned minor);

// The code of the running system (Windows only).
int GetOsVersion();

}  // namespace gd
