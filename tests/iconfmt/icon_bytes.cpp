// Icon images and files laid out byte by byte for the format tests.
#include "iconfmt/icon_bytes.h"

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

void Set32(Bytes& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes BitmapImage(const BitmapShape& shape) {
  Bytes out;
  for (std::uint32_t v : {40u, std::uint32_t(shape.width), std::uint32_t(shape.height * 2)}) Put32(out, v);
  Put16(out, shape.planes);
  Put16(out, shape.bitCount);
  for (std::uint32_t v : {shape.compression, 0u, 0u, 0u, shape.clrUsed, 0u}) Put32(out, v);
  const bool paletted = shape.bitCount == 1 || shape.bitCount == 4 || shape.bitCount == 8;
  std::size_t colours = shape.clrUsed != 0 ? shape.clrUsed : paletted ? std::size_t{1} << shape.bitCount : 0;
  std::size_t table = shape.compression == 3 ? 12 : 4 * colours;
  std::size_t xorRow = ((std::size_t(shape.bitCount) * shape.planes * shape.width + 31) >> 3) & ~std::size_t{3};
  std::size_t andRow = ((std::size_t(shape.width) + 31) >> 3) & ~std::size_t{3};
  out.insert(out.end(), table + (xorRow + andRow) * shape.height, shape.fill);
  return out;
}

Bytes BitmapImageOfSize(std::size_t size, std::int32_t width) {
  Bytes out = BitmapImage({.width = width, .height = width});
  out.resize(size);
  for (std::size_t i = 40; i < size; ++i) out[i] = static_cast<std::uint8_t>(i * 7);
  return out;
}

Bytes PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t sampleBits, std::uint8_t colourType) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t v : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
  }
  out.insert(out.end(), {sampleBits, colourType, 0, 0, 0, 0x12, 0x34, 0x56, 0x78});
  PutTag(out, "IDAT");
  return out;
}

IconImage ParsedImage(const Bytes& bytes) {
  auto image = MakeImage(bytes);
  if (!image) throw std::logic_error("test image does not parse");
  return *image;
}

IconGroup GroupOf(const std::vector<Bytes>& images, std::string name) {
  IconGroup group{std::move(name), {}};
  for (const Bytes& bytes : images) group.images.push_back(ParsedImage(bytes));
  return group;
}

Bytes IcoFile(const std::vector<Bytes>& images, std::uint16_t type, std::uint16_t reserved) {
  Bytes out;
  for (std::uint32_t v : {std::uint32_t{reserved}, std::uint32_t{type}, std::uint32_t(images.size())}) Put16(out, v);
  std::size_t offset = 6 + 16 * images.size();
  for (const Bytes& image : images) {
    out.insert(out.end(), {32, 32, 16, 0, 1, 0, 4, 0});
    Put32(out, static_cast<std::uint32_t>(image.size()));
    Put32(out, static_cast<std::uint32_t>(offset));
    offset += image.size();
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

Bytes GroupDirectory(const std::vector<std::uint16_t>& imageIds, std::uint16_t type) {
  Bytes out;
  for (std::uint32_t v : {0u, std::uint32_t{type}, std::uint32_t(imageIds.size())}) Put16(out, v);
  for (std::uint16_t id : imageIds) {
    out.insert(out.end(), {32, 32, 16, 0, 1, 0, 4, 0});
    Put32(out, 744);
    Put16(out, id);
  }
  return out;
}

Bytes NeModule(const NeLayout& layout) {
  // DOS header pointing at the NE header at 64; the resource table follows it at 128.
  Bytes out(128, 0);
  out[0] = 'M', out[1] = 'Z', out[60] = 64;
  out[64] = 'N', out[65] = 'E', out[64 + 0x24] = 64, out[64 + 0x26] = 1;
  Put16(out, layout.shift);
  std::vector<std::size_t> slots;
  for (auto [type, list] : {std::pair{layout.groupType, &layout.groups}, std::pair{std::uint16_t{0x8003}, &layout.icons}}) {
    Put16(out, type);
    Put16(out, static_cast<std::uint32_t>(list->size()));
    Put32(out, 0);
    for (const NeResource& r : *list) {
      slots.push_back(out.size());
      for (std::uint32_t v : {0u, 0u, 0x1C30u, std::uint32_t{r.id}, 0u, 0u}) Put16(out, v);
    }
  }
  Put16(out, 0);
  for (const std::string& name : layout.names) {
    out.push_back(static_cast<std::uint8_t>(name.size()));
    PutTag(out, name);
  }
  out.push_back(0);
  const std::size_t unit = std::size_t{1} << layout.shift;
  std::size_t slot = 0;
  for (const auto* list : {&layout.groups, &layout.icons}) {
    for (const NeResource& r : *list) {
      out.resize((out.size() + unit - 1) / unit * unit);
      std::size_t start = out.size();
      out.insert(out.end(), r.data.begin(), r.data.end());
      out.resize((out.size() + unit - 1) / unit * unit);
      Set32(out, slots[slot++], static_cast<std::uint32_t>((start >> layout.shift) | (((out.size() - start) >> layout.shift) << 16)));
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
  std::vector<Chunk> icons;
  for (const Bytes& frame : frames) icons.push_back({"icon", frame});
  Bytes list = Riff(icons, "fram");
  return {"LIST", Bytes(list.begin() + 8, list.end())};
}

TempDir::TempDir() {
  std::random_device random;
  auto base = std::filesystem::temp_directory_path();
  do {
    root_ = (base / ("gd-iconfmt-" + std::to_string(random()))).string();
  } while (!std::filesystem::create_directory(root_));
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::Path(const std::string& name) const { return (std::filesystem::path(root_) / name).string(); }

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
