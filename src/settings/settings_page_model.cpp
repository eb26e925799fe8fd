// The Settings page's rows: their starting state from the registry, the side effects of a
// click or a step, the defaults of each Windows version and the writes of Apply.
#include "settings/settings_page_model.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace gd {
namespace {

constexpr std::string_view kShortcutMarker = "IsShortcut";
constexpr std::string_view kExplorerKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr std::string_view kCacheSizeValue = "Max Cached Icons";
constexpr std::string_view kIcoChoiceKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.ico";
constexpr std::string_view kIconFileClass = "icofile";
constexpr std::string_view kOwnImage = "%1";
// Below this many bits per pixel the shell draws icons in 16 colours.
constexpr int kAllColorsDepth = 16;
constexpr std::string_view kFewColors = "4";

constexpr int kLargeIconSize = 48;
constexpr int kDefaultIconSize = 32;
constexpr int kDefaultCacheSize = 1024;
constexpr int kCacheStep = 512;
constexpr NumberRange kIconSizeRange{16, 72, "pixels"};
constexpr NumberRange kCacheSizeRange{512, 8192, "KB"};

// The row texts, with their kind marker: "-" heading, "#" number, anything else a switch.
constexpr std::array<std::string_view, kSettingsRowCount> kRowTexts{
    "-General",
    "Show icons using all possible colors",
    "Display shortcut overlays",
    "Show icon files as icon image",
    "Use large icons",
    "#Icon size",
    "-Advanced",
    "#Icon cache size",
    "-Others",
    "Save Glimmerdeck settings between sessions",
    "Hide 'Quick Launch' tab",
    "Restore all Icons before opening a new package",
    "Restore all Cursors before opening a new package",
    "Show preview window on opening a package",
    "Show Package Info dialog on saving a package",
    "Use Smart Package loading",
    "Show 'Icon' tab in File/Folder/Drive Properties dialog",
    "Save package as individual icons",
};

// The program's switches of the "Others" group and the setting each one stands for.
struct ProgramRow {
  SettingsRow row;
  Flag flag;
  bool inverted;  // ticked means the setting is off
};
constexpr std::array<ProgramRow, 8> kProgramRows{{
    {SettingsRow::SaveSettings, Flag::Settings, false},
    {SettingsRow::HideQuickLaunch, Flag::QuickLaunch, true},
    {SettingsRow::RestoreIcons, Flag::RestoreIcons, false},
    {SettingsRow::RestoreCursors, Flag::RestoreCursors, false},
    {SettingsRow::ShowPreview, Flag::ShowPreview, false},
    {SettingsRow::PackageInfo, Flag::PackageInfo, false},
    {SettingsRow::SmartLoad, Flag::SmartLoad, false},
    {SettingsRow::SaveAsIcons, Flag::SaveMode, false},
}};

std::optional<int> ParseNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A stored number within the row's range, else the row's starting value.
int NumberWithin(const std::string& text, NumberRange range, int fallback) {
  const auto value = ParseNumber(text);
  return value && *value >= range.minimum && *value <= range.maximum ? *value : fallback;
}

// Writes a text value and tells whether the registry now holds it (a write's own result only
// tells whether the key was there before).
bool WriteText(Registry& registry, RegRoot root, std::string_view key, std::string_view name,
               std::string_view text) {
  registry.WriteRegString(root, key, name, text);
  return registry.ReadText(root, key, name) == text;
}

bool FullColorShell(Os os) {
  return os == Os::Windows98 || os == Os::WindowsMe || os == Os::Windows2000 || os == Os::WindowsXp;
}

bool NtShell(Os os) { return os == Os::Windows2000 || os == Os::WindowsXp; }

}  // namespace

SettingsPageModel::SettingsPageModel(Registry& registry, PropertyTabRegistrar& propertyTab, Os os,
                                     bool newShell)
    : registry_(registry),
      store_(registry),
      propertyTab_(propertyTab),
      os_(os),
      newShell_(newShell),
      propertyTabAvailable_(propertyTab.Available()) {
  ReadDisplaySettings();
  ReadProgramSettings();
}

void SettingsPageModel::ReadDisplaySettings() {
  // More colours than 16 (24 or 32 bits on later systems) count as all colours too, and so
  // does no setting at all where the shell draws in all colours by itself: read as unticked,
  // any change of the group would bring such a shell down to 16 colours.
  const std::string depthText = registry_.ReadText(RegRoot::CurrentUser, kWindowMetricsKey, kShellIconBitsValue);
  const auto depth = ParseNumber(depthText);
  checked_[Index(SettingsRow::AllColors)] =
      depth ? *depth >= kAllColorsDepth : depthText == kRegTextSentinel && FullColorShell(os_);
  checked_[Index(SettingsRow::ShortcutOverlays)] =
      registry_.ReadText(RegRoot::ClassesRoot, "lnkfile", kShortcutMarker) != kRegTextSentinel;
  const std::string iconClass = registry_.ReadText(RegRoot::ClassesRoot, ".ico", "");
  checked_[Index(SettingsRow::IconFilesAsImage)] =
      iconClass != kRegTextSentinel &&
      registry_.ReadText(RegRoot::ClassesRoot, iconClass + "\\DefaultIcon", "") == kOwnImage;
  const std::string iconSize = registry_.ReadText(RegRoot::CurrentUser, kWindowMetricsKey, kShellIconSizeValue);
  checked_[Index(SettingsRow::LargeIcons)] = ParseNumber(iconSize) == kLargeIconSize;
  iconSize_ = NumberWithin(iconSize, kIconSizeRange, kDefaultIconSize);
  cacheSize_ = NumberWithin(registry_.ReadText(RegRoot::LocalMachine, kExplorerKey, kCacheSizeValue),
                            kCacheSizeRange, kDefaultCacheSize);
}

void SettingsPageModel::ReadProgramSettings() {
  for (const ProgramRow& program : kProgramRows) {
    checked_[Index(program.row)] = store_.IsOn(program.flag) != program.inverted;
  }
  checked_[Index(SettingsRow::PropertyTab)] = registry_.RegKeyExists(RegRoot::ClassesRoot, kPropertyTabKey) != 0;
}

std::string_view SettingsPageModel::Label(SettingsRow row) const {
  const std::string_view text = kRowTexts[Index(row)];
  return Kind(row) == RowKind::Heading || Kind(row) == RowKind::Number ? text.substr(1) : text;
}

RowKind SettingsPageModel::Kind(SettingsRow row) const {
  const std::string_view text = kRowTexts[Index(row)];
  if (text.starts_with('-')) return RowKind::Heading;
  if (text.starts_with('#')) return RowKind::Number;
  if (row == SettingsRow::HideQuickLaunch && !newShell_) return RowKind::Greyed;
  // Without the tab's library there is nothing to register.
  if (row == SettingsRow::PropertyTab && !propertyTabAvailable_) return RowKind::Greyed;
  return RowKind::Switch;
}

NumberRange SettingsPageModel::Range(SettingsRow row) const {
  return row == SettingsRow::IconCacheSize ? kCacheSizeRange : kIconSizeRange;
}

int SettingsPageModel::Value(SettingsRow row) const {
  return row == SettingsRow::IconCacheSize ? cacheSize_ : iconSize_;
}

SettingsRow SettingsPageModel::Heading(SettingsGroup group) {
  switch (group) {
    case SettingsGroup::General: return SettingsRow::General;
    case SettingsGroup::Advanced: return SettingsRow::Advanced;
    case SettingsGroup::Others: break;
  }
  return SettingsRow::Others;
}

SettingsGroup SettingsPageModel::GroupOf(SettingsRow row) {
  if (row < SettingsRow::Advanced) return SettingsGroup::General;
  if (row < SettingsRow::Others) return SettingsGroup::Advanced;
  return SettingsGroup::Others;
}

void SettingsPageModel::MarkChanged(SettingsRow row) {
  groups_[static_cast<int>(GroupOf(row))] = true;
  changed_ = true;
}

SettingsEffect SettingsPageModel::Toggle(SettingsRow row) {
  if (Kind(row) != RowKind::Switch) return {};
  bool& checked = checked_[Index(row)];
  checked = !checked;
  MarkChanged(row);
  SettingsEffect effect;
  switch (row) {
    // The NT shell redraws its icons from a rebuilt cache; the others read the depth at start.
    case SettingsRow::AllColors:
      (NtShell(os_) ? effect.needCacheRebuild : effect.restartNeeded) = true;
      break;
    case SettingsRow::LargeIcons:
      iconSize_ = checked ? kLargeIconSize : kDefaultIconSize;
      effect.needCacheRebuild = true;
      break;
    case SettingsRow::ShortcutOverlays:
    case SettingsRow::IconFilesAsImage: effect.needCacheRebuild = true; break;
    default: break;
  }
  return effect;
}

SettingsEffect SettingsPageModel::Step(SettingsRow row, int delta) {
  SettingsEffect effect;
  if (row == SettingsRow::IconSize) {
    iconSize_ = std::clamp(delta < 1 ? iconSize_ - 1 : iconSize_ + delta, kIconSizeRange.minimum,
                           kIconSizeRange.maximum);
    effect.needCacheRebuild = true;
  } else if (row == SettingsRow::IconCacheSize) {
    cacheSize_ = std::clamp(delta > 0 ? cacheSize_ + kCacheStep : cacheSize_ - kCacheStep,
                            kCacheSizeRange.minimum, kCacheSizeRange.maximum);
    effect.restartNeeded = true;
  } else {
    return effect;
  }
  MarkChanged(row);
  return effect;
}

bool SettingsPageModel::DefaultOf(SettingsRow row) const {
  switch (row) {
    case SettingsRow::AllColors: return FullColorShell(os_);
    case SettingsRow::ShortcutOverlays:
    case SettingsRow::IconFilesAsImage:
    case SettingsRow::SaveSettings:
    case SettingsRow::PackageInfo:
    case SettingsRow::SmartLoad:
    case SettingsRow::PropertyTab: return true;
    default: return false;
  }
}

void SettingsPageModel::RestoreDefaults() {
  for (int i = 0; i < kSettingsRowCount; ++i) {
    const auto row = static_cast<SettingsRow>(i);
    if (Kind(row) == RowKind::Switch) checked_[i] = DefaultOf(row);
  }
  iconSize_ = kDefaultIconSize;
  cacheSize_ = kDefaultCacheSize;
  groups_.fill(true);
  changed_ = true;
}

bool SettingsPageModel::WriteGeneral() {
  // A deeper colour setting than 16 bits is kept: ticked means at least that many.
  std::string depth = std::string(kFewColors);
  if (Checked(SettingsRow::AllColors)) {
    const auto stored = ParseNumber(registry_.ReadText(RegRoot::CurrentUser, kWindowMetricsKey, kShellIconBitsValue));
    depth = std::to_string(stored && *stored >= kAllColorsDepth ? *stored : kAllColorsDepth);
  }
  return WriteText(registry_, RegRoot::CurrentUser, kWindowMetricsKey, kShellIconBitsValue, depth);
}

bool SettingsPageModel::WriteOverlays() {
  bool written = true;
  for (const std::string_view type : {"lnkfile", "piffile"}) {
    if (Checked(SettingsRow::ShortcutOverlays)) {
      written &= WriteText(registry_, RegRoot::ClassesRoot, type, kShortcutMarker, "");
    } else {
      // A value that is not there is as good as deleted.
      const long error = registry_.DeleteRegValue(RegRoot::ClassesRoot, type, kShortcutMarker);
      written &= error == regerr::kSuccess || error == regerr::kFileNotFound;
    }
  }
  return written;
}

bool SettingsPageModel::WriteIconFileImages() {
  if (!Checked(SettingsRow::IconFilesAsImage)) return true;
  bool written = WriteText(registry_, RegRoot::ClassesRoot, ".ico", "", kIconFileClass);
  written &= WriteText(registry_, RegRoot::ClassesRoot, std::string(kIconFileClass) + "\\DefaultIcon", "", kOwnImage);
  // The user's own choice of program for .ico files would hide the class's icon.
  const long error = registry_.DeleteRegValue(RegRoot::CurrentUser, kIcoChoiceKey, "Application");
  return written && (error == regerr::kSuccess || error == regerr::kFileNotFound);
}

void SettingsPageModel::WriteOthers(SettingsApplied& applied) {
  for (const ProgramRow& program : kProgramRows) {
    if (!store_.SetFlag(program.flag, Checked(program.row) != program.inverted)) {
      applied.failedRows.emplace_back(Label(program.row));
    }
  }
  if (Kind(SettingsRow::PropertyTab) == RowKind::Switch) {
    const bool wanted = Checked(SettingsRow::PropertyTab);
    if (!propertyTab_.SetRegistered(wanted) ||
        (registry_.RegKeyExists(RegRoot::ClassesRoot, kPropertyTabKey) != 0) != wanted) {
      applied.failedRows.emplace_back(Label(SettingsRow::PropertyTab));
    }
  }
  applied.othersWritten = true;
  applied.rememberWindow = Checked(SettingsRow::SaveSettings);
  applied.quickLaunchTab = !Checked(SettingsRow::HideQuickLaunch);
}

SettingsApplied SettingsPageModel::Apply() {
  SettingsApplied applied;
  if (!changed_) return applied;
  auto note = [&applied, this](bool written, SettingsRow row) {
    if (!written) applied.failedRows.emplace_back(Label(row));
  };
  if (GroupChanged(SettingsGroup::General)) {
    note(WriteGeneral(), SettingsRow::AllColors);
    note(WriteOverlays(), SettingsRow::ShortcutOverlays);
    note(WriteIconFileImages(), SettingsRow::IconFilesAsImage);
    note(WriteText(registry_, RegRoot::CurrentUser, kWindowMetricsKey, kShellIconSizeValue, std::to_string(iconSize_)),
         SettingsRow::IconSize);
  }
  if (GroupChanged(SettingsGroup::Advanced)) {
    note(WriteText(registry_, RegRoot::LocalMachine, kExplorerKey, kCacheSizeValue, std::to_string(cacheSize_)),
         SettingsRow::IconCacheSize);
  }
  if (GroupChanged(SettingsGroup::Others)) WriteOthers(applied);
  groups_.fill(false);
  changed_ = false;
  return applied;
}

}  // namespace gd
