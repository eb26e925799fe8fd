// The Settings page's rows and what they change: how the shell shows icons, the icon cache size
// and the program's own switches. Read from the registry once, kept until Apply writes them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os_version.h"
#include "platform/registry.h"
#include "settings/settings_store.h"

namespace gd {

// The rows in their order on the page.
enum class SettingsRow : int {
  General,
  AllColors,
  ShortcutOverlays,
  IconFilesAsImage,
  LargeIcons,
  IconSize,
  Advanced,
  IconCacheSize,
  Others,
  SaveSettings,
  HideQuickLaunch,
  RestoreIcons,
  RestoreCursors,
  ShowPreview,
  PackageInfo,
  SmartLoad,
  PropertyTab,
  SaveAsIcons,
};
inline constexpr int kSettingsRowCount = 18;

enum class RowKind { Heading, Switch, Number, Greyed };
enum class SettingsGroup { General, Advanced, Others };

// What a change on the page asks of the main window's Apply.
struct SettingsEffect {
  bool needCacheRebuild = false;
  bool restartNeeded = false;
};

// The number rows' limits and unit.
struct NumberRange {
  int minimum;
  int maximum;
  std::string_view unit;
};

// The shell's "Icon" property tab, which registers itself through its library's exports.
class PropertyTabRegistrar {
 public:
  virtual ~PropertyTabRegistrar() = default;
  // False when the library is not there: the tab cannot be switched at all.
  virtual bool Available() = 0;
  // Runs the library's registration (or its removal); false when that could not be done.
  virtual bool SetRegistered(bool registered) = 0;
};

// What Apply did: the settings that must take effect in the window at once, and the rows whose
// values could not be written (their texts, as the page shows them).
struct SettingsApplied {
  bool othersWritten = false;
  bool rememberWindow = true;  // meaningful when othersWritten
  bool quickLaunchTab = true;  // meaningful when othersWritten
  std::vector<std::string> failedRows;
};

// Where the shell keeps the size and colour depth it draws icons in (texts, HKEY_CURRENT_USER).
inline constexpr std::string_view kWindowMetricsKey = "Control Panel\\desktop\\WindowMetrics";
inline constexpr std::string_view kShellIconSizeValue = "Shell Icon Size";
inline constexpr std::string_view kShellIconBitsValue = "Shell Icon BPP";

// The shell's property-sheet handler key that the "Icon" tab's registration creates.
inline constexpr std::string_view kPropertyTabKey =
    "*\\shellex\\PropertySheetHandlers\\{93CCF120-E053-45CA-B7E0-7DC963928598}";

class SettingsPageModel {
 public:
  // Reads the rows' starting state. Without the new shell there is no Quick Launch tab to hide.
  SettingsPageModel(Registry& registry, PropertyTabRegistrar& propertyTab, Os os, bool newShell);

  // The row's text without its kind marker.
  std::string_view Label(SettingsRow row) const;
  RowKind Kind(SettingsRow row) const;
  bool Checked(SettingsRow row) const { return checked_[Index(row)]; }
  NumberRange Range(SettingsRow row) const;
  int Value(SettingsRow row) const;
  bool GroupChanged(SettingsGroup group) const { return groups_[static_cast<int>(group)]; }
  bool changed() const { return changed_; }
  // The heading row of a group.
  static SettingsRow Heading(SettingsGroup group);

  // The user ticked or unticked a switch row; headings, number rows and greyed rows keep their
  // state. What the change asks of Apply.
  SettingsEffect Toggle(SettingsRow row);
  // The up-down control stepped a number row by `delta`: the icon size moves by one pixel
  // down or by `delta` up, the cache size by 512 either way, both kept within their range.
  SettingsEffect Step(SettingsRow row, int delta);
  // Every switch and number back to the default of this Windows version, to be applied.
  void RestoreDefaults();
  // Writes the groups that changed, then counts as unchanged.
  SettingsApplied Apply();

 private:
  static int Index(SettingsRow row) { return static_cast<int>(row); }
  static SettingsGroup GroupOf(SettingsRow row);
  void MarkChanged(SettingsRow row);
  bool DefaultOf(SettingsRow row) const;
  void ReadDisplaySettings();
  void ReadProgramSettings();
  bool WriteGeneral();
  bool WriteOverlays();
  bool WriteIconFileImages();
  void WriteOthers(SettingsApplied& applied);

  Registry& registry_;
  SettingsStore store_;
  PropertyTabRegistrar& propertyTab_;
  Os os_;
  bool newShell_;
  bool propertyTabAvailable_;
  std::array<bool, kSettingsRowCount> checked_{};
  std::array<bool, 3> groups_{};
  int iconSize_ = 32;
  int cacheSize_ = 1024;
  bool changed_ = false;
};

}  // namespace gd
