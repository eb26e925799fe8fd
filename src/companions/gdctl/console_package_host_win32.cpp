// Loading's host in gdctl.
#include "gdctl/console_package_host_win32.h"

#include "system/restore.h"

namespace gd::gdctl {

ConsolePackageHost::ConsolePackageHost(SystemSession& session, CatalogueEvents& events)
    : session_(session), events_(events),
      files_(session.registry(), session.prompt(), session.page().appPath, {}, {}) {}

void ConsolePackageHost::RestoreAllIcons(bool includedOnly) {
  gd::RestoreAllIcons(session_.catalogue(), session_.page(), events_, true, includedOnly);
}

void ConsolePackageHost::RestoreAllCursors(bool includedOnly) {
  gd::RestoreAllCursors(session_.catalogue(), session_.page(), events_, true, includedOnly);
}

std::optional<std::string> ConsolePackageHost::InstallZippedPackage(const std::string& archive) {
  return files_.InstallZippedPackage(archive);
}

bool ConsolePackageHost::CreateShortcut(const std::string& shortcut, const std::string& target) {
  return files_.CreateShortcut(shortcut, target);
}

}  // namespace gd::gdctl
