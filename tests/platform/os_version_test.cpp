// The Windows version numbering.
#include <gtest/gtest.h>

#include "platform/os_version.h"

namespace gd {
namespace {

struct VersionCase {
  unsigned platform, major, minor;
  int code;
};

TEST(OsVersionCode, FollowsTheVersionTable) {
  const VersionCase cases[] = {
      {1, 4, 0, os::kWindows95},    {1, 4, 3, os::kWindows95},   {1, 4, 10, os::kWindows98},
      {1, 4, 89, os::kWindows98},   {1, 4, 90, os::kWindowsMe},  {1, 4, 91, os::kWindows98},
      {2, 4, 0, os::kWindowsNt4},   {2, 5, 0, os::kWindows2000}, {2, 5, 1, os::kWindowsXp},
      {2, 5, 2, os::kWindows2000},  // Server 2003
      {2, 6, 0, os::kWindowsNt4},   // Vista: not 5.x
      {2, 6, 1, os::kWindowsNt4},   {2, 10, 0, os::kWindowsNt4}, {0, 5, 1, os::kUnknown},
      {3, 5, 1, os::kUnknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OsVersionCode(c.platform, c.major, c.minor), c.code)
        << c.platform << " " << c.major << "." << c.minor;
  }
}

}  // namespace
}  // namespace gd
