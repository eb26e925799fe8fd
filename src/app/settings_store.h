// Every setting the program keeps, with its registry place, type and reading rule, and the
// recent-package list. There is no cached state: each call reads or writes the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/page_state.h"
#include "platform/program_identity.h"
#include "platform/registry.h"

namespace gd {

inline constexpr std::string_view kRecentKey = "Software\\Quillmoor\\Glimmerdeck\\Recent";
inline constexpr std::string_view kPluginsKey = "Software\\Quillmoor\\Glimmerdeck\\Plugins";
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

std::string_view FlagName(Flag flag);
NumberTest FlagTest(Flag flag);
std::string_view TextSettingName(TextSetting setting);

inline constexpr int kRecentCapacity = 10;
inline constexpr int kIncludeCount = 7;

class SettingsStore {
 public:
  explicit SettingsStore(Registry& registry) : registry_(registry) {}

  bool IsOn(Flag flag);
  void SetFlag(Flag flag, bool on);

  std::string ReadText(TextSetting setting);  // "ERROR" when missing
  void WriteText(TextSetting setting, std::string_view text);
  // A position or size stored as decimal text; none when missing or not a number.
  std::optional<int> ReadCoordinate(TextSetting setting);
  void WriteCoordinate(TextSetting setting, int value);

  PackageSort Sort();
  void SetSort(PackageSort sort);

  // Include box n (1 Desktop .. 7 Cursors): 1 to 6 checked unless "0", 7 only if "1".
  bool Include(int n);
  void SetInclude(int n, bool checked);
  // All seven boxes as the include switches of loading and restoring.
  IncludeFlags IncludeSwitches();

  // File type names show their extension unless "Show Extension" is "0".
  bool ShowExtension();

  void AddRecentPackage(std::string_view path);
  // "Package1" .. "Package<count>" that are present, newest first.
  std::vector<std::string> RecentPackages(int count);

  // The installation key of the machine.
  std::string AppPath();  // "ERROR" when not installed
  std::string InstalledVersion();
  std::string ZipLibraryPath();

 private:
  Registry& registry_;
};

}  // namespace gd
