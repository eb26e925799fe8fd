// Reading animated cursors: RIFF chunks, the "anih" header, rates, sequence and icon frames.
#include "iconfmt/ani_reader.h"

#include <unordered_map>
#include <vector>

#include "iconfmt/byte_reader.h"
#include "iconfmt/file_bytes.h"

namespace gd {
namespace {

constexpr std::uint32_t kFramesAreIcons = 1;
constexpr std::uint32_t kHasSequence = 2;
// Steps cost memory even without bytes; no cursor needs more.
constexpr std::int32_t kMaxSteps = 65535;

struct Chunk {
  std::string id;
  std::uint32_t size = 0;
  std::uint64_t data = 0;  // file offset of the chunk's data
  std::uint64_t next = 0;  // file offset of the following chunk
};

// Chunks are padded to even sizes; a writer that left the pad out is tolerated, since a pad
// byte is zero and a chunk identifier never starts with one.
Chunk ReadChunk(ByteReader& reader) {
  Chunk chunk;
  chunk.id = reader.Text(4);
  chunk.size = reader.U32();
  chunk.data = reader.position();
  chunk.next = chunk.data + chunk.size;
  if ((chunk.size & 1) != 0 && reader.Contains(chunk.next, 1)) {
    ByteReader pad(reader);
    pad.Seek(chunk.next);
    if (pad.U8() == 0) ++chunk.next;
  }
  return chunk;
}

// The first image of an icon-format frame: its bytes follow the directory directly.
std::span<const std::uint8_t> FirstFrameImage(ByteReader& reader, const Chunk& chunk) {
  std::uint16_t reserved = reader.U16();
  std::uint16_t type = reader.U16();
  std::uint16_t count = reader.U16();
  if (!reader.ok() || count == 0 || (reserved != 0 && type != 1 && type != 2)) return {};
  reader.Skip(8);
  std::uint32_t firstSize = reader.U32();
  reader.Skip(4 + 16ull * (count - 1));
  auto bytes = reader.Bytes(firstSize);
  // The frame must lie inside its own chunk.
  if (!reader.ok() || reader.position() > chunk.data + chunk.size) return {};
  return bytes;
}

}  // namespace

std::optional<IconFile> ReadAniBytes(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  if (!reader.Tag("RIFF")) return std::nullopt;
  std::uint32_t riffSize = reader.U32();
  if (!reader.Tag("ACON") || riffSize == 0) return std::nullopt;

  Chunk chunk = ReadChunk(reader);
  if (reader.ok() && chunk.id == "LIST") {
    reader.Seek(chunk.next);
    chunk = ReadChunk(reader);
  }
  if (!reader.ok() || chunk.id != "anih" || chunk.size != 36) return std::nullopt;
  reader.Skip(4);
  std::int32_t frameCount = reader.I32();
  std::int32_t stepCount = reader.I32();
  reader.Skip(16);  // width, height, bit count, planes
  std::int32_t defaultRate = reader.I32();
  std::uint32_t flags = reader.U32();
  if (!reader.ok() || stepCount < 0 || stepCount > kMaxSteps) return std::nullopt;
  // Frames in raw bitmap form are not read.
  if ((flags & kFramesAreIcons) == 0) return std::nullopt;

  IconGroup group;
  group.images.resize(static_cast<std::size_t>(stepCount));
  auto steps = static_cast<std::uint64_t>(stepCount);

  reader.Seek(chunk.next);
  chunk = ReadChunk(reader);
  if (reader.ok() && chunk.id == "rate") {
    if (chunk.size < 4 * steps) return std::nullopt;
    for (IconImage& step : group.images) step.displayRate = reader.I32();
    reader.Seek(chunk.next);
    chunk = ReadChunk(reader);
  } else {
    for (IconImage& step : group.images) step.displayRate = defaultRate;
  }
  bool sequenced = (flags & kHasSequence) != 0;
  if (sequenced) {
    if (!reader.ok() || chunk.id != "seq " || chunk.size == 0 || chunk.size < 4 * steps) return std::nullopt;
    for (IconImage& step : group.images) step.sequenceIndex = reader.I32();
    reader.Seek(chunk.next);
    chunk = ReadChunk(reader);
  }
  if (!reader.ok() || chunk.id != "LIST" || chunk.size == 0 || !reader.Tag("fram")) return std::nullopt;

  // The steps that show each frame, gathered once so that reading stays linear in the file.
  std::unordered_map<std::int32_t, std::vector<std::size_t>> stepsOfFrame;
  for (std::size_t s = 0; s < group.images.size(); ++s) {
    stepsOfFrame[sequenced ? group.images[s].sequenceIndex : static_cast<std::int32_t>(s)].push_back(s);
  }

  LoadBudget budget;
  for (std::int32_t frame = 0; frame < frameCount; ++frame) {
    chunk = ReadChunk(reader);
    if (!reader.ok() || chunk.id != "icon" || chunk.size == 0) return std::nullopt;
    auto bytes = FirstFrameImage(reader, chunk);
    if (bytes.empty()) return std::nullopt;
    // Without a sequence frame k is step k; with one every step showing k gets its own copy.
    // Frames that no step shows are read past.
    auto shown = stepsOfFrame.find(frame);
    if (shown == stepsOfFrame.end()) {
      reader.Seek(chunk.next);
      continue;
    }
    for (std::size_t s : shown->second) {
      IconImage& step = group.images[s];
      if (!budget.Take(bytes.size())) return std::nullopt;
      step.bytes.assign(bytes.begin(), bytes.end());
      if (!ParseImage(step)) return std::nullopt;
    }
    reader.Seek(chunk.next);
  }
  IconFile file;
  file.groups.push_back(std::move(group));
  return file;
}

std::optional<IconFile> ReadAniFile(const std::string& path) {
  auto data = ReadFileBytes(path);
  if (!data) return std::nullopt;
  return ReadAniBytes(*data);
}

}  // namespace gd
