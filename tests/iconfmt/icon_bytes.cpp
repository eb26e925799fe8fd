// Icon images and files laid out byte by byte for the format tests.
#include "iconfmt/icon_bytes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace gd::test {

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutTag(Bytes& out, std::string_view tag) { out.insert(out.end(), tag.begin(), tag.end()); }

std::uint16_t Get16(const Bytes& in, std::size_t at) {
  return static_cast<std::uint16_t>(in.at(at) | (in.at(at + 1) << 8));
}

std::uint32_t Get32(const Bytes& in, std::size_t at) {
  return Get16(in, at) | (static_cast<std::uint32_t>(Get16(in, at + 2)) << 16);
}

namespace {
void PutHeader(Bytes& out, std::int32_t width, std::int32_t height, std::uint16_t planes, std::uint16_t bitCount,
               std::uint32_t compression, std::uint32_t clrUsed) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height * 2));
  Put16(out, planes);
  Put16(out, bitCount);
  Put32(out, compression);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, clrUsed);
  Put32(out, 0);
}
}  // namespace

Bytes BitmapImage(const BitmapSpec& spec) {
  Bytes out;
  PutHeader(out, spec.width, spec.height, spec.planes, spec.bitCount, spec.compression, spec.clrUsed);
  std::size_t colours = spec.clrUsed;
  if (colours == 0 && spec.bitCount <= 8) colours = std::size_t{1} << spec.bitCount;
  std::size_t table = spec.compression == 3 ? 12 : 4 * colours;
  std::size_t xorRow = ((std::size_t(spec.bitCount) * spec.planes * spec.width + 31) >> 3) & ~std::size_t{3};
  std::size_t andRow = ((std::size_t(spec.width) + 31) >> 3) & ~std::size_t{3};
  out.insert(out.end(), table + (xorRow + andRow) * spec.height, spec.fill);
  return out;
}

Bytes BitmapImageOfSize(std::size_t size, std::int32_t width, std::int32_t height, std::uint16_t bitCount) {
  Bytes out;
  PutHeader(out, width, height, 1, bitCount, 0, 0);
  if (size < out.size()) throw std::logic_error("image smaller than its header");
  for (std::size_t i = out.size(); i < size; ++i) out.push_back(static_cast<std::uint8_t>(i * 7));
  return out;
}

Bytes PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t sampleBits, std::uint8_t colourType) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  PutTag(out, "IHDR");
  for (std::uint32_t v : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
  }
  out.insert(out.end(), {sampleBits, colourType, 0, 0, 0});
  out.insert(out.end(), {0x12, 0x34, 0x56, 0x78});  // CRC, not checked
  PutTag(out, "IDATfake");
  return out;
}

IconImage ParsedImage(const Bytes& bytes) {
  auto image = MakeImage(bytes);
  if (!image) throw std::logic_error("test image does not parse");
  return *image;
}

IconGroup GroupOf(const std::vector<Bytes>& images, std::string name) {
  IconGroup group;
  group.name = std::move(name);
  for (const Bytes& bytes : images) group.images.push_back(ParsedImage(bytes));
  return group;
}

Bytes IcoFile(const std::vector<Bytes>& images, std::uint16_t type, std::uint16_t reserved) {
  Bytes out;
  Put16(out, reserved);
  Put16(out, type);
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const Bytes& image : images) {
    out.insert(out.end(), {32, 32, 16, 0});
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, static_cast<std::uint32_t>(image.size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

Bytes GroupDirectory(const std::vector<std::uint16_t>& imageIds, std::uint16_t type) {
  Bytes out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, static_cast<std::uint32_t>(imageIds.size()));
  for (std::uint16_t id : imageIds) {
    out.insert(out.end(), {32, 32, 16, 0});
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 744);
    Put16(out, id);
  }
  return out;
}

Bytes NeModule(const NeSpec& spec) {
  // DOS header with the NE header at 64, resource table right after the 64-byte NE header.
  Bytes out(64, 0);
  out[0] = 'M';
  out[1] = 'Z';
  out[60] = 64;
  Bytes ne(64, 0);
  ne[0] = 'N';
  ne[1] = 'E';
  ne[0x24] = 64;
  ne[0x26] = 1;  // only tested to be non-zero
  out.insert(out.end(), ne.begin(), ne.end());

  Bytes table;
  Put16(table, spec.shift);
  std::vector<std::size_t> slots;
  auto block = [&](std::uint16_t type, const std::vector<NeResource>& resources) {
    Put16(table, type);
    Put16(table, static_cast<std::uint32_t>(resources.size()));
    Put32(table, 0);
    for (const NeResource& r : resources) {
      slots.push_back(table.size());
      Put32(table, 0);
      Put16(table, 0x1C30);
      Put16(table, r.id);
      Put32(table, 0);
    }
  };
  if (!spec.earlierGroups.empty()) block(spec.groupType, spec.earlierGroups);
  block(spec.groupType, spec.groups);
  block(spec.iconType, spec.icons);
  Put16(table, 0);
  for (const std::string& name : spec.names) {
    table.push_back(static_cast<std::uint8_t>(name.size()));
    PutTag(table, name);
  }
  table.push_back(0);

  std::size_t tableStart = out.size();
  out.insert(out.end(), table.begin(), table.end());
  std::size_t unit = std::size_t{1} << spec.shift;
  std::size_t slot = 0;
  for (const auto* list : {&spec.earlierGroups, &spec.groups, &spec.icons}) {
    for (const NeResource& r : *list) {
      while (out.size() % unit != 0) out.push_back(0);
      std::size_t start = out.size();
      out.insert(out.end(), r.data.begin(), r.data.end());
      while (out.size() % unit != 0) out.push_back(0);
      std::size_t at = tableStart + slots[slot++];
      auto offset = static_cast<std::uint16_t>(start >> spec.shift);
      auto length = static_cast<std::uint16_t>((out.size() - start) >> spec.shift);
      out[at] = static_cast<std::uint8_t>(offset);
      out[at + 1] = static_cast<std::uint8_t>(offset >> 8);
      out[at + 2] = static_cast<std::uint8_t>(length);
      out[at + 3] = static_cast<std::uint8_t>(length >> 8);
    }
  }
  return out;
}

Bytes Riff(const std::vector<Chunk>& chunks, std::string_view form) {
  Bytes body;
  PutTag(body, form);
  for (const Chunk& chunk : chunks) {
    PutTag(body, chunk.id);
    Put32(body, static_cast<std::uint32_t>(chunk.data.size()));
    body.insert(body.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.data.size() % 2 != 0) body.push_back(0);
  }
  Bytes out;
  PutTag(out, "RIFF");
  Put32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes AniHeader(std::int32_t frames, std::int32_t steps, std::int32_t defaultRate, std::uint32_t flags) {
  return Words({36, frames, steps, 0, 0, 0, 0, defaultRate, static_cast<std::int32_t>(flags)});
}

Bytes Words(const std::vector<std::int32_t>& values) {
  Bytes out;
  for (std::int32_t v : values) Put32(out, static_cast<std::uint32_t>(v));
  return out;
}

Chunk FrameList(const std::vector<Bytes>& frames) {
  Chunk list{"LIST", {}};
  PutTag(list.data, "fram");
  for (const Bytes& frame : frames) {
    PutTag(list.data, "icon");
    Put32(list.data, static_cast<std::uint32_t>(frame.size()));
    list.data.insert(list.data.end(), frame.begin(), frame.end());
    if (frame.size() % 2 != 0) list.data.push_back(0);
  }
  return list;
}

TempDir::TempDir() {
  std::random_device random;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("gd-iconfmt-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      root_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::Path(const std::string& name) const {
  return (std::filesystem::path(root_) / name).string();
}

std::string TempDir::Write(const std::string& name, const Bytes& bytes) const {
  std::string path = Path(name);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace gd::test
