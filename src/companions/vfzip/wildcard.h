// File name patterns with "*" and "?", compared the way Windows compares file names.
#pragma once

#include <string_view>

namespace gd::vfzip {

// "*" matches any run of characters, "?" one character; letters compare without regard to
// case. As on Windows, a pattern ending in ".*" also matches a name without a dot, so "*.*"
// matches every name.
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace gd::vfzip
