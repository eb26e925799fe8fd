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

struct BitmapSpec {
  std::int32_t width = 32;
  std::int32_t height = 32;
  std::uint16_t bitCount = 4;
  std::uint16_t planes = 1;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::uint8_t fill = 0;  // the byte that fills colour table, bitmap and mask
};

// A whole bitmap image: header, colour table, XOR bitmap and AND mask of the right lengths.
Bytes BitmapImage(const BitmapSpec& spec);
// A bitmap image of exactly this many bytes (header and the given pattern; for size tests).
Bytes BitmapImageOfSize(std::size_t size, std::int32_t width = 32, std::int32_t height = 32,
                        std::uint16_t bitCount = 4);
// A PNG stream with only its signature and IHDR chunk, enough for the header fields.
Bytes PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t sampleBits, std::uint8_t colourType);

IconImage ParsedImage(const Bytes& bytes);
IconGroup GroupOf(const std::vector<Bytes>& images, std::string name = {});

// An .ico/.cur file laid out as stored: header, directory, images in order.
Bytes IcoFile(const std::vector<Bytes>& images, std::uint16_t type = 1, std::uint16_t reserved = 0);

// An NE module laid out by hand: resource table with an icon block and a group block, names.
struct NeResource {
  std::uint16_t id = 0;  // with the integer bit 0x8000 as stored
  Bytes data;
};
struct NeSpec {
  std::uint16_t shift = 0;
  std::uint16_t groupType = 0x800E;
  std::uint16_t iconType = 0x8003;
  std::vector<NeResource> earlierGroups;  // a group block before the one that counts
  std::vector<NeResource> groups;         // group directories
  std::vector<NeResource> icons;   // image bytes
  std::vector<std::string> names;  // length-prefixed names after the type blocks
};
Bytes NeModule(const NeSpec& spec);
// A group-icon directory naming the given image identifiers (without the integer bit).
Bytes GroupDirectory(const std::vector<std::uint16_t>& imageIds, std::uint16_t type = 1);

// An animated cursor; chunks are given in order as (identifier, data).
struct Chunk {
  std::string id;
  Bytes data;
};
Bytes Riff(const std::vector<Chunk>& chunks, std::string_view form = "ACON");
Bytes AniHeader(std::int32_t frames, std::int32_t steps, std::int32_t defaultRate, std::uint32_t flags);
Bytes Words(const std::vector<std::int32_t>& values);
Chunk FrameList(const std::vector<Bytes>& frames);  // LIST "fram" of "icon" chunks

// A file in a fresh temporary folder of the test; removed with the folder.
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
