// A folder's icon: the [.ShellClassInfo] section of its desktop.ini, which the shell reads
// only from a hidden system desktop.ini in a folder marked as a system folder.
#include <windows.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "companions/proptab/icon_stores_win32.h"
#include "companions/proptab/system_error_win32.h"
#include "platform/path_text.h"

namespace gd::proptab {
namespace {

constexpr std::array<const char*, 3> kIconKeys = {"IconFile", "IconIndex", "IconResource"};
constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

using Entry = std::pair<const char*, std::optional<std::string>>;  // no value: the key goes

std::optional<std::string> ReadKey(const std::string& ini, const char* key) {
  char value[MAX_PATH] = {};
  GetPrivateProfileStringA(kShellClassInfo, key, "", value, MAX_PATH, ini.c_str());
  return value[0] == '\0' ? std::nullopt : std::optional<std::string>(value);
}

bool WriteEntries(const std::string& ini, const std::vector<Entry>& entries) {
  for (const auto& [key, value] : entries) {
    if (!WritePrivateProfileStringA(kShellClassInfo, key, value ? value->c_str() : nullptr, ini.c_str())) return false;
  }
  // Systems that cache profile files write them out now.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
  return true;
}

bool OnReadOnlyMedium(const std::string& folder) {
  char volume[MAX_PATH] = {};
  DWORD flags = 0;
  return GetVolumePathNameA(AddTrailingBackslash(folder).c_str(), volume, MAX_PATH) &&
         GetVolumeInformationA(volume, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
         (flags & FILE_READ_ONLY_VOLUME) != 0;
}

std::vector<Entry> WantedEntries(const IconChange& change, bool hasResource) {
  if (change.restoreDefault) return {{kIconKeys[0], {}}, {kIconKeys[1], {}}, {kIconKeys[2], {}}};
  std::vector<Entry> wanted = {{kIconKeys[0], change.icon.file}, {kIconKeys[1], std::to_string(change.icon.index)}};
  // Newer shells prefer IconResource; one already there must not hide the new icon.
  if (hasResource) wanted.emplace_back(kIconKeys[2], MakeIconRef(change.icon.file, change.icon.index));
  return wanted;
}

}  // namespace

std::string StoreFolderIcon(const std::string& folder, const IconChange& change) {
  const DWORD folderAttributes = GetFileAttributesA(folder.c_str());
  if (folderAttributes == INVALID_FILE_ATTRIBUTES) return "the folder is no longer there.";
  const std::string ini = DesktopIniOf(folder);
  const DWORD iniAttributes = GetFileAttributesA(ini.c_str());
  const bool existed = iniAttributes != INVALID_FILE_ATTRIBUTES;
  if (existed && (iniAttributes & FILE_ATTRIBUTE_READONLY) != 0) return "its desktop.ini is read-only.";
  if (OnReadOnlyMedium(folder)) return "it is on a read-only medium.";

  std::vector<Entry> before;
  for (const char* key : kIconKeys) before.emplace_back(key, ReadKey(ini, key));
  // A hidden or system file cannot be rewritten by a plain open on every system.
  if (existed) SetFileAttributesA(ini.c_str(), iniAttributes & ~kHiddenSystem);
  const auto undo = [&](std::string cause) {
    if (existed) {
      WriteEntries(ini, before);
      SetFileAttributesA(ini.c_str(), iniAttributes);
    } else {
      DeleteFileA(ini.c_str());
    }
    return cause;
  };
  if (!WriteEntries(ini, WantedEntries(change, before[2].second.has_value()))) {
    return undo("its desktop.ini cannot be written: " + SystemErrorText(GetLastError()));
  }
  const DWORD kept = existed ? iniAttributes & ~FILE_ATTRIBUTE_NORMAL : 0;
  if (!SetFileAttributesA(ini.c_str(), kept | kHiddenSystem)) {
    return undo("its desktop.ini cannot be hidden: " + SystemErrorText(GetLastError()));
  }
  const DWORD system = (folderAttributes & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_SYSTEM;
  if (!change.restoreDefault && !SetFileAttributesA(folder.c_str(), system)) {
    return undo("it cannot be marked as a system folder: " + SystemErrorText(GetLastError()));
  }
  return {};
}

}  // namespace gd::proptab
