// One changeable icon or cursor of the system: its place, and its pending, current and
// default icon references.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace gd {

// How a slot's current icon is found in the system.
enum class SlotKind : int {
  RegistryValue = 0,         // a string value holds the reference
  ClassDefaultIcon = 1,      // extension -> class -> class\DefaultIcon
  ShellIconFallback = 2,     // as RegistryValue, else the "Shell Icons" value of the index
  ClsidDefaultIcon = 3,      // a value of key\DefaultIcon
  FolderDesktopIni = 5,      // IconFile/IconIndex of a desktop.ini
  BuiltIn = 6,               // no place: the default is also the current icon
  ExtensionDefaultIcon = 7,  // an extension under HKEY_CLASSES_ROOT, default from backup.ini
};

namespace slotflag {
inline constexpr std::uint32_t kAddedFormat = 0x0004;
inline constexpr std::uint32_t kChanged = 0x0008;
inline constexpr std::uint32_t kMissingImage = 0x8002;  // both bits, set and cleared together
}  // namespace slotflag

// Limits of the record's fixed-size texts, in characters (their buffers hold one more).
inline constexpr std::size_t kMaxSlotPath = 259;
inline constexpr std::size_t kMaxFileType = 51;
inline constexpr std::size_t kMaxValueName = 11;

struct IconSlot {
  SlotKind kind = SlotKind::RegistryValue;  // how the current icon was found
  std::string fileType;  // kinds 1 and 7: the extension or class key as given
  std::uint32_t flags = 0;
  std::string iconPath;  // pending icon: shown, and written by applying
  int iconIndex = 0;
  std::string currentPath;  // what the system had when the slot was built
  int currentIndex = 0;
  std::string defaultPath;  // the Windows default; empty when the slot has none
  int defaultIndex = 0;
  std::optional<RegRoot> rootKey;  // none for desktop.ini and built-in slots
  std::string keyPath;    // ends in "\DefaultIcon" for kinds 1, 3, 7; the desktop.ini for 5
  std::string valueName;  // empty: the key's default value

  bool IsChanged() const { return (flags & slotflag::kChanged) != 0; }
};

}  // namespace gd
