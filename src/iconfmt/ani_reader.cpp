// Reading animated cursors: RIFF chunks, the "anih" header, rates, sequence and icon frames.
#include "iconfmt/ani_reader.h"

#include <algorithm>
#include <optional>
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

  // The rates and the sequence are only located here and the frames only gathered: the steps
  // are made once the whole file has been read, so that a header claiming many steps costs
  // nothing unless the file really holds them.
  auto steps = static_cast<std::uint64_t>(stepCount);
  reader.Seek(chunk.next);
  chunk = ReadChunk(reader);
  std::optional<ByteReader> rates;
  if (reader.ok() && chunk.id == "rate") {
    if (chunk.size < 4 * steps) return std::nullopt;
    rates.emplace(data, reader.position());
    reader.Skip(4 * steps);
    reader.Seek(chunk.next);
    chunk = ReadChunk(reader);
  }
  std::optional<ByteReader> sequence;
  if ((flags & kHasSequence) != 0) {
    if (!reader.ok() || chunk.id != "seq " || chunk.size == 0 || chunk.size < 4 * steps) return std::nullopt;
    sequence.emplace(data, reader.position());
    reader.Skip(4 * steps);
    reader.Seek(chunk.next);
    chunk = ReadChunk(reader);
  }
  if (!reader.ok() || chunk.id != "LIST" || chunk.size == 0 || !reader.Tag("fram")) return std::nullopt;

  // Every frame chunk takes some bytes of the file, so this list stays as small as the file.
  std::vector<std::span<const std::uint8_t>> frames;
  for (std::int32_t frame = 0; frame < frameCount; ++frame) {
    chunk = ReadChunk(reader);
    if (!reader.ok() || chunk.id != "icon" || chunk.size == 0) return std::nullopt;
    auto bytes = FirstFrameImage(reader, chunk);
    if (bytes.empty()) return std::nullopt;
    frames.push_back(bytes);
    reader.Seek(chunk.next);
  }

  // Without a sequence step k shows frame k; with one every step showing a frame gets its own
  // copy. Frames that no step shows are not parsed. Steps that the file gives neither a rate,
  // a place in a sequence nor a frame hold nothing at all: they are not made, so that a header
  // claiming thousands of them in a few bytes costs no more than the file.
  if (!rates && !sequence) steps = std::min<std::uint64_t>(steps, frames.size());
  IconGroup group;
  group.images.resize(static_cast<std::size_t>(steps));
  LoadBudget budget;
  for (std::size_t s = 0; s < group.images.size(); ++s) {
    IconImage& step = group.images[s];
    step.displayRate = rates ? rates->I32() : defaultRate;
    if (sequence) step.sequenceIndex = sequence->I32();
    const std::int64_t frame = sequence ? step.sequenceIndex : static_cast<std::int64_t>(s);
    if (frame < 0 || static_cast<std::uint64_t>(frame) >= frames.size()) continue;
    const auto bytes = frames[static_cast<std::size_t>(frame)];
    if (!budget.Take(bytes.size())) return std::nullopt;
    step.bytes.assign(bytes.begin(), bytes.end());
    if (!ParseImage(step)) return std::nullopt;
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
