// Opening an icon source for the browser: its groups, their labels and the status line.
#include "glintview/browsed_file.h"

#include "iconfmt/file_bytes.h"
#include "iconfmt/group_naming.h"
#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd::glintview {
namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The loader numbers every group that has no stored name after the file's title; such a
// number is no name of the group's own, and the grid shows the index instead.
std::string GroupLabel(const IconFile& icons, std::size_t g, const std::string& title) {
  if (g < icons.resourceNames.size()) {
    // Program files name their groups by resource name, or by number ("#101").
    const std::string& name = icons.resourceNames[g];
    return !name.empty() && name.front() != '#' ? name : std::to_string(g);
  }
  const std::string& name = icons.groups[g].name;
  if (name.empty() || name == ListedGroupName(title, g + 1, icons.groups.size())) return std::to_string(g);
  return name;
}

// A 32-bit program file: the system loader reads its icons, so when none came back it has none.
bool IsProgramFile(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 64 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  std::size_t header = 0;
  for (int i = 3; i >= 0; --i) header = header << 8 | bytes[60 + static_cast<std::size_t>(i)];
  return header <= bytes.size() - 4 && bytes[header] == 'P' && bytes[header + 1] == 'E' &&
         bytes[header + 2] == 0 && bytes[header + 3] == 0;
}

std::string NoIcons(const std::string& name) { return "The file " + name + " holds no icons."; }

std::string WhyNotRead(const std::string& path) {
  const std::string name = FileName(path);
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return name + " could not be read: the file is missing, cannot be opened or is too large.";
  if (IsProgramFile(*bytes)) return NoIcons(name);
  return name + " could not be read: it is no icon, cursor or icon library, or it is damaged.";
}

}  // namespace

std::size_t BrowsedFile::ImageCount() const {
  std::size_t count = 0;
  for (const IconGroup& group : icons.groups) count += group.images.size();
  return count;
}

OpenResult OpenIconSource(const std::string& path, ExecutableIconReader readExecutable) {
  auto icons = LoadAllIcons(path, false, readExecutable);
  if (!icons) return {std::nullopt, WhyNotRead(path)};
  if (icons->groups.empty()) return {std::nullopt, NoIcons(FileName(path))};
  BrowsedFile file{path, std::move(*icons), {}, EndsWithIgnoreCase(path, ".ani")};
  const std::string title = FileTitle(path);
  file.labels.reserve(file.icons.groups.size());
  for (std::size_t g = 0; g < file.icons.groups.size(); ++g) file.labels.push_back(GroupLabel(file.icons, g, title));
  std::string status = CountsText(file);
  return {std::move(file), std::move(status)};
}

std::string CountsText(const BrowsedFile& file) {
  return FileName(file.path) + ": " + Counted(file.icons.groups.size(), "group", "groups") + ", " +
         Counted(file.ImageCount(), "image", "images");
}

}  // namespace gd::glintview
