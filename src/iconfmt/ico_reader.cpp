// Reading .ico and .cur files: a 6-byte header, 16-byte directory entries, image bytes.
#include "iconfmt/ico_reader.h"

#include "iconfmt/byte_reader.h"
#include "iconfmt/file_bytes.h"

namespace gd {

std::optional<IconFile> ReadIcoBytes(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  std::uint16_t reserved = reader.U16();
  std::uint16_t type = reader.U16();
  std::uint16_t count = reader.U16();
  if (!reader.ok() || reserved != 0 || count == 0 || (type != 1 && type != 2)) return std::nullopt;
  if (!reader.Contains(6, 16ull * count)) return std::nullopt;

  LoadBudget budget;
  IconGroup group;
  group.images.reserve(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    // Width, height, colours and planes/hotspot in the entry are not trusted: the header wins.
    reader.Seek(6 + 16ull * i + 8);
    std::uint32_t length = reader.U32();
    std::uint32_t offset = reader.U32();
    reader.Seek(offset);
    auto bytes = reader.Bytes(length);
    if (!reader.ok() || !budget.Take(length)) return std::nullopt;
    auto image = MakeImage(bytes);
    if (!image) return std::nullopt;
    group.images.push_back(std::move(*image));
  }
  IconFile file;
  file.groups.push_back(std::move(group));
  return file;
}

std::optional<IconFile> ReadIcoFile(const std::string& path) {
  auto data = ReadFileBytes(path);
  if (!data) return std::nullopt;
  return ReadIcoBytes(*data);
}

}  // namespace gd
