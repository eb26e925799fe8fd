// The program's own host for loading and the library: VFZip.dll for archives, the shell link
// object for shortcuts, the file system and the shell's delete for the library.
#pragma once

#include <functional>

#include "package/package_host.h"
#include "platform/prompt.h"
#include "platform/registry.h"

namespace gd {

class Win32PackageHost final : public PackageHost {
 public:
  // Restoring belongs to the system subsystem: the program passes its quiet restores in.
  using Restore = std::function<void(bool includedOnly)>;

  Win32PackageHost(Registry& registry, Prompt& prompt, std::string appPath, Restore icons,
                   Restore cursors);

  void RestoreAllIcons(bool includedOnly) override;
  void RestoreAllCursors(bool includedOnly) override;
  std::optional<std::string> InstallZippedPackage(const std::string& archive) override;
  bool CreateShortcut(const std::string& shortcut, const std::string& target) override;

 private:
  Registry& registry_;
  Prompt& prompt_;
  std::string appPath_;
  Restore restoreIcons_;
  Restore restoreCursors_;
};

class Win32PackageFiles final : public PackageFiles {
 public:
  std::vector<Entry> ListFolder(const std::string& folder) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveTree(const std::string& folder) override;
};

}  // namespace gd
