// The library of installed packages: every package file under the Themes directory and
// every package a shortcut there points to, ordered by name, icon count or author, led by
// the Windows defaults; and deleting, installing and accepting dropped packages.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"
#include "package/package_host.h"
#include "platform/ini.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "platform/shell_queries.h"

namespace gd {

inline constexpr std::string_view kWindowsDefaultIcons = "Windows Default Icons";
inline constexpr std::string_view kUnknownAuthor = "Unknown";

inline constexpr const char* kPackageInUseMessage =
    "You cannot delete the selected package as it is currently in use.";
// With the package's name.
inline constexpr const char* kDeletePackageQuestion =
    "Are you sure want to delete the %s icon package?\n\nNote: All icons associated with this "
    "package will also be deleted.";
// With the archive's path.
inline constexpr const char* kNoPackageInArchiveMessage =
    "Error: No icon package was found in file:\n\n%s\n\nPlease try again with a different "
    "package.";
// With the dropped file's path.
inline constexpr const char* kNotAPackageMessage = "Not a valid package file \"%s\".";
// With the start of the dropped file's path.
inline constexpr const char* kDroppedPathTooLongMessage =
    "The path of the dropped file is longer than 259 characters:\n\n%s...\n\nMove the package "
    "to a folder with a shorter path and try again.";
// With the folder or file that stayed.
// With the package file's path.
inline constexpr const char* kPackageMissingMessage =
    "The icon package could not be opened, because its file is missing:\n\n%s\n\nIt may have "
    "been moved, renamed or deleted.";
inline constexpr const char* kFolderNotDeletedMessage =
    "Could not delete the package folder:\n\n%s\n\nA file in it may be open in another "
    "program, or the folder may be read-only. The package stays in the list.";
inline constexpr const char* kFileNotDeletedMessage =
    "Could not delete the package file:\n\n%s\n\nIt may be open in another program, or "
    "read-only. The package stays in the list.";

// What the library reads and changes.
struct LibrarySystem {
  ShellQueries& shell;
  IniStore& ini;
  PackageFiles& files;
  Registry& registry;
  Prompt& prompt;
  std::string themesDir;  // no trailing backslash
};

// The list the Packages page shows: "Windows Default Icons" first, then package file paths.
struct LibraryList {
  std::vector<std::string> entries;
  std::size_t selected = 0;
};

// Gathers and orders the library. Shortcuts in the Themes directory whose target is gone are
// deleted. The loaded package is selected when it is listed, else the Windows defaults.
LibraryList ScanLibrary(LibrarySystem& system, PackageSort sort, const std::string& packageFile);

// The files of the package's own folder (not its subfolders) ending in ".ico", ".cur" or
// ".ani", case ignored.
int CountIcons(PackageFiles& files, const std::string& packageFile);
// The sort key of a package for the mode: its name, its icon count as decimal text, or its
// author ("Unknown" when it names none).
std::string SortKey(LibrarySystem& system, PackageSort sort, const std::string& packageFile);

// False, after telling the user, when the package is the applied or the loaded one.
bool CanDelete(LibrarySystem& system, const std::string& packageFile,
               const std::string& loadedPackage);

enum class DeleteOutcome { Kept, Deleted };
// Asks, then deletes the package: its whole folder when that is a folder of its own below
// the Themes directory and holds no other package; otherwise (a package directly in Themes,
// one reached through a shortcut, one sharing its folder) only the package file, the icon
// files it names in its own folder, and the shortcuts in Themes that point to it. The entry
// leaves the list and the Windows defaults are selected.
DeleteOutcome DeletePackage(LibrarySystem& system, LibraryList& list, std::size_t entry);

// Installs an archive and selects the package it holds, adding it at the end when it is not
// listed yet; tells the user when the archive holds no package.
std::optional<std::string> InstallFromFile(LibrarySystem& system, LibraryList& list,
                                           PackageHost& host, const std::string& archive);

// Whether a dropped file's name is a package's (".gdtheme", ".gd", ".zip", case ignored).
bool IsDroppablePackage(std::string_view path);
// Loads a package file or archive as the window does, telling the user when it fails; the
// package file that was loaded (an archive's is the one found in it), or none.
using PackageLoad = std::function<std::optional<std::string>(const std::string& path)>;

// A file dropped on the window: loaded and selected (added at the end first when it is not
// listed) when its name is a package's; otherwise the user is told.
// A path longer than the system's paths allow is refused rather than cut short.
bool AcceptDroppedFile(LibrarySystem& system, LibraryList& list, const std::string& path,
                       const PackageLoad& load);

// Tells the user why loading `path` failed: the file is missing, the archive holds no
// package, or the name is not a package's.
void TellLoadFailure(LibrarySystem& system, const std::string& path);

}  // namespace gd
