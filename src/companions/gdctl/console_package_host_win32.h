// What loading needs from gdctl: archives and shortcuts as the program does them, and quiet
// restores that act on the session's own page.
#pragma once

#include "gdctl/system_session_win32.h"
#include "package/package_host_win32.h"

namespace gd::gdctl {

class ConsolePackageHost final : public PackageHost {
 public:
  ConsolePackageHost(SystemSession& session, CatalogueEvents& events);
  void RestoreAllIcons(bool includedOnly) override;
  void RestoreAllCursors(bool includedOnly) override;
  std::optional<std::string> InstallZippedPackage(const std::string& archive) override;
  bool CreateShortcut(const std::string& shortcut, const std::string& target) override;

 private:
  SystemSession& session_;
  CatalogueEvents& events_;
  Win32PackageHost files_;
};

}  // namespace gd::gdctl
