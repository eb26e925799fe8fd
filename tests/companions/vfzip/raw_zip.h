// Writes zip archives byte by byte, so that tests can make the hostile archives that a
// well-behaved zip library refuses to write: climbing names, links, lying sizes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gd::test {

struct RawEntry {
  std::string name;              // stored exactly as given
  std::string data;              // the bytes as stored (already compressed for method 8)
  std::uint16_t method = 0;      // 0 stored, 8 deflated
  std::uint16_t flags = 0;       // general purpose bits: 1 encrypted, 0x800 UTF-8 name
  std::uint32_t crc = 0;
  std::uint32_t size = 0;        // the uncompressed size that the headers declare
  std::uint16_t made_by = 20;    // high byte: 0 DOS, 3 Unix, 10 NTFS
  std::uint32_t external_attributes = 0;
};

std::uint32_t Crc32(const std::string& bytes);

// A stored entry with its true size and CRC.
RawEntry StoredEntry(const std::string& name, const std::string& content);

// An entry that claims declared_size bytes but holds inflate_size zero bytes, deflated: a zip
// bomb that stays small on disk.
RawEntry ZeroBombEntry(const std::string& name, std::uint32_t declared_size,
                       std::uint64_t inflate_size);

// The archive's bytes: local headers with data, the central directory and its end record.
std::string BuildZip(const std::vector<RawEntry>& entries);

}  // namespace gd::test
