// Reading icon groups from 32-bit executables: the loader maps the file as data, the group
// directories name RT_ICON resources by identifier.
#include "iconfmt/exe_reader_win32.h"

#include <windows.h>

#include <span>

#include "iconfmt/byte_reader.h"
#include "iconfmt/icon_loader.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

// The group names as the enumeration finds them; `failed` when one could not be kept.
struct GroupNames {
  std::vector<std::string> names;
  bool failed = false;
};

// Called by the system: no exception may leave it, so running out of memory ends the
// enumeration and is reported as a failed read instead.
BOOL CALLBACK AddGroupName(HMODULE, LPCSTR, LPSTR name, LONG_PTR context) noexcept {
  auto* found = reinterpret_cast<GroupNames*>(context);
  try {
    if (IS_INTRESOURCE(name)) {
      found->names.push_back(
          "#" + std::to_string(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name))));
    } else {
      found->names.push_back(name);
    }
    return TRUE;
  } catch (...) {
    found->failed = true;
    return FALSE;
  }
}

// The bytes of one resource; empty when it cannot be found or loaded.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  HRSRC info = FindResourceA(module, name, type);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, info)};
}

std::optional<IconGroup> ReadGroup(HMODULE module, const std::string& name, LoadBudget& budget) {
  auto directory = ResourceBytes(module, name.c_str(), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (directory.empty()) return std::nullopt;
  ByteReader reader(directory);
  std::uint16_t reserved = reader.U16();
  std::uint16_t type = reader.U16();
  std::uint16_t count = reader.U16();
  // Only a directory wrong in all three ways is refused; a count of 0 gives an empty group.
  if (!reader.ok() || (count == 0 && reserved != 0 && type != 1)) return std::nullopt;
  if (!reader.Contains(6, 14ull * count)) return std::nullopt;

  IconGroup group;
  group.images.reserve(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    reader.Seek(6 + 14ull * i + 12);
    std::uint16_t id = reader.U16();
    auto bytes = ResourceBytes(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
    if (bytes.empty() || !budget.Take(bytes.size())) return std::nullopt;
    auto image = MakeImage(bytes);
    if (!image) return std::nullopt;
    group.images.push_back(std::move(*image));
  }
  return group;
}

}  // namespace

std::optional<IconFile> ReadExecutableIcons(const std::string& path, int index) {
  UniqueModule module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return std::nullopt;
  GroupNames found;
  if (!EnumResourceNamesA(module.get(), MAKEINTRESOURCEA(14), AddGroupName,
                          reinterpret_cast<LONG_PTR>(&found)) ||
      found.failed) {
    return std::nullopt;
  }
  IconFile file;
  file.resourceNames = std::move(found.names);
  const auto count = file.resourceNames.size();
  std::size_t first = 0;
  std::size_t end = count;
  if (index != -1) {
    if (index < 0 || static_cast<std::size_t>(index) >= count) return std::nullopt;
    first = static_cast<std::size_t>(index);
    end = first + 1;
  }
  LoadBudget budget;
  for (std::size_t g = first; g < end; ++g) {
    auto group = ReadGroup(module.get(), file.resourceNames[g], budget);
    if (!group) return std::nullopt;
    file.groups.push_back(std::move(*group));
  }
  return file;
}

ExecutableIconReader SystemExecutableReader() { return &ReadExecutableIcons; }

}  // namespace gd
