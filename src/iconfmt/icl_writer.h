// Writing icon libraries (.icl): 16-bit NE modules that hold only icon resources.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconfmt/icon_model.h"

namespace gd {

inline constexpr std::size_t kMaxLibraryGroups = 1000;
inline constexpr std::size_t kMaxLibraryImages = 1000;
// A group of this name (compared with case) is left out of the library altogether.
inline constexpr char kDeletedGroupName[] = "#del#";

// The alignment shift for resource data that ends at position endOfData when unaligned:
// 0 up to 65535, else the smallest S with 65535 << S reaching it. Nothing beyond 16-bit shifts.
std::optional<std::uint16_t> LibraryAlignmentShift(std::uint64_t endOfData);

// The library file. Nothing when more than kMaxLibraryGroups groups or kMaxLibraryImages images
// would be written, a name is longer than 255 characters, or an offset or length does not fit
// its 16-bit resource-table word.
std::optional<std::vector<std::uint8_t>> EncodeIconLibrary(std::span<const IconGroup> groups);

bool WriteIconLibrary(const std::string& path, std::span<const IconGroup> groups);

}  // namespace gd
