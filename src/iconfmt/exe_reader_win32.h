// Reading icon groups from 32-bit executables and libraries through the system loader.
#pragma once

#include <optional>
#include <string>

#include "iconfmt/icon_model.h"

namespace gd {

// All icon groups (index -1) or the one at index, in the order that the loader enumerates the
// RT_GROUP_ICON resources; resourceNames lists every group's name ("#%d" for integer ids).
// Nothing for files the loader refuses (16-bit modules, icon files, missing files), files
// without icon groups, indexes outside the list, and groups whose images are missing.
std::optional<IconFile> ReadExecutableIcons(const std::string& path, int index);

}  // namespace gd
