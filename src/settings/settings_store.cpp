// The table of settings and their reading rules, and the recent-package list algorithm.
#include "settings/settings_store.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/text_case.h"

namespace gd {
namespace {

struct FlagInfo {
  Flag flag;
  std::string_view name;
  NumberTest test;
};

constexpr std::array<FlagInfo, 16> kFlags{{
    {Flag::Settings, "Settings", NumberTest::NonZero},
    {Flag::QuickLaunch, "Quick Launch", NumberTest::NonZero},
    {Flag::RestoreIcons, "Restore Icons", NumberTest::NonZero},
    {Flag::RestoreCursors, "Restore Cursors", NumberTest::EqualsOne},
    {Flag::ShowPreview, "Show Preview", NumberTest::EqualsOne},
    {Flag::PackageInfo, "Package Info", NumberTest::NonZero},
    {Flag::SmartLoad, "Smart Load", NumberTest::NonZero},
    {Flag::SaveMode, "Save Mode", NumberTest::EqualsOne},
    {Flag::DriveMode, "Drive Mode", NumberTest::EqualsOne},
    {Flag::NoticeApply, "Notice Apply", NumberTest::NonZero},
    {Flag::NoticeStartMenu, "Notice StartMenu", NumberTest::NonZero},
    {Flag::RebuildWarning1, "Rebuild Warning 1", NumberTest::NonZero},
    {Flag::RebuildWarning2, "Rebuild Warning 2", NumberTest::NonZero},
    {Flag::RestoreIconsLaunch, "Restore Icons Launch", NumberTest::NonZero},
    {Flag::QuickLaunchLoad, "Quick Launch Load", NumberTest::EqualsOne},
    {Flag::BrowserNames, "Browser Names", NumberTest::EqualsOne},
}};

constexpr std::array<std::pair<TextSetting, std::string_view>, 12> kTexts{{
    {TextSetting::WindowLeft, "Window Left"},
    {TextSetting::WindowTop, "Window Top"},
    {TextSetting::PreviewLeft, "Preview Left"},
    {TextSetting::PreviewTop, "Preview Top"},
    {TextSetting::PreviewWidth, "Preview Width"},
    {TextSetting::PreviewHeight, "Preview Height"},
    {TextSetting::Theme, "Theme"},
    {TextSetting::PackageAuthor, "Package Author"},
    {TextSetting::PackageEmail, "Package Email"},
    {TextSetting::PackageWebsite, "Package Website"},
    {TextSetting::FileType, "File Type"},
    {TextSetting::ShowExtension, "Show Extension"},
}};

const FlagInfo& Info(Flag flag) {
  for (const auto& info : kFlags) {
    if (info.flag == flag) return info;
  }
  return kFlags.front();
}

constexpr std::string_view kSortName = "Sort";

std::string IncludeName(int n) { return "Include" + std::to_string(n); }
std::string RecentName(int n) { return "Package" + std::to_string(n); }

bool IsPresent(const std::string& text) { return !text.empty() && text != kRegTextSentinel; }

std::string_view TextSettingName(TextSetting setting) {
  for (const auto& [id, name] : kTexts) {
    if (id == setting) return name;
  }
  return kTexts.front().second;
}

}  // namespace

std::uint32_t SettingsStore::Number(Flag flag) {
  return registry_.ReadNumber(RegRoot::CurrentUser, kProgramKey, Info(flag).name);
}

bool SettingsStore::IsOn(Flag flag) {
  const std::uint32_t value = Number(flag);
  return Info(flag).test == NumberTest::NonZero ? value != 0 : value == 1;
}

bool SettingsStore::SetFlag(Flag flag, bool on) {
  const std::uint32_t value = on ? 1 : 0;
  // The write's own result only tells whether the key was there before.
  registry_.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, Info(flag).name, value);
  return Number(flag) == value;
}

std::string SettingsStore::ReadText(TextSetting setting) {
  return registry_.ReadText(RegRoot::CurrentUser, kProgramKey, TextSettingName(setting));
}

void SettingsStore::WriteText(TextSetting setting, std::string_view text) {
  registry_.WriteRegString(RegRoot::CurrentUser, kProgramKey, TextSettingName(setting), text);
}

std::optional<int> SettingsStore::ReadCoordinate(TextSetting setting) {
  const std::string text = ReadText(setting);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

void SettingsStore::WriteCoordinate(TextSetting setting, int value) {
  WriteText(setting, std::to_string(value));
}

IncludeFlags SettingsStore::IncludeSwitches() {
  IncludeFlags flags{};
  for (int n = 1; n <= kIncludeCount; ++n) {
    const std::string text = registry_.ReadText(RegRoot::CurrentUser, kProgramKey, IncludeName(n));
    flags[static_cast<std::size_t>(n - 1)] = n == kIncludeCount ? text == "1" : text != "0";
  }
  return flags;
}

void SettingsStore::SetIncludeSwitches(const IncludeFlags& flags) {
  for (int n = 1; n <= kIncludeCount; ++n) {
    registry_.WriteRegString(RegRoot::CurrentUser, kProgramKey, IncludeName(n),
                             flags[static_cast<std::size_t>(n - 1)] ? "1" : "0");
  }
}

PackageSort SettingsStore::Sort() {
  const std::uint32_t value = registry_.ReadNumber(RegRoot::CurrentUser, kProgramKey, kSortName);
  return value <= static_cast<std::uint32_t>(PackageSort::ByAuthor) ? static_cast<PackageSort>(value)
                                                                    : PackageSort::ByName;
}

void SettingsStore::SetSort(PackageSort sort) {
  registry_.WriteRegNumber(RegRoot::CurrentUser, kProgramKey, kSortName,
                           static_cast<std::uint32_t>(sort));
}

bool SettingsStore::ShowExtension() { return ReadText(TextSetting::ShowExtension) != "0"; }

void SettingsStore::AddRecentPackage(std::string_view path) {
  for (int n = 1; n <= kRecentCapacity; ++n) {
    if (EqualsIgnoreCase(registry_.ReadText(RegRoot::CurrentUser, kRecentKey, RecentName(n)),
                         path)) {
      return;  // already listed: the order stays as it is
    }
  }
  for (int n = kRecentCapacity - 1; n >= 1; --n) {
    const std::string entry = registry_.ReadText(RegRoot::CurrentUser, kRecentKey, RecentName(n));
    if (IsPresent(entry)) {
      registry_.WriteRegString(RegRoot::CurrentUser, kRecentKey, RecentName(n + 1), entry);
    }
  }
  registry_.WriteRegString(RegRoot::CurrentUser, kRecentKey, RecentName(1), path);
}

std::optional<std::string> SettingsStore::RecentPackage(int n) {
  std::string entry = registry_.ReadText(RegRoot::CurrentUser, kRecentKey, RecentName(n));
  if (!IsPresent(entry)) return std::nullopt;
  return entry;
}

bool SettingsStore::IsPluginEnabled(std::string_view fileName) {
  if (fileName.empty()) return false;
  return registry_.ReadText(RegRoot::CurrentUser, kPluginsKey, fileName) != kRegTextSentinel;
}

void SettingsStore::SetPluginEnabled(std::string_view fileName, bool enabled) {
  if (enabled) {
    registry_.WriteRegString(RegRoot::CurrentUser, kPluginsKey, fileName, "");
  } else {
    registry_.DeleteRegValue(RegRoot::CurrentUser, kPluginsKey, fileName);
  }
}

std::string SettingsStore::AppPath() {
  return registry_.ReadText(RegRoot::LocalMachine, kInstallKey, "Path");
}

std::string SettingsStore::InstalledVersion() {
  return registry_.ReadText(RegRoot::LocalMachine, kInstallKey, "Version");
}

std::string SettingsStore::ZipLibraryPath() {
  return registry_.ReadText(RegRoot::LocalMachine, kProductFamilyKey, "VFZip");
}

}  // namespace gd
