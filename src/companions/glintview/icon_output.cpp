// Saving a group with the icon writer and gathering groups with the library writer.
#include "glintview/icon_output.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "iconfmt/file_bytes.h"
#include "iconfmt/group_naming.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/library_builder.h"
#include "platform/path_text.h"

namespace gd::glintview {
namespace {

// The group without the animation steps that have no image of their own.
IconGroup WithImagesOnly(const IconGroup& group) {
  IconGroup kept{group.name, {}};
  for (const IconImage& image : group.images) {
    if (!image.bytes.empty()) kept.images.push_back(image);
  }
  return kept;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string ProposedIconName(const BrowsedFile& file, std::size_t group) {
  std::string name = FileTitle(file.path);
  if (file.icons.groups.size() > 1) name += " " + file.labels.at(group);
  // Resource names may hold characters that no file name may.
  constexpr std::string_view kNotInNames = "\\/:*?\"<>|";
  std::replace_if(name.begin(), name.end(), [&](char c) { return kNotInNames.find(c) != std::string_view::npos; }, '_');
  return name + ".ico";
}

WriteResult SaveGroupAsIcon(const BrowsedFile& file, std::size_t group, const std::string& path) {
  const std::string target = IconFilePath(path, IconFileType::Icon);
  const std::string what = "Group " + file.labels.at(group);
  const IconGroup kept = WithImagesOnly(file.icons.groups.at(group));
  if (kept.images.empty()) return {false, what + " holds no image to save."};
  const auto bytes = EncodeIconFile(kept, IconFileType::Icon);
  if (!bytes) return {false, what + " is too large for an icon file."};
  if (!WriteFileBytes(target, *bytes)) return {false, what + " could not be saved: " + target + " could not be written."};
  return {true, what + " saved as " + target + "."};
}

WriteResult GatherIntoLibrary(const BrowsedFile& file, std::span<const std::size_t> groups, const std::string& path) {
  std::vector<std::size_t> chosen(groups.begin(), groups.end());
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  std::vector<IconGroup> gathered;
  std::size_t images = 0;
  for (std::size_t g : chosen) {
    IconGroup kept = WithImagesOnly(file.icons.groups.at(g));
    if (kept.images.empty()) continue;
    images += kept.images.size();
    gathered.push_back(std::move(kept));
  }
  if (gathered.empty()) return {false, "No chosen group holds an image to gather."};
  if (gathered.size() > kMaxLibraryGroups || images > kMaxLibraryImages) {
    return {false, "A library holds at most " + std::to_string(kMaxLibraryGroups) + " groups and " +
                       std::to_string(kMaxLibraryImages) + " images; choose fewer groups."};
  }
  const std::string title = FileTitle(path);
  for (std::size_t n = 0; n < gathered.size(); ++n) gathered[n].name = LibraryGroupName(title, n + 1, gathered.size());
  const auto bytes = EncodeIconLibrary(gathered);
  if (!bytes) return {false, "The chosen groups are too large for an icon library."};
  if (!WriteFileBytes(path, *bytes)) return {false, std::string(kLibrarySaveErrorText) + ": " + path};
  return {true, Counted(gathered.size(), "group", "groups") + " gathered into " + path + "."};
}

}  // namespace gd::glintview
