// Installing a zipped package into its folder under Themes, and packing one into an archive.
#include "package/zipped_package.h"

#include <algorithm>
#include <vector>

#include "package/package_format.h"
#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {

std::optional<std::string> InstallFolderFor(std::string_view appPath, std::string_view archive) {
  std::string name = FileTitle(archive);
  // A copy saved twice is named "Blue[1]": it belongs in the folder of "Blue".
  if (name.size() >= 3 && name[name.size() - 3] == '[' && name.back() == ']') {
    name.resize(name.size() - 3);
  }
  // What is left must name one folder below Themes, never Themes itself or its parent.
  if (name.find_first_of("\\/") != std::string::npos || !StaysInsideFolder(name)) {
    return std::nullopt;
  }
  std::string folder = std::string(appPath) + "\\Themes\\" + name;
  if (!FitsPathBuffer(folder)) return std::nullopt;
  return folder;
}

std::optional<std::string> InstallZippedPackage(const std::string& appPath,
                                                const std::string& archive, ArchiveTool& tool) {
  std::optional<std::string> folder = InstallFolderFor(appPath, archive);
  if (folder) tool.Unzip(archive, *folder);
  return folder;
}

std::optional<std::string> FindInstalledPackageFile(ShellQueries& shell,
                                                    const std::string& folder) {
  const std::vector<std::string> found = shell.FindFiles(folder, "*.gdtheme", true);
  if (found.empty()) return std::nullopt;
  return found.back();
}

std::string ProposedArchiveName(std::string_view packageFile) {
  return FileTitle(packageFile) + ".gd";
}

bool PackPackageFiles(const std::string& packageFile, const std::string& archive,
                      ArchiveTool& tool, PackageFiles& files, IniStore& ini) {
  const std::string folder = PackageDirectory(packageFile);
  if (folder.empty() || archive.empty()) return false;
  std::vector<std::string> wanted{FileName(packageFile)};
  for (const std::string& file : OwnIconFiles(ini, packageFile)) wanted.push_back(FileName(file));
  // Only what is there: a package may name a file it lost, which the archive cannot hold.
  const std::vector<PackageFiles::Entry> present = files.ListFolder(RemoveTrailingBackslash(folder));
  std::vector<std::string> names;
  for (const std::string& name : wanted) {
    const bool there = std::any_of(present.begin(), present.end(), [&](const auto& entry) {
      return !entry.folder && EqualsIgnoreCase(entry.name, name);
    });
    if (there) names.push_back(name);
  }
  if (names.empty()) return false;
  // The archive is made anew; an old one of that name must not lend it entries.
  files.RemoveFile(archive);
  return tool.Zip(archive, RemoveTrailingBackslash(folder), names);
}

bool SaveZippedPackage(const std::string& packageFile, const std::string& themesDir,
                       ArchiveNameChooser& chooser, ArchiveTool& tool, PackageFiles& files,
                       IniStore& ini) {
  const std::optional<std::string> archive =
      chooser.ChooseArchiveName(themesDir, ProposedArchiveName(packageFile));
  return archive && PackPackageFiles(packageFile, *archive, tool, files, ini);
}

}  // namespace gd
