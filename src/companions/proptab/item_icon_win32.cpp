// Finding the icon an item shows, the way the shell finds it.
#include "companions/proptab/item_icon_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cctype>
#include <optional>

#include "platform/path_text.h"
#include "platform/shell.h"

namespace gd::proptab {
namespace {

// Folders, drives and unknown files without icons of their own show these of shell32.dll.
constexpr int kUnknownFileIcon = 0;
constexpr int kFolderIcon = 3;
constexpr int kRemovableDriveIcon = 7;
constexpr int kFixedDriveIcon = 8;
constexpr int kRemoteDriveIcon = 9;
constexpr int kCdDriveIcon = 11;
constexpr int kRamDriveIcon = 12;

std::string SystemFile(const char* name) {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  return AddTrailingBackslash(std::string(folder, length < MAX_PATH ? length : 0)) + name;
}

ItemIcon Shell32Icon(int index, std::string origin) {
  return ItemIcon{IconRef{SystemFile("shell32.dll"), index}, false, std::move(origin)};
}

std::string ExpandVariables(const std::string& text) {
  char expanded[MAX_PATH * 2] = {};
  const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
  return length > 0 && length <= sizeof expanded ? std::string(expanded) : text;
}

// The default value of a key, or empty.
std::string DefaultValue(HKEY root, const std::string& key) {
  char value[MAX_PATH * 2] = {};
  LONG size = sizeof value - 1;
  return RegQueryValueA(root, key.c_str(), value, &size) == ERROR_SUCCESS ? std::string(value) : std::string();
}

std::string ProfileString(const std::string& ini, const char* key) {
  char value[MAX_PATH] = {};
  GetPrivateProfileStringA(kShellClassInfo, key, "", value, MAX_PATH, ini.c_str());
  return value;
}

// Where the shell itself takes the item's icon from, when it says.
std::optional<IconRef> ShellIconLocation(const std::string& path) {
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICONLOCATION) == 0 || info.szDisplayName[0] == '\0') {
    return std::nullopt;
  }
  return IconRef{FindIconFile(info.szDisplayName, ""), info.iIcon};
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

ItemIcon FileIcon(const std::string& path) {
  const std::string type = FileTypeOf(path);
  if (type.empty()) {
    // The shell may still know an icon for the file itself (programs show their own).
    if (auto shown = ShellIconLocation(path)) {
      return ItemIcon{*shown, false, "No file type is registered for it; this is the shell's own icon for it."};
    }
    return Shell32Icon(kUnknownFileIcon, "Files of this kind have no registered type.");
  }
  const std::string text = DefaultValue(HKEY_CLASSES_ROOT, type + "\\DefaultIcon");
  if (text.empty()) return Shell32Icon(kUnknownFileIcon, "The file type " + Quoted(type) + " has no icon of its own.");
  ItemIcon result{ParseIconText(text, FolderOf(path)), true, "The icon of the file type " + Quoted(type) + "."};
  // "%1": every file of the type shows the icon it holds itself.
  if (result.icon.file == "%1") result.icon.file = path;
  return result;
}

ItemIcon DriveTypeIcon(const std::string& root) {
  switch (GetDriveTypeA(root.c_str())) {
    case DRIVE_REMOVABLE: return Shell32Icon(kRemovableDriveIcon, "The system's icon for the drive.");
    case DRIVE_REMOTE: return Shell32Icon(kRemoteDriveIcon, "The system's icon for the drive.");
    case DRIVE_CDROM: return Shell32Icon(kCdDriveIcon, "The system's icon for the drive.");
    case DRIVE_RAMDISK: return Shell32Icon(kRamDriveIcon, "The system's icon for the drive.");
    default: return Shell32Icon(kFixedDriveIcon, "The system's icon for the drive.");
  }
}

ItemIcon DriveDefaultIcon(const std::string& root, bool overridden) {
  // The shell's answer would include our own override while it stands.
  if (overridden) return DriveTypeIcon(root);
  if (auto shown = ShellIconLocation(root)) return ItemIcon{*shown, false, "The shell's icon for the drive."};
  return DriveTypeIcon(root);
}

std::string DriveOverride(const std::string& root) {
  const char letter = DriveLetterOf(root);
  return letter == 0 ? std::string() : DefaultValue(HKEY_LOCAL_MACHINE, DriveIconKey(letter));
}

ItemIcon FolderOwnIcon(const std::string& folder) {
  const std::string ini = DesktopIniOf(folder);
  const std::string file = ProfileString(ini, "IconFile");
  if (!file.empty()) {
    const int index = static_cast<int>(GetPrivateProfileIntA(kShellClassInfo, "IconIndex", 0, ini.c_str()));
    return ItemIcon{IconRef{FindIconFile(ExpandVariables(file), folder), index}, true, "Set in the folder's desktop.ini."};
  }
  const std::string resource = ProfileString(ini, "IconResource");
  if (!resource.empty()) return ItemIcon{ParseIconText(resource, folder), true, "Set in the folder's desktop.ini."};
  return ItemIcon{};
}

ItemIcon ShortcutTargetIcon(const std::string& target) {
  if (target.empty()) return Shell32Icon(kUnknownFileIcon, "The shortcut names no file.");
  const ItemKind kind = KindOfPath(target);
  // A shortcut to a shortcut shows its target's file type icon rather than following on.
  ItemIcon icon = CurrentIcon(SelectedItem{target, kind == ItemKind::Shortcut ? ItemKind::File : kind});
  icon.ownSetting = false;
  icon.origin = "The icon of the shortcut's target.";
  return icon;
}

}  // namespace

std::string DesktopIniOf(const std::string& folder) { return AddTrailingBackslash(folder) + "desktop.ini"; }

std::string DriveIconKey(char letter) {
  return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\") + letter + "\\DefaultIcon";
}

char DriveLetterOf(const std::string& root) {
  if (root.size() < 2 || root[1] != ':') return 0;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
  return letter >= 'A' && letter <= 'Z' ? letter : char{0};
}

std::string FileTypeOf(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return extension.empty() ? std::string() : DefaultValue(HKEY_CLASSES_ROOT, extension);
}

std::string FindIconFile(const std::string& file, const std::string& folder) {
  if (file.empty() || file == "%1" || !PathIsRelativeA(file.c_str())) return file;
  if (!folder.empty()) {
    const std::string beside = AddTrailingBackslash(folder) + file;
    if (GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
  }
  char found[MAX_PATH] = {};
  const DWORD length = SearchPathA(nullptr, file.c_str(), nullptr, MAX_PATH, found, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(found, length) : file;
}

IconRef ParseIconText(std::string text, const std::string& folder) {
  text = ExpandVariables(text);
  const int index = ParseIconRef(text, "", PathContext{});
  return IconRef{FindIconFile(text, folder), index};
}

ItemIcon CurrentIcon(const SelectedItem& item) {
  switch (item.kind) {
    case ItemKind::Shortcut: {
      std::string target, file;
      int index = 0;
      ReadShortcut(item.path, target, file, index);
      if (file.empty()) return ShortcutTargetIcon(target);
      return ItemIcon{IconRef{FindIconFile(ExpandVariables(file), FolderOf(item.path)), index}, true,
                      "Set in the shortcut."};
    }
    case ItemKind::Folder: {
      ItemIcon own = FolderOwnIcon(item.path);
      return own.ownSetting ? own : DefaultIcon(item);
    }
    case ItemKind::Drive: {
      const std::string text = DriveOverride(item.path);
      if (text.empty()) return DriveDefaultIcon(item.path, false);
      return ItemIcon{ParseIconText(text, ""), true, "Set for this drive letter."};
    }
    case ItemKind::File: break;
  }
  return FileIcon(item.path);
}

ItemIcon DefaultIcon(const SelectedItem& item) {
  switch (item.kind) {
    case ItemKind::Shortcut: {
      std::string target, file;
      int index = 0;
      ReadShortcut(item.path, target, file, index);
      return ShortcutTargetIcon(target);
    }
    case ItemKind::Folder: return Shell32Icon(kFolderIcon, "The system's icon for folders.");
    case ItemKind::Drive: return DriveDefaultIcon(item.path, !DriveOverride(item.path).empty());
    case ItemKind::File: break;
  }
  return FileIcon(item.path);  // file types keep no default apart from their icon
}

}  // namespace gd::proptab
