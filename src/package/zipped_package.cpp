// Installing a zipped package into its folder under Themes, and packing one into an archive.
#include "package/zipped_package.h"

#include <vector>

#include "package/package_format.h"
#include "platform/path_text.h"

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

bool PackPackageFolder(const std::string& packageFile, const std::string& archive,
                       ArchiveTool& tool, PackageFiles& files) {
  // Without a folder the pattern would pack whatever the current directory holds.
  const std::string folder = PackageDirectory(packageFile);
  if (folder.empty() || archive.empty()) return false;
  // The library adds to an archive that exists; the user asked for a new one.
  files.RemoveFile(archive);
  return tool.Zip(archive, folder + "*.*");
}

bool SaveZippedPackage(const std::string& packageFile, const std::string& themesDir,
                       ArchiveNameChooser& chooser, ArchiveTool& tool, PackageFiles& files) {
  const std::optional<std::string> archive =
      chooser.ChooseArchiveName(themesDir, ProposedArchiveName(packageFile));
  return archive && PackPackageFolder(packageFile, *archive, tool, files);
}

}  // namespace gd
