// Writing what the browser shows: one group as an .ico file, chosen groups as a new library.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "glintview/browsed_file.h"

namespace gd::glintview {

struct WriteResult {
  bool written = false;
  std::string status;  // what was written where, or why nothing was
};

// The name offered for saving a group: the file's title and the group's label.
std::string ProposedIconName(const BrowsedFile& file, std::size_t group);

// Writes group `group` as an icon file at `path` (".ico" added when missing). Animation steps
// whose frame is missing hold no image and are left out.
WriteResult SaveGroupAsIcon(const BrowsedFile& file, std::size_t group, const std::string& path);

// Writes the chosen groups, in the file's order, as a new icon library at `path`, named after
// the library as the program's library builder names them. Groups without an image are left out.
WriteResult GatherIntoLibrary(const BrowsedFile& file, std::span<const std::size_t> groups, const std::string& path);

}  // namespace gd::glintview
