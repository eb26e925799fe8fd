// Zip archives written byte by byte, so that tests can make the hostile archives that a
// well-behaved zip library refuses to write: climbing names, links, lying sizes.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gd::test {

struct RawEntry {
  std::string name, data;        // the name as given, the bytes as stored (deflated for method 8)
  std::uint32_t size = 0, crc = 0;  // the uncompressed size and CRC that the headers declare
  std::uint16_t method = 0;      // 0 stored, 8 deflated
  std::uint16_t flags = 0;       // general purpose bits: 1 encrypted, 0x800 UTF-8 name
  std::uint16_t madeBy = 20;     // high byte: 0 DOS, 3 Unix, 10 NTFS
  std::uint32_t attributes = 0;
};

inline std::uint32_t Crc(const std::string& bytes, std::uint32_t crc = 0) {
  return static_cast<std::uint32_t>(crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}
// A stored entry with its true size and CRC.
inline RawEntry Stored(const std::string& name, const std::string& content) {
  return {name, content, static_cast<std::uint32_t>(content.size()), Crc(content)};
}
// An entry that declares `declared` bytes but inflates to `real` zero bytes: a small zip bomb.
inline RawEntry ZeroBomb(const std::string& name, std::uint32_t declared, std::size_t real) {
  const std::string zeros(real, '\0');
  uLongf size = compressBound(static_cast<uLong>(real));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(zeros.data()), real, 9);
  return {name, packed.substr(2, size - 6), declared, Crc(zeros), 8};  // raw deflate: no zlib header and check
}

// Local headers with the data, the central directory and its end record.
inline std::string BuildZip(const std::vector<RawEntry>& entries) {
  using Fields = std::initializer_list<std::pair<std::uint32_t, int>>;  // value, bytes
  auto put = [](std::string& out, Fields fields) {
    for (auto [value, size] : fields) for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i));
  };
  std::string out, central;
  for (const RawEntry& e : entries) {
    // Both headers: version 2.0, flags, method, 12:00 on 1 January 2025, CRC, sizes, name length.
    const Fields common = {{20, 2}, {e.flags, 2}, {e.method, 2}, {0x6000, 2}, {0x5A21, 2}, {e.crc, 4},
                           {std::uint32_t(e.data.size()), 4}, {e.size, 4}, {std::uint32_t(e.name.size()), 2}, {0, 2}};
    put(central, {{0x02014B50, 4}, {e.madeBy, 2}});
    put(central, common);
    put(central, {{0, 2}, {0, 2}, {0, 2}, {e.attributes, 4}, {std::uint32_t(out.size()), 4}});
    central += e.name;
    put(out, {{0x04034B50, 4}});
    put(out, common);
    out += e.name + e.data;
  }
  const auto count = static_cast<std::uint32_t>(entries.size());
  const auto start = static_cast<std::uint32_t>(out.size());
  out += central;
  put(out, {{0x06054B50, 4}, {0, 4}, {count, 2}, {count, 2}, {std::uint32_t(central.size()), 4}, {start, 4}, {0, 2}});
  return out;
}

}  // namespace gd::test
