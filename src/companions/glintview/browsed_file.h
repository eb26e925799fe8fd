// The icon source the browser shows: every group of one file with the label the grid gives it,
// or the status line that tells why nothing can be shown.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "iconfmt/icon_loader.h"

namespace gd::glintview {

struct BrowsedFile {
  std::string path;
  IconFile icons;
  std::vector<std::string> labels;  // one per group: its stored name, else its index
  bool animation = false;           // an animated cursor, whose one group holds its steps

  std::size_t ImageCount() const;
};

struct OpenResult {
  std::optional<BrowsedFile> file;
  std::string status;  // the file name and its counts, or why it could not be shown
};

// Reads every group of an icon, cursor, animated cursor, icon library or program file, the
// way "gdctl icon list" does. A file that holds no group is no result.
OpenResult OpenIconSource(const std::string& path, ExecutableIconReader readExecutable = SystemExecutableReader());

// "Pack.icl: 12 groups, 48 images".
std::string CountsText(const BrowsedFile& file);

}  // namespace gd::glintview
