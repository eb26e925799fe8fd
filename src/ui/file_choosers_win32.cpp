// GetOpenFileNameA for opening and installing packages; saving and zipping use the dialogs
// of the package subsystem.
#include "ui/file_choosers_win32.h"

#include <windows.h>
#include <commdlg.h>

#include "package/package_saver_win32.h"
#include "package/zipped_package_win32.h"
#include "platform/path_text.h"
#include "plugins/plugin_manager.h"

namespace gd {
namespace {

std::optional<std::string> ChooseFileToOpen(const std::string& folder, std::string_view filter,
                                            const char* title) {
  const std::string terminated = FileDialogFilter(filter);
  char file[kMaxPath] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = terminated.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = title;
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

}  // namespace

std::optional<std::string> SystemFileChoosers::OpenPackage(const std::string& themesDir) {
  return ChooseFileToOpen(themesDir,
                          "Package Files (*.gdtheme,*.gd)|*.gdtheme;*.gd;*.zip|Icon Packages "
                          "(*.gdtheme)|*.gdtheme|Zipped Package (*.gd)|*.gd;*.zip|",
                          "Open Package");
}

std::optional<std::string> SystemFileChoosers::InstallArchive(const std::string& themesDir) {
  return ChooseFileToOpen(themesDir, "Icon Packages (*.gd)|*.gd;*.zip|All Files|*.*|",
                          "Install Package");
}

std::optional<std::string> SystemFileChoosers::InstallPlugin(const std::string& pluginFolder) {
  return ChooseFileToOpen(pluginFolder, kPluginFileFilter, std::string(kInstallPluginTitle).c_str());
}

std::optional<std::string> SystemFileChoosers::ChangeCursor(const std::string& slotName,
                                                            const std::string& startFolder) {
  const std::string title = "Change Cursor for " + slotName;
  return ChooseFileToOpen(startFolder,
                          "Cursor Files|*.cur;*.ani|Standard Cursors (*.cur)|*.cur|Animated Cursors (*.ani)|*.ani|",
                          title.c_str());
}

std::optional<std::string> SystemFileChoosers::SavePackage(const std::string& themesDir) {
  return ChoosePackageFileToSave(GetActiveWindow(), themesDir);
}

std::optional<std::string> SystemFileChoosers::ChooseArchiveName(const std::string& startFolder,
                                                                 const std::string& proposedName) {
  return SaveArchiveDialog(GetActiveWindow()).ChooseArchiveName(startFolder, proposedName);
}

}  // namespace gd
