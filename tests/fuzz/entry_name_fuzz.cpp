// Fuzzes VFZip's check of archive entry names: a name it accepts is the same name as a
// relative Windows path that stays inside the destination and names no device.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "companions/include/vfzip.h"
#include "companions/vfzip/entry_name.h"
#include "fuzz_check.h"
#include "package/package_format.h"

namespace {

// The devices Windows opens in any folder: these names, alone or before a dot, blanks before
// the dot ignored, in any case. The digits include the superscripts 1, 2 and 3 of code page 1252.
bool IsDevice(std::string_view part) {
  static const std::set<std::string> kDevices = [] {
    std::set<std::string> devices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* port : {"COM", "LPT"}) {
      for (char digit : std::string_view("123456789\xB9\xB2\xB3")) devices.insert(port + std::string(1, digit));
    }
    return devices;
  }();
  std::string base(part.substr(0, part.find('.')));
  base.erase(base.find_last_not_of(' ') + 1);
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return kDevices.contains(base);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  if (name.find_first_of("/\\") == std::string_view::npos) GD_FUZZ_CHECK(gd::vfzip::IsDeviceName(name) == IsDevice(name));

  const gd::vfzip::EntryName checked = gd::vfzip::CheckEntryName(name);
  if (checked.code != VFZIP_OK) {
    GD_FUZZ_CHECK(!checked.reason.empty() && checked.path.empty());
    return 0;
  }
  GD_FUZZ_CHECK(checked.is_folder == (name.ends_with('/') || name.ends_with('\\')));
  // The path is the name's own parts, "." and empty ones left out, with "\" between them.
  std::string parts;
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
    const std::string_view part = name.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    // No part climbs out, names a stream or a drive, holds what Windows refuses in a name,
    // ends in what Windows would drop, or is a device.
    GD_FUZZ_CHECK(part != ".." && part.find_first_of(":<>\"|?*") == std::string_view::npos);
    for (char c : part) GD_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
    GD_FUZZ_CHECK(!part.ends_with('.') && !part.ends_with(' ') && !IsDevice(part));
    if (!parts.empty()) parts += '\\';
    parts += part;
  }
  GD_FUZZ_CHECK(!parts.empty() && checked.path == parts && !name.starts_with('/') && !name.starts_with('\\'));
  // The package's own rule for staying inside its folder agrees: the archive's is the stricter.
  GD_FUZZ_CHECK(gd::StaysInsideFolder(checked.path));
  return 0;
}
