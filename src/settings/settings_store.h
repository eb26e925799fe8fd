// Every setting the program keeps, with its registry place, type and reading rule, and the
// recent-package list. There is no cached state: each call reads or writes the registry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace gd {

// The program's own key under HKEY_CURRENT_USER and its subkeys.
inline constexpr std::string_view kProgramKey = "Software\\Quillmoor\\Glimmerdeck";
inline constexpr std::string_view kRecentKey = "Software\\Quillmoor\\Glimmerdeck\\Recent";
// One value per enabled plugin, named with its file name (with ".gdp"), with empty data.
inline constexpr std::string_view kPluginsKey = "Software\\Quillmoor\\Glimmerdeck\\Plugins";
// The installation keys under HKEY_LOCAL_MACHINE.
inline constexpr std::string_view kInstallKey = "Software\\Quillmoor\\Vantafold\\Glimmerdeck";
inline constexpr std::string_view kProductFamilyKey = "SOFTWARE\\Quillmoor\\Vantafold";

// How a stored number is turned into on or off, which also fixes what a missing value means.
enum class NumberTest {
  NonZero,    // anything but 0 is on: missing (10) is on
  EqualsOne,  // only 1 is on: missing is off
};

// The numeric (REG_DWORD) values of the program key.
enum class Flag {
  Settings,            // remember window and list positions
  QuickLaunch,         // show the Quick Launch tab
  RestoreIcons,        // restore all icons before opening a package
  RestoreCursors,      // restore all cursors before opening a package
  ShowPreview,         // preview window on opening a package
  PackageInfo,         // Package Info dialog on saving
  SmartLoad,           // smart package loading
  SaveMode,            // save as individual icon files instead of a library
  DriveMode,           // Individual Drive Mode
  NoticeApply,         // restriction notice before a silent apply
  NoticeStartMenu,     // notice about the XP classic start menu icons
  RebuildWarning1,     // NT 4.0 Internet Explorer 5 warning before a rebuild
  RebuildWarning2,     // NT 4.0 Active Desktop warning before a rebuild
  RestoreIconsLaunch,  // restoring icons also restores Quick Launch items
  QuickLaunchLoad,     // loading a package also loads its Quick Launch items
  BrowserNames,        // on: ignore the group names stored in icon libraries
};

// The text (REG_SZ) values of the program key.
enum class TextSetting {
  WindowLeft,
  WindowTop,
  PreviewLeft,
  PreviewTop,
  PreviewWidth,
  PreviewHeight,
  Theme,
  PackageAuthor,
  PackageEmail,
  PackageWebsite,
  FileType,
  ShowExtension,
};

enum class PackageSort : int { ByName = 0, ByIconCount = 1, ByAuthor = 2 };

// One switch per category 0 to 6 (Desktop, Start, Folders, Drives, Others, Files, Cursors),
// set from the Include boxes of the Packages page; cursors start excluded.
using IncludeFlags = std::array<bool, 7>;
inline constexpr IncludeFlags kDefaultIncludeFlags{true, true, true, true, true, true, false};

inline constexpr int kRecentCapacity = 10;
inline constexpr int kIncludeCount = 7;

class SettingsStore {
 public:
  explicit SettingsStore(Registry& registry) : registry_(registry) {}

  bool IsOn(Flag flag);
  bool SetFlag(Flag flag, bool on);  // false when the value could not be written
  // The number as stored; a missing value reads as 10.
  std::uint32_t Number(Flag flag);

  std::string ReadText(TextSetting setting);  // "ERROR" when missing
  void WriteText(TextSetting setting, std::string_view text);
  // A position or size stored as decimal text; none when missing or not a number.
  std::optional<int> ReadCoordinate(TextSetting setting);
  void WriteCoordinate(TextSetting setting, int value);

  // Include boxes 1 (Desktop) to 7 (Cursors): 1 to 6 are checked unless "0", 7 only if "1".
  IncludeFlags IncludeSwitches();

  // File type names show their extension unless "Show Extension" is "0".
  bool ShowExtension();

  // The Packages page's Include boxes, stored as "1" or "0".
  void SetIncludeSwitches(const IncludeFlags& flags);
  // The library's order; a missing or unknown value is by name.
  PackageSort Sort();
  void SetSort(PackageSort sort);

  // Puts a package first in the recent list, unless it is listed already.
  void AddRecentPackage(std::string_view path);
  // Recent entry n (1 for the newest); none when that entry is missing or empty.
  std::optional<std::string> RecentPackage(int n);

  // True when the enabled list has a value for this plugin file name (such as "Tool.gdp").
  bool IsPluginEnabled(std::string_view fileName);
  void SetPluginEnabled(std::string_view fileName, bool enabled);

  // The installation key of the machine.
  std::string AppPath();  // "ERROR" when not installed
  std::string InstalledVersion();
  std::string ZipLibraryPath();

 private:
  Registry& registry_;
};

}  // namespace gd
