// Little-endian appending and patching of the byte vectors that the icon writers produce.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gd {

using Bytes = std::vector<std::uint8_t>;

inline void PutU8(Bytes& out, std::uint8_t value) { out.push_back(value); }

inline void PutU16(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, static_cast<std::uint16_t>(value));
  PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void PutText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

inline void PutBytes(Bytes& out, std::span<const std::uint8_t> bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

inline void PutZeros(Bytes& out, std::size_t count) { out.insert(out.end(), count, 0); }

// Overwrites a 16-bit value that an earlier Put reserved at position.
inline void PatchU16(Bytes& out, std::size_t position, std::uint16_t value) {
  out.at(position) = static_cast<std::uint8_t>(value);
  out.at(position + 1) = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace gd
