// The Preview window's categories, entries and format choice, read from the package file.
#include "ui/preview_content.h"

#include <array>
#include <optional>

#include "iconfmt/descriptions.h"
#include "package/package_format.h"
#include "platform/registry.h"
#include "platform/text_case.h"

namespace gd {
namespace {

// Sections that hold the package's own information, not icons.
constexpr std::array<std::string_view, 4> kNotCategories{"Software Credits", "Software Info", "Include",
                                                         "Package Info"};

// The icons the first category shows: section and key.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kGeneralEntries{{
    {"Desktop Icons", "My Computer"},
    {"Desktop Icons", "Network Neighborhood"},
    {"Desktop Icons", "The Internet"},
    {"Desktop Icons", "Recycle Bin (full)"},
    {"Folder Icons", "Closed Folder"},
    {"Folder Icons", "Control Panel"},
    {"Drive Icons", "Hard Drive"},
    {"Other Icons", "Shortcut Overlay"},
    {"File Icons", "Default Icon"},
    {"File Icons", "Default Document"},
    {"File Icons", "Internet Document"},
}};

// Without the shell's own setting the icons are drawn as on a standard desktop.
constexpr std::string_view kStandardIconSize = "32";
constexpr std::string_view kStandardFormat = "32 x 32,  256 colors";

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualsIgnoreCase(text.substr(0, start.size()), start);
}

std::optional<std::size_t> FirstStartingWith(const std::vector<std::string>& formats, std::string_view start) {
  for (std::size_t i = 0; i < formats.size(); ++i) {
    if (StartsWithIgnoringCase(formats[i], start)) return i;
  }
  return std::nullopt;
}

void AddEntry(IniStore& ini, const std::string& packageFile, const std::string& section, const std::string& key,
              std::vector<PreviewEntry>& entries) {
  std::string value;
  if (!ReadIniValue(ini, section, key, value, packageFile)) return;
  const PackageIconRef icon = ResolvePackageValue(value, PackageDirectory(packageFile), PathContext{});
  entries.push_back({key, icon.path, icon.index});
}

}  // namespace

std::vector<std::string> PreviewCategories(IniStore& ini, const std::string& packageFile) {
  std::vector<std::string> categories{std::string(kGeneralIcons)};
  TextList sections;
  ListIniSections(ini, packageFile, sections);
  // The list comes newest first: the file's last section at its head.
  for (auto section = sections.rbegin(); section != sections.rend(); ++section) {
    bool information = false;
    for (const std::string_view name : kNotCategories) information |= EqualsIgnoreCase(*section, name);
    if (!information) categories.push_back(*section);
  }
  return categories;
}

std::vector<PreviewEntry> PreviewEntries(IniStore& ini, const std::string& packageFile, std::string_view category) {
  std::vector<PreviewEntry> entries;
  if (category == kGeneralIcons) {
    for (const auto& [section, key] : kGeneralEntries) {
      AddEntry(ini, packageFile, std::string(section), std::string(key), entries);
    }
    return entries;
  }
  const std::string section(category);
  for (const std::string& key : ReadSectionKeys(ini, packageFile, section)) {
    AddEntry(ini, packageFile, section, key, entries);
  }
  return entries;
}

std::vector<std::string> PreviewFormats(const std::vector<PreviewEntry>& entries,
                                        ExecutableIconReader readExecutable) {
  std::vector<std::string> formats;
  for (const PreviewEntry& entry : entries) {
    const auto described = DescribeImages(entry.file, entry.index, readExecutable);
    if (!described) continue;
    for (const std::string& format : *described) {
      bool known = false;
      for (const std::string& seen : formats) known |= EqualsIgnoreCase(seen, format);
      if (!known) formats.push_back(format);
    }
  }
  return formats;
}

std::size_t ChooseFormat(const std::vector<std::string>& formats, std::string_view shownBefore,
                         const ShellIconLook& shell) {
  for (std::size_t i = 0; i < formats.size(); ++i) {
    if (EqualsIgnoreCase(formats[i], shownBefore)) return i;
  }
  const std::string size = shell.iconSize == kRegTextSentinel ? std::string(kStandardIconSize) : shell.iconSize;
  const auto sized = FirstStartingWith(formats, size);
  if (!sized) return 0;
  std::string wanted = size + " x " + size + ",  ";
  if (shell.colorBits == kRegTextSentinel || shell.colorBits == "8") {
    wanted += "256";
  } else if (shell.colorBits == "16" || shell.colorBits == "32") {
    wanted += "True color";
  }
  if (const auto exact = FirstStartingWith(formats, wanted)) return *exact;
  // The standard format is looked for from the second entry on, the first one last.
  for (std::size_t step = 1; step <= formats.size(); ++step) {
    const std::size_t i = step % formats.size();
    if (StartsWithIgnoringCase(formats[i], kStandardFormat)) return i;
  }
  return *sized;
}

}  // namespace gd
