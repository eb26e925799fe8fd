// Reading icon groups from 16-bit NE modules, which is what icon libraries (.icl) are.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "iconfmt/icon_model.h"

namespace gd {

// All groups (index -1) or the one group at index, counted among the group-icon entries of the
// resource table in file order. With readNames (index -1 only) the names stored after the type
// blocks, except the module name "ICL", name the groups in order.
std::optional<IconFile> ReadLibraryIconsFromBytes(std::span<const std::uint8_t> data, int index, bool readNames);
std::optional<IconFile> ReadLibraryIcons(const std::string& path, int index, bool readNames);

}  // namespace gd
