// Version-dependent places and default icons of the folder slots.
#include "catalogue/folder_table.h"

#include <string_view>

#include "platform/os_version.h"

namespace gd::folders {
namespace {

bool IsWindows2000OrXp(Os os) { return os == Os::Windows2000 || os == Os::WindowsXp; }

}  // namespace

ClassPrefix ShellFolderPrefix(const CatalogueInputs& inputs) {
  // The old shell knows only the machine-wide classes; later shells let each user override a
  // folder's icon, and XP keeps those overrides under Explorer's own key.
  if (!inputs.newShell) return {RegRoot::ClassesRoot, "CLSID\\"};
  if (inputs.osVersion == Os::WindowsXp) {
    return {RegRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"};
  }
  return {RegRoot::CurrentUser, "Software\\Classes\\CLSID\\"};
}

ClassPrefix BrowserFolderPrefix(const CatalogueInputs& inputs) {
  if (IsWindows2000OrXp(inputs.osVersion)) {
    return {RegRoot::CurrentUser, "Software\\Classes\\CLSID\\"};
  }
  return {RegRoot::ClassesRoot, "CLSID\\"};
}

int ControlPanelIconIndex(const CatalogueInputs& inputs) {
  if (inputs.osVersion == Os::WindowsMe) return 54;
  if (IsWindows2000OrXp(inputs.osVersion)) return 57;
  if (!inputs.newShell) return 46;
  return inputs.shellVersion == kShellVersion471 ? 50 : 51;
}

int PrintersIconIndex(const CatalogueInputs& inputs) {
  if (inputs.osVersion == Os::WindowsMe) return 55;
  // Windows 2000 and XP show printers (and faxes) as a Control Panel item with this icon.
  if (IsWindows2000OrXp(inputs.osVersion)) return 58;
  if (!inputs.newShell) return 47;
  return inputs.shellVersion == kShellVersion471 ? 51 : 52;
}

int FavoritesIconIndex(const CatalogueInputs& inputs) {
  if (inputs.osVersion == Os::WindowsMe) return 83;
  if (IsWindows2000OrXp(inputs.osVersion)) return 86;
  // The favourites icon came with the browser's shell update, so it follows the shell library
  // whether or not the system counts as having the new shell.
  if (inputs.shellVersion == kShellVersion471) return 78;
  if (inputs.shellVersion == kShellVersion472) return 79;
  return 72;
}

DefaultIcon UrlHistoryIcon(const CatalogueInputs& inputs) {
  const std::string_view ie = inputs.ieVersion;
  const std::string browserLibrary = "%WinSysPath%\\shdocvw.dll";
  if (ie.starts_with("5") || ie.starts_with("6")) return {browserLibrary, 24};
  if (ie.starts_with("4.72")) return {browserLibrary, 32};
  if (inputs.shellVersion == kShellVersion471 || inputs.newShell) return {browserLibrary, 36};
  return {"%WinSysPath%\\cachevu.dll", 0};
}

}  // namespace gd::folders
