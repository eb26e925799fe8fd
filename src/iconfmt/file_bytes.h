// Whole-file reading and writing for the icon readers and writers, which parse from memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gd {

// Files larger than this are not icon sources; refusing them keeps reads bounded.
inline constexpr std::uint64_t kMaxIconSourceBytes = 512ull << 20;

// The whole file, or nothing when it cannot be opened or read or is larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::uint64_t maxBytes = kMaxIconSourceBytes);

// Creates (or replaces) the file with exactly these bytes. False when it cannot be created or a
// write falls short; a partly written file is removed.
bool WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace gd
