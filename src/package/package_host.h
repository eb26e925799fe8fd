// What loading and the package library need from the rest of the program and the file system
// but cannot do themselves: restoring defaults, unpacking archives, shortcuts, listing and
// deleting files. The program plugs in the real ones; tests plug in fakes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gd {

class PackageHost {
 public:
  virtual ~PackageHost() = default;
  // Put every icon (or cursor) slot back to its Windows default without asking; with
  // `includedOnly` only the categories whose include switch is on.
  virtual void RestoreAllIcons(bool includedOnly) = 0;
  virtual void RestoreAllCursors(bool includedOnly) = 0;
  // Unpacks a zipped package into its folder under the Themes directory; the folder, or none
  // when the archive's name gives no folder to unpack into.
  virtual std::optional<std::string> InstallZippedPackage(const std::string& archive) = 0;
  // A shortcut to `target` with no description and no icon; true when it was saved.
  virtual bool CreateShortcut(const std::string& shortcut, const std::string& target) = 0;
};

// The few file operations the library needs besides the shell's searches.
class PackageFiles {
 public:
  struct Entry {
    std::string name;  // without folder
    bool folder = false;
  };
  virtual ~PackageFiles() = default;
  // The entries directly in `folder` (no "." and ".."); empty when it cannot be listed.
  virtual std::vector<Entry> ListFolder(const std::string& folder) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Deletes a folder with everything in it, through the shell, without the recycle bin.
  virtual bool RemoveTree(const std::string& folder) = 0;
};

}  // namespace gd
