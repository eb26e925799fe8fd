// Icon images and files laid out byte by byte for the format tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "iconfmt/icon_model.h"

namespace gd::test {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t value);
void Put32(Bytes& out, std::uint32_t value);
void PutTag(Bytes& out, std::string_view tag);
std::uint16_t Get16(const Bytes& in, std::size_t at);
std::uint32_t Get32(const Bytes& in, std::size_t at);
void Set32(Bytes& out, std::size_t at, std::uint32_t value);

struct BitmapShape {
  std::int32_t width = 32;
  std::int32_t height = 32;
  std::uint16_t bitCount = 4;
  std::uint16_t planes = 1;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::uint8_t fill = 0;  // fills colour table, bitmap and mask
};

// A whole bitmap image: header, colour table, XOR bitmap and AND mask of the right lengths.
Bytes BitmapImage(const BitmapShape& shape);
// A 4-bit bitmap image of exactly size bytes, with a varied pattern after the header.
Bytes BitmapImageOfSize(std::size_t size, std::int32_t width = 32);
// A PNG stream with its signature and IHDR chunk.
Bytes PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t sampleBits, std::uint8_t colourType);

IconImage ParsedImage(const Bytes& bytes);
IconGroup GroupOf(const std::vector<Bytes>& images, std::string name = {});

// An .ico/.cur file: header, directory, images in order.
Bytes IcoFile(const std::vector<Bytes>& images, std::uint16_t type = 1, std::uint16_t reserved = 0);

// An NE module: a group-icon block, an icon block, names, then the resources aligned.
struct NeResource {
  std::uint16_t id = 0;  // as stored, with the integer bit 0x8000
  Bytes data;
};
struct NeLayout {
  std::uint16_t shift = 0;
  std::uint16_t groupType = 0x800E;
  std::vector<NeResource> groups;
  std::vector<NeResource> icons;
  std::vector<std::string> names;
};
Bytes NeModule(const NeLayout& layout);
// A group-icon directory naming image identifiers.
Bytes GroupDirectory(const std::vector<std::uint16_t>& imageIds, std::uint16_t type = 1);

// An animated cursor from chunks given in order.
struct Chunk {
  std::string id;
  Bytes data;
};
Bytes Riff(const std::vector<Chunk>& chunks, std::string_view form = "ACON");
Bytes AniHeader(std::int32_t frames, std::int32_t steps, std::int32_t defaultRate, std::uint32_t flags);
Bytes Words(const std::vector<std::int32_t>& values);
Chunk FrameList(const std::vector<Bytes>& frames);

// A fresh temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const;
  std::string Write(const std::string& name, const Bytes& bytes) const;

 private:
  std::string root_;
};

Bytes ReadAll(const std::string& path);

}  // namespace gd::test
