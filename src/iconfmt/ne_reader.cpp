// Reading icon groups from NE modules through their resource table.
#include "iconfmt/ne_reader.h"

#include <unordered_map>
#include <vector>

#include "iconfmt/byte_reader.h"
#include "iconfmt/file_bytes.h"
#include "platform/text_case.h"

namespace gd {
namespace {

struct ResourceEntry {
  std::uint16_t offset = 0;  // in units of 2 to the power of the alignment shift
  std::uint16_t length = 0;
  std::uint16_t id = 0;
};

// Shifted values fit 64 bits for shifts below 48; larger shifts only fit an offset of 0.
std::optional<std::uint64_t> Scaled(std::uint16_t units, std::uint16_t shift) {
  if (units == 0) return 0;
  if (shift >= 48) return std::nullopt;
  return static_cast<std::uint64_t>(units) << shift;
}

std::vector<ResourceEntry> ReadEntries(ByteReader& reader, std::uint16_t count) {
  std::vector<ResourceEntry> entries;
  if (!reader.Contains(reader.position(), 12ull * count)) {
    reader.Skip(12ull * count);  // fails the reader
    return entries;
  }
  entries.reserve(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    ResourceEntry entry;
    entry.offset = reader.U16();
    entry.length = reader.U16();
    reader.U16();  // flags
    entry.id = reader.U16();
    reader.Skip(4);  // handle, usage
    entries.push_back(entry);
  }
  return entries;
}

struct ResourceTable {
  std::uint16_t shift = 0;
  std::vector<ResourceEntry> groups;  // entries of the last group-icon block
  std::vector<ResourceEntry> icons;   // entries of the last icon block
  std::uint64_t groupCount = 0;       // counts of every group-icon block
  std::vector<std::string> names;     // the length-prefixed names after the type blocks
};

std::optional<ResourceTable> ReadResourceTable(ByteReader& reader) {
  if (!reader.Tag("MZ")) return std::nullopt;
  reader.Seek(60);
  std::uint16_t neOffset = reader.U16();
  if (!reader.ok() || neOffset < 60) return std::nullopt;
  reader.Seek(neOffset);
  if (!reader.Tag("NE")) return std::nullopt;
  reader.Seek(neOffset + 0x24ull);
  std::uint16_t tableOffset = reader.U16();
  std::uint16_t residentNames = reader.U16();
  if (!reader.ok() || tableOffset == 0 || residentNames == 0) return std::nullopt;

  ResourceTable table;
  reader.Seek(static_cast<std::uint64_t>(neOffset) + tableOffset);
  table.shift = reader.U16();
  // Every block takes at least 8 bytes, so a table without an end runs out of file.
  for (;;) {
    std::uint16_t type = reader.U16();
    if (!reader.ok()) return std::nullopt;
    if (type == 0) break;
    std::uint16_t count = reader.U16();
    reader.Skip(4);
    // Only the low byte names the type: 0x800E and 0x000E are both group icons.
    if ((type & 0xFF) == 3) {
      table.icons = ReadEntries(reader, count);
    } else if ((type & 0xFF) == 14) {
      table.groupCount += count;
      table.groups = ReadEntries(reader, count);
    } else {
      reader.Skip(12ull * count);
    }
    if (!reader.ok()) return std::nullopt;
  }
  for (;;) {
    std::uint8_t length = reader.U8();
    if (!reader.ok()) return std::nullopt;
    if (length == 0) break;
    table.names.push_back(reader.Text(length));
  }
  if (!reader.ok()) return std::nullopt;
  return table;
}

}  // namespace

std::optional<IconFile> ReadLibraryIconsFromBytes(std::span<const std::uint8_t> data, int index, bool readNames) {
  ByteReader reader(data);
  auto table = ReadResourceTable(reader);
  if (!table) return std::nullopt;

  std::vector<std::size_t> wanted;
  if (index == -1) {
    // Counts of earlier group blocks are added, but only the last block's entries exist.
    if (table->groupCount > table->groups.size()) return std::nullopt;
    for (std::size_t i = 0; i < table->groups.size(); ++i) wanted.push_back(i);
  } else if (index >= 0 && static_cast<std::size_t>(index) < table->groups.size()) {
    wanted.push_back(static_cast<std::size_t>(index));
  } else {
    return std::nullopt;
  }

  // First icon entry of each identifier, found once rather than searched per image.
  std::unordered_map<std::uint16_t, std::size_t> iconById;
  for (std::size_t i = 0; i < table->icons.size(); ++i) iconById.emplace(table->icons[i].id, i);

  IconFile file;
  file.groups.resize(wanted.size());
  if (readNames && index == -1) {
    std::size_t next = 0;
    for (const std::string& name : table->names) {
      if (EqualsIgnoreCase(name, "ICL")) continue;
      if (next == file.groups.size()) break;
      file.groups[next++].name = name.substr(0, kMaxGroupName);
    }
  }

  LoadBudget budget;
  for (std::size_t g = 0; g < wanted.size(); ++g) {
    auto groupOffset = Scaled(table->groups[wanted[g]].offset, table->shift);
    if (!groupOffset) return std::nullopt;
    reader.Seek(*groupOffset);
    std::uint16_t reserved = reader.U16();
    std::uint16_t type = reader.U16();
    std::uint16_t count = reader.U16();
    if (!reader.ok() || reserved != 0 || count == 0 || (type != 1 && type != 2)) return std::nullopt;
    std::uint64_t entriesStart = reader.position();
    if (!reader.Contains(entriesStart, 14ull * count)) return std::nullopt;

    IconGroup& group = file.groups[g];
    group.images.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) {
      reader.Seek(entriesStart + 14ull * i + 8);
      const std::uint32_t bytesInGroup = reader.U32();
      std::uint16_t id = reader.U16();
      // The icon entry's id carries the integer bit 0x8000; a missing id falls back to the first.
      auto found = iconById.find(static_cast<std::uint16_t>(id ^ 0x8000));
      if (table->icons.empty()) return std::nullopt;
      const ResourceEntry& icon = found != iconById.end() ? table->icons[found->second] : table->icons.front();
      auto offset = Scaled(icon.offset, table->shift);
      auto length = Scaled(icon.length, table->shift);  // includes the fill after the image
      if (!offset || !length || !reader.Contains(*offset, *length) || !budget.Take(*length)) return std::nullopt;
      reader.Seek(*offset);
      // The resource table counts whole alignment units; the group entry knows the image's
      // own size, so the fill after it does not become part of the image.
      const std::uint64_t imageLength =
          bytesInGroup > 0 && bytesInGroup < *length ? bytesInGroup : *length;
      auto image = MakeImage(reader.Bytes(imageLength));
      if (!reader.ok() || !image) return std::nullopt;
      group.images.push_back(std::move(*image));
    }
  }
  return file;
}

std::optional<IconFile> ReadLibraryIcons(const std::string& path, int index, bool readNames) {
  auto data = ReadFileBytes(path);
  if (!data) return std::nullopt;
  return ReadLibraryIconsFromBytes(*data, index, readNames);
}

}  // namespace gd
