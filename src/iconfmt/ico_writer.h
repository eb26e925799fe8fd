// Writing one icon group as an .ico or .cur file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconfmt/icon_model.h"

namespace gd {

enum class IconFileType : std::uint16_t { Icon = 1, Cursor = 2 };

// The text the user interface shows when asked to write a type other than icon or cursor.
inline constexpr char kFormatNotSupportedText[] = "Format not currently supported.";

// The file bytes: header, one directory entry per image taken from the image's header, then
// the image bytes as held, in order. Nothing for an empty group, more than 65535 images or a
// file that would pass 4 GiB.
std::optional<std::vector<std::uint8_t>> EncodeIconFile(const IconGroup& group, IconFileType type);

// The path with ".ico" (icon) or ".cur" (cursor) appended unless it already ends so.
std::string IconFilePath(const std::string& path, IconFileType type);

enum class WriteIconResult { Written, UnsupportedType, Failed };

// Writes groups[groupIndex]; type is the stored type word, 1 for an icon and 2 for a cursor.
WriteIconResult WriteIconFile(const std::string& path, std::span<const IconGroup> groups,
                              std::size_t groupIndex, int type);

}  // namespace gd
