// Writing .ico and .cur files from an icon group, byte for byte.
#include "iconfmt/ico_writer.h"

#include "iconfmt/byte_writer.h"
#include "iconfmt/file_bytes.h"
#include "platform/text_case.h"

namespace gd {

std::optional<std::vector<std::uint8_t>> EncodeIconFile(const IconGroup& group, IconFileType type) {
  const std::size_t count = group.images.size();
  if (count == 0 || count > 0xFFFF) return std::nullopt;
  std::uint64_t total = 6 + 16ull * count;
  for (const IconImage& image : group.images) total += image.bytes.size();
  if (total > 0xFFFFFFFFull) return std::nullopt;

  Bytes out;
  out.reserve(static_cast<std::size_t>(total));
  PutU16(out, 0);
  PutU16(out, static_cast<std::uint16_t>(type));
  PutU16(out, static_cast<std::uint16_t>(count));
  auto offset = static_cast<std::uint32_t>(6 + 16 * count);
  for (const IconImage& image : group.images) {
    const BitmapHeader& h = image.header;
    unsigned depth = static_cast<unsigned>(h.planes) * h.bitCount;
    PutU8(out, static_cast<std::uint8_t>(h.width));
    PutU8(out, static_cast<std::uint8_t>(h.height / 2));
    PutU8(out, static_cast<std::uint8_t>(depth < 8 ? 1u << depth : 0u));
    PutU8(out, 0);
    PutU16(out, h.planes);
    PutU16(out, h.bitCount);
    PutU32(out, image.size());
    PutU32(out, offset);
    offset += image.size();
  }
  for (const IconImage& image : group.images) PutBytes(out, image.bytes);
  return out;
}

std::string IconFilePath(const std::string& path, IconFileType type) {
  const char* extension = type == IconFileType::Icon ? ".ico" : ".cur";
  return EndsWithIgnoreCase(path, extension) ? path : path + extension;
}

WriteIconResult WriteIconFile(const std::string& path, std::span<const IconGroup> groups,
                              std::size_t groupIndex, int type) {
  if (type != 1 && type != 2) return WriteIconResult::UnsupportedType;
  if (groupIndex >= groups.size()) return WriteIconResult::Failed;
  auto fileType = static_cast<IconFileType>(type);
  auto bytes = EncodeIconFile(groups[groupIndex], fileType);
  if (!bytes || !WriteFileBytes(IconFilePath(path, fileType), *bytes)) return WriteIconResult::Failed;
  return WriteIconResult::Written;
}

}  // namespace gd
