// Archives through VFZip.dll, shortcuts through the shell link, files through kernel32.
#include "package/package_host_win32.h"

#include <windows.h>

#include <utility>

#include "package/zipped_package_win32.h"
#include "platform/path_text.h"
#include "platform/shell.h"
#include "platform/unique_handle.h"

namespace gd {

Win32PackageHost::Win32PackageHost(Registry& registry, Prompt& prompt, std::string appPath,
                                   Restore icons, Restore cursors)
    : registry_(registry),
      prompt_(prompt),
      appPath_(std::move(appPath)),
      restoreIcons_(std::move(icons)),
      restoreCursors_(std::move(cursors)) {}

void Win32PackageHost::RestoreAllIcons(bool includedOnly) {
  if (restoreIcons_) restoreIcons_(includedOnly);
}

void Win32PackageHost::RestoreAllCursors(bool includedOnly) {
  if (restoreCursors_) restoreCursors_(includedOnly);
}

std::optional<std::string> Win32PackageHost::InstallZippedPackage(const std::string& archive) {
  ZipLibraryTool tool(registry_, prompt_);
  return gd::InstallZippedPackage(appPath_, archive, tool);
}

bool Win32PackageHost::CreateShortcut(const std::string& shortcut, const std::string& target) {
  return WriteShortcut(shortcut, target, "", "", 0);
}

std::vector<PackageFiles::Entry> Win32PackageFiles::ListFolder(const std::string& folder) {
  std::vector<Entry> entries;
  const std::string query = AddTrailingBackslash(folder) + "*.*";
  if (!FitsPathBuffer(query)) return entries;
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA(query.c_str(), &data));
  if (!find) return entries;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(find.get(), &data));
  return entries;
}

bool Win32PackageFiles::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32PackageFiles::RemoveTree(const std::string& folder) {
  return DeleteWithShell(RemoveTrailingBackslash(folder), 0) == 0;
}

}  // namespace gd
