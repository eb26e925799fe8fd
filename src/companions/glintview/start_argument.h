// The one argument Glintview takes: an icon reference "file,index" naming what to open.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gd::glintview {

struct IconRef {
  std::string path;
  int index = 0;
};

// The command line after the program's name, taken whole so that a path with blanks needs no
// quotes. The index follows the last comma, 0 when there is none; nothing for a blank line.
std::optional<IconRef> ParseStartArgument(std::string_view commandTail);

}  // namespace gd::glintview
