// Choosing an icon reader by extension, naming listed groups, and converting to .ico files.
#include "iconfmt/icon_loader.h"

#include "iconfmt/ani_reader.h"
#include "iconfmt/file_bytes.h"
#include "iconfmt/group_naming.h"
#include "iconfmt/ico_reader.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/ne_reader.h"
#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

std::optional<IconFile> ReadModuleIcons(const std::string& path, int index, bool readNames,
                                        ExecutableIconReader readExecutable) {
  if (readExecutable) {
    if (auto file = readExecutable(path, index)) return file;
  }
  return ReadLibraryIcons(path, index, readNames);
}

}  // namespace

std::optional<IconFile> LoadIcon(const std::string& path, int index, ExecutableIconReader readExecutable) {
  if (EndsWithIgnoreCase(path, ".ico")) return ReadIcoFile(path);
  return ReadModuleIcons(path, index, false, readExecutable);
}

std::optional<IconFile> LoadAllIcons(const std::string& path, bool browserNames,
                                     ExecutableIconReader readExecutable) {
  std::optional<IconFile> file;
  bool namesStored = false;
  if (EndsWithIgnoreCase(path, ".ico") || EndsWithIgnoreCase(path, ".cur")) {
    file = ReadIcoFile(path);
  } else if (EndsWithIgnoreCase(path, ".ani")) {
    file = ReadAniFile(path);
  } else {
    if (readExecutable) file = readExecutable(path, -1);
    if (!file) {
      file = ReadLibraryIcons(path, -1, !browserNames);
      namesStored = file && !browserNames;
    }
  }
  if (!file) return std::nullopt;
  // Groups keep the names stored in a library; all others are numbered after the file title.
  std::string title = FileTitle(path);
  const std::size_t count = file->groups.size();
  for (std::size_t i = 0; i < count; ++i) {
    IconGroup& group = file->groups[i];
    if (!namesStored || group.name.empty()) group.name = ListedGroupName(title, i + 1, count);
  }
  return file;
}

bool ConvertToIconFile(const std::string& sourcePath, int index, const std::string& destinationPath,
                       ExecutableIconReader readExecutable) {
  if (EndsWithIgnoreCase(sourcePath, ".ico") || EndsWithIgnoreCase(sourcePath, ".cur") ||
      EndsWithIgnoreCase(sourcePath, ".ani")) {
    if (EqualsIgnoreCase(sourcePath, destinationPath)) return true;
    auto bytes = ReadFileBytes(sourcePath);
    return bytes && WriteFileBytes(destinationPath, *bytes);
  }
  auto file = ReadModuleIcons(sourcePath, index, false, readExecutable);
  if (!file || file->groups.empty()) return false;
  return WriteIconFile(destinationPath, file->groups, 0, 1) == WriteIconResult::Written;
}

}  // namespace gd
