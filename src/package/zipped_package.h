// Zipped packages (".gd", ".zip"): where an archive is unpacked under the Themes directory,
// and packing an installed package's folder into an archive of a name the user chose.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/package_host.h"
#include "platform/ini.h"
#include "platform/shell_queries.h"

namespace gd {

// The zip library as installing and packing use it.
class ArchiveTool {
 public:
  virtual ~ArchiveTool() = default;
  // Every file of the archive into `destination`, creating it; true on success.
  virtual bool Unzip(const std::string& archive, const std::string& destination) = 0;
  // Exactly the named files of `folder` into a new archive, each under its name.
  virtual bool Zip(const std::string& archive, const std::string& folder,
                   const std::vector<std::string>& names) = 0;
};

// Asks for the name of the archive to write: the platform's save dialog in the program, a
// fixed name in the console tool and in tests. None when the user cancels.
class ArchiveNameChooser {
 public:
  virtual ~ArchiveNameChooser() = default;
  virtual std::optional<std::string> ChooseArchiveName(const std::string& startFolder,
                                                       const std::string& proposedName) = 0;
};

// "<appPath>\Themes\<archive title>", less a final "[x]" suffix such as "[1]". None when no
// folder of its own is left (an empty title, or one of dots) or the path is too long: the
// archive would otherwise be unpacked over the Themes directory or beside it.
std::optional<std::string> InstallFolderFor(std::string_view appPath, std::string_view archive);

// Unpacks the archive into its folder; the folder, or none when the archive's name gives none.
// Whether the unpacking succeeded is not reported: the caller's search for a package file
// decides.
std::optional<std::string> InstallZippedPackage(const std::string& appPath,
                                                const std::string& archive, ArchiveTool& tool);

// The package file an installed archive holds: the first "*.gdtheme" the search of the folder
// and its subfolders found (the search puts it last). None when there is none.
std::optional<std::string> FindInstalledPackageFile(ShellQueries& shell,
                                                    const std::string& folder);

// The archive name the save dialog proposes: the package file's title followed by ".gd".
std::string ProposedArchiveName(std::string_view packageFile);

// Packs exactly the package: its file and the icon files it names in its own folder that are
// there. Other packages and files that share the folder (a package directly in Themes, or one
// kept among a user's files) stay out. False when the package file names no folder or the
// packing failed.
bool PackPackageFiles(const std::string& packageFile, const std::string& archive,
                      ArchiveTool& tool, PackageFiles& files, IniStore& ini);

// Asks for an archive name (starting in `themesDir`, proposing the package's title) and packs
// the package into it. False when the user cancelled or the packing failed.
bool SaveZippedPackage(const std::string& packageFile, const std::string& themesDir,
                       ArchiveNameChooser& chooser, ArchiveTool& tool, PackageFiles& files,
                       IniStore& ini);

}  // namespace gd
