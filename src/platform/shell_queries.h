// The questions the catalogue asks the shell and the file system besides the registry: files,
// special folders, drives, display names and shortcuts. The real shell answers in the
// program; tests fix the answers.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gd {

class ShellQueries {
 public:
  virtual ~ShellQueries() = default;
  virtual bool FileExists(const std::string& path) = 0;
  // The path of a special folder by its shell number; none when the lookup fails or is empty.
  virtual std::optional<std::string> SpecialFolderPath(int folder) = 0;
  // The drive roots ("C:\") in the order the system lists them.
  virtual std::vector<std::string> DriveRoots() = 0;
  // The platform's drive type numbers (2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk).
  virtual unsigned DriveType(const std::string& root) = 0;
  // The shell's display name of a file or drive root, such as "Data (D:)".
  virtual std::string DisplayName(const std::string& path) = 0;
  // FindFiles: the file found last stands first.
  virtual std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern,
                                             bool recurse) = 0;
  virtual bool ReadShortcut(const std::string& shortcut, std::string& target,
                            std::string& iconFile, int& iconIndex) = 0;
  // How many icons a file holds (as ExtractIconA with index -1 tells).
  virtual int IconCount(const std::string& file) = 0;
};

// The shell of the running system.
ShellQueries& SystemShell();

}  // namespace gd
