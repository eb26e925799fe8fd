// The zip byte layout for test archives: local headers, central directory, end record.
#include "companions/vfzip/raw_zip.h"

#include <zlib.h>

namespace gd::test {
namespace {

constexpr std::uint16_t kDosTime = 0x6000;  // 12:00:00
constexpr std::uint16_t kDosDate = 0x5A21;  // 2025-01-01

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::uint32_t Crc32(const std::string& bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
  return static_cast<std::uint32_t>(crc);
}

RawEntry StoredEntry(const std::string& name, const std::string& content) {
  RawEntry entry;
  entry.name = name;
  entry.data = content;
  entry.crc = Crc32(content);
  entry.size = static_cast<std::uint32_t>(content.size());
  return entry;
}

RawEntry ZeroBombEntry(const std::string& name, std::uint32_t declared_size,
                       std::uint64_t inflate_size) {
  RawEntry entry;
  entry.name = name;
  entry.method = 8;
  entry.size = declared_size;
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  std::string zeros(1 << 20, '\0');
  std::string chunk(1 << 16, '\0');
  uLong crc = crc32(0L, Z_NULL, 0);
  std::uint64_t left = inflate_size;
  int flush = Z_NO_FLUSH;
  do {
    const uInt take = static_cast<uInt>(left < zeros.size() ? left : zeros.size());
    left -= take;
    flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    crc = crc32(crc, reinterpret_cast<const Bytef*>(zeros.data()), take);
    stream.next_in = reinterpret_cast<Bytef*>(zeros.data());
    stream.avail_in = take;
    do {
      stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
      stream.avail_out = static_cast<uInt>(chunk.size());
      deflate(&stream, flush);
      entry.data.append(chunk.data(), chunk.size() - stream.avail_out);
    } while (stream.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&stream);
  entry.crc = static_cast<std::uint32_t>(crc);  // the CRC of what it really holds
  return entry;
}

std::string BuildZip(const std::vector<RawEntry>& entries) {
  std::string out;
  std::string central;
  for (const RawEntry& entry : entries) {
    const auto offset = static_cast<std::uint32_t>(out.size());
    const auto name_length = static_cast<std::uint32_t>(entry.name.size());
    const auto data_length = static_cast<std::uint32_t>(entry.data.size());
    Put32(out, 0x04034B50);
    Put16(out, 20);
    Put16(out, entry.flags);
    Put16(out, entry.method);
    Put16(out, kDosTime);
    Put16(out, kDosDate);
    Put32(out, entry.crc);
    Put32(out, data_length);
    Put32(out, entry.size);
    Put16(out, name_length);
    Put16(out, 0);
    out += entry.name;
    out += entry.data;

    Put32(central, 0x02014B50);
    Put16(central, entry.made_by);
    Put16(central, 20);
    Put16(central, entry.flags);
    Put16(central, entry.method);
    Put16(central, kDosTime);
    Put16(central, kDosDate);
    Put32(central, entry.crc);
    Put32(central, data_length);
    Put32(central, entry.size);
    Put16(central, name_length);
    Put16(central, 0);  // extra field
    Put16(central, 0);  // comment
    Put16(central, 0);  // disk
    Put16(central, 0);  // internal attributes
    Put32(central, entry.external_attributes);
    Put32(central, offset);
    central += entry.name;
  }
  const auto central_offset = static_cast<std::uint32_t>(out.size());
  out += central;
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put32(out, static_cast<std::uint32_t>(central.size()));
  Put32(out, central_offset);
  Put16(out, 0);
  return out;
}

}  // namespace gd::test
