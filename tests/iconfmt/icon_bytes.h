// Icon images and files laid out byte by byte for the format tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "iconfmt/icon_model.h"
#include "support/scratch_folder.h"

namespace gd::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& out, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
inline void Set32(Bytes& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}
inline Bytes Words(const std::vector<std::int32_t>& values, std::string_view text = {}) {
  Bytes out(text.begin(), text.end());
  for (std::int32_t v : values) Put(out, static_cast<std::uint32_t>(v));
  return out;
}

struct BitmapShape {
  std::int32_t width = 32, height = 32;
  std::uint16_t bitCount = 4, planes = 1;
  std::uint8_t fill = 0;  // of colour table, bitmap and mask
};
// Header, colour table, XOR bitmap and AND mask (the default: 40 + 64 + 512 + 128 = 744 bytes).
inline Bytes BitmapImage(const BitmapShape& s) {
  Bytes out = Words({40, s.width, s.height * 2, s.planes | s.bitCount << 16, 0, 0, 0, 0, 0, 0});
  const std::size_t colours = s.bitCount == 1 || s.bitCount == 4 || s.bitCount == 8 ? std::size_t{1} << s.bitCount : 0;
  const std::size_t xorRow = ((std::size_t(s.bitCount) * s.planes * s.width + 31) >> 3) & ~std::size_t{3};
  out.insert(out.end(), 4 * colours + (xorRow + ((s.width + 31) >> 3 & ~3)) * s.height, s.fill);
  return out;
}
// The default image cut or padded to exactly `size` bytes.
inline Bytes BitmapImageOfSize(std::size_t size) {
  Bytes out = BitmapImage({.fill = 7});
  out.resize(size, 0x5A);
  return out;
}
// A PNG signature, IHDR chunk and the start of an IDAT chunk.
inline Bytes PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t sampleBits, std::uint8_t colourType) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t v : {width, height}) for (int shift : {24, 16, 8, 0}) out.push_back(std::uint8_t(v >> shift));
  out.insert(out.end(), {sampleBits, colourType, 0, 0, 0, 0x12, 0x34, 0x56, 0x78, 'I', 'D', 'A', 'T'});
  return out;
}
inline IconGroup GroupOf(const std::vector<Bytes>& images, std::string name = {}) {
  IconGroup group{std::move(name), {}};
  for (const Bytes& bytes : images) group.images.push_back(MakeImage(bytes).value());
  return group;
}

// An .ico/.cur file, or with `id`s a group-icon resource, its entries claiming 32 x 32 x 4 bits.
inline Bytes IcoFile(const std::vector<Bytes>& images, std::uint16_t type = 1, std::uint16_t reserved = 0,
                     const std::vector<std::uint16_t>& ids = {}) {
  const std::size_t count = ids.empty() ? images.size() : ids.size();
  Bytes out = Words({reserved | type << 16}), data;
  Put(out, static_cast<std::uint32_t>(count), 2);
  for (std::size_t i = 0; i < count; ++i) {
    out.insert(out.end(), {32, 32, 16, 0, 1, 0, 4, 0});
    Put(out, ids.empty() ? static_cast<std::uint32_t>(images[i].size()) : 744);
    Put(out, ids.empty() ? static_cast<std::uint32_t>(6 + 16 * count + data.size()) : ids[i], ids.empty() ? 4 : 2);
    if (ids.empty()) data.insert(data.end(), images[i].begin(), images[i].end());
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}
inline Bytes GroupDirectory(const std::vector<std::uint16_t>& ids, std::uint16_t type = 1) {
  return IcoFile({}, type, 0, ids);
}

// An NE module: headers at 0 and 64, group-icon and icon blocks at 128, names, resources.
struct NeResource {
  std::uint16_t id = 0;  // as stored, with the integer bit 0x8000
  Bytes data;
};
struct NeLayout {
  std::uint16_t shift = 0, groupType = 0x800E;
  std::vector<NeResource> groups, icons;
  std::vector<std::string> names;
};
inline Bytes NeModule(const NeLayout& layout) {
  Bytes out(128, 0);
  out[0] = 'M', out[1] = 'Z', out[60] = 64, out[64] = 'N', out[65] = 'E', out[64 + 0x24] = 64, out[64 + 0x26] = 1;
  Put(out, layout.shift, 2);
  std::vector<std::size_t> entries;
  for (auto [type, list] : {std::pair{layout.groupType, &layout.groups}, {std::uint16_t{0x8003}, &layout.icons}}) {
    Put(out, type | static_cast<std::uint32_t>(list->size()) << 16);
    Put(out, 0);
    for (const NeResource& r : *list) {
      entries.push_back(out.size());
      for (std::uint32_t v : {0u, 0x1C30u | std::uint32_t{r.id} << 16, 0u}) Put(out, v);
    }
  }
  Put(out, 0, 2);
  for (const std::string& name : layout.names) {
    out.push_back(static_cast<std::uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
  }
  out.push_back(0);
  const std::size_t unit = std::size_t{1} << layout.shift;
  std::size_t entry = 0;
  for (const auto* list : {&layout.groups, &layout.icons}) {
    for (const NeResource& r : *list) {
      out.resize((out.size() + unit - 1) / unit * unit);
      const std::size_t start = out.size();
      out.insert(out.end(), r.data.begin(), r.data.end());
      out.resize((out.size() + unit - 1) / unit * unit);
      const std::size_t units = (out.size() - start) >> layout.shift;
      Set32(out, entries[entry++], static_cast<std::uint32_t>(start >> layout.shift | units << 16));
    }
  }
  return out;
}

// An animated cursor: RIFF chunks in order, each padded to an even length.
struct Chunk {
  std::string id;
  Bytes data;
};
inline Bytes Riff(const std::vector<Chunk>& chunks, std::string_view form = "ACON") {
  Bytes body(form.begin(), form.end());
  for (const Chunk& chunk : chunks) {
    const Bytes head = Words({static_cast<std::int32_t>(chunk.data.size())}, chunk.id);
    body.insert(body.end(), head.begin(), head.end());
    body.insert(body.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.data.size() % 2 != 0) body.push_back(0);
  }
  Bytes out = Words({static_cast<std::int32_t>(body.size())}, "RIFF");
  out.insert(out.end(), body.begin(), body.end());
  return out;
}
// The "anih" chunk: frames, steps, default rate 5 and the flags (1 icon frames, 2 sequence).
inline Chunk AniHeader(std::int32_t frames, std::int32_t steps, std::uint32_t flags) {
  return {"anih", Words({36, frames, steps, 0, 0, 0, 0, 5, static_cast<std::int32_t>(flags)})};
}
inline Chunk FrameList(const std::vector<Bytes>& frames) {
  std::vector<Chunk> icons;
  for (const Bytes& frame : frames) icons.push_back({"icon", frame});
  const Bytes list = Riff(icons, "fram");
  return {"LIST", Bytes(list.begin() + 8, list.end())};
}

}  // namespace gd::test
