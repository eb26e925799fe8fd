// Writing icon libraries: DOS stub, NE header, resource table, resident names, aligned data.
#include "iconfmt/icl_writer.h"

#include "iconfmt/byte_writer.h"
#include "iconfmt/file_bytes.h"

namespace gd {
namespace {

constexpr std::size_t kNeHeader = 128;
constexpr std::size_t kResourceTable = 192;
constexpr std::uint16_t kEntryFlags = 0x1C30;

void PutDosPart(Bytes& out) {
  PutText(out, "MZ");
  PutZeros(out, 58);
  PutU16(out, static_cast<std::uint16_t>(kNeHeader));
  PutZeros(out, 2 + 62);
  PutText(out, "IM");
}

void PutNeHeader(Bytes& out, std::uint16_t residentNames) {
  PutText(out, "NE");
  PutZeros(out, 32);
  PutU16(out, 0x0040);  // segment table: none
  PutU16(out, 0x0040);  // resource table right after this header
  PutU16(out, residentNames);
  PutZeros(out, 14);
  PutU8(out, 2);  // target: Windows
  PutZeros(out, 7);
  PutU16(out, 0x0300);  // expected Windows version 3.0
}

// A type block with one entry per resource; returns the position of the first entry.
std::size_t PutTypeBlock(Bytes& out, std::uint16_t type, std::size_t count) {
  PutU16(out, type);
  PutU16(out, static_cast<std::uint16_t>(count));
  PutZeros(out, 4);
  std::size_t first = out.size();
  for (std::size_t k = 1; k <= count; ++k) {
    PutU16(out, 0);  // offset and length are filled once the data is placed
    PutU16(out, 0);
    PutU16(out, kEntryFlags);
    PutU16(out, static_cast<std::uint16_t>(0x8000 + k));
    PutZeros(out, 4);
  }
  return first;
}

void PutFill(Bytes& out, std::uint16_t shift) {
  std::size_t unit = std::size_t{1} << shift;
  PutZeros(out, (unit - out.size() % unit) % unit);
}

// Places one resource that has just been appended from start, and records it in its entry.
bool PlaceResource(Bytes& out, std::size_t start, std::uint16_t shift, std::size_t entry) {
  PutFill(out, shift);
  std::uint64_t offset = start >> shift;
  std::uint64_t length = (out.size() - start) >> shift;
  if (offset > 0xFFFF || length > 0xFFFF) return false;
  PatchU16(out, entry, static_cast<std::uint16_t>(offset));
  PatchU16(out, entry + 2, static_cast<std::uint16_t>(length));
  return true;
}

}  // namespace

std::optional<std::uint16_t> LibraryAlignmentShift(std::uint64_t endOfData) {
  for (std::uint16_t shift = 0; shift < 16; ++shift) {
    if ((std::uint64_t{0xFFFF} << shift) >= endOfData) return shift;
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> EncodeIconLibrary(std::span<const IconGroup> groups) {
  std::vector<const IconGroup*> kept;
  std::size_t imageCount = 0;
  std::uint64_t dataSize = 0;
  for (const IconGroup& group : groups) {
    if (group.name == kDeletedGroupName) continue;
    if (group.name.size() > kMaxGroupName || group.images.size() > 0xFFFF) return std::nullopt;
    kept.push_back(&group);
    imageCount += group.images.size();
    dataSize += 6;
    for (const IconImage& image : group.images) dataSize += 14 + image.bytes.size();
  }
  if (kept.size() > kMaxLibraryGroups || imageCount > kMaxLibraryImages) return std::nullopt;

  Bytes out;
  PutDosPart(out);
  const std::size_t resources = kept.size() + imageCount;
  PutNeHeader(out, static_cast<std::uint16_t>(84 + 12 * resources));
  PutU16(out, 0);  // alignment shift, set below
  std::size_t groupEntries = PutTypeBlock(out, 0x800E, kept.size());
  std::size_t imageEntries = PutTypeBlock(out, 0x8003, imageCount);
  PutU16(out, 0);  // end of types

  PutU8(out, 3);
  PutText(out, "ICL");
  for (const IconGroup* group : kept) {
    PutU8(out, static_cast<std::uint8_t>(group->name.size()));
    PutText(out, group->name);
  }
  PutU8(out, 0);

  auto shift = LibraryAlignmentShift(out.size() + dataSize);
  if (!shift) return std::nullopt;
  PatchU16(out, kResourceTable, *shift);
  PutFill(out, *shift);

  std::size_t entry = groupEntries;
  std::uint16_t imageId = 1;
  for (const IconGroup* group : kept) {
    std::size_t start = out.size();
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint16_t>(group->images.size()));
    for (const IconImage& image : group->images) {
      const BitmapHeader& h = image.header;
      unsigned depth = static_cast<unsigned>(image.bitDepth) * h.planes;
      PutU8(out, static_cast<std::uint8_t>(image.width));
      PutU8(out, static_cast<std::uint8_t>(image.height));
      PutU8(out, static_cast<std::uint8_t>(depth < 8 ? 1u << depth : 0u));
      PutU8(out, 0);
      PutU16(out, h.planes);
      PutU16(out, static_cast<std::uint16_t>(image.bitDepth));
      PutU32(out, image.size());
      PutU16(out, imageId++);
    }
    if (!PlaceResource(out, start, *shift, entry)) return std::nullopt;
    entry += 12;
  }
  entry = imageEntries;
  for (const IconGroup* group : kept) {
    for (const IconImage& image : group->images) {
      std::size_t start = out.size();
      PutBytes(out, image.bytes);
      if (!PlaceResource(out, start, *shift, entry)) return std::nullopt;
      entry += 12;
    }
  }
  PutZeros(out, 2);
  return out;
}

bool WriteIconLibrary(const std::string& path, std::span<const IconGroup> groups) {
  auto bytes = EncodeIconLibrary(groups);
  return bytes && WriteFileBytes(path, *bytes);
}

}  // namespace gd
