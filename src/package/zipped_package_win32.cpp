// VFZip.dll through the zip library binding, and GetSaveFileNameA for the archive's name.
#include "package/zipped_package_win32.h"

#include <commdlg.h>

#include "platform/path_text.h"
#include "platform/zip_library.h"
#include "settings/settings_store.h"

namespace gd {

std::string ZipLibraryTool::LibraryPath() { return SettingsStore(registry_).ZipLibraryPath(); }

bool ZipLibraryTool::Unzip(const std::string& archive, const std::string& destination) {
  return UnzipArchive(LibraryPath(), prompt_, archive, destination);
}

bool ZipLibraryTool::Zip(const std::string& archive, const std::string& folder,
                         const std::vector<std::string>& names) {
  return ZipFiles(LibraryPath(), prompt_, archive, folder, names);
}

std::optional<std::string> SaveArchiveDialog::ChooseArchiveName(const std::string& startFolder,
                                                                const std::string& proposedName) {
  // "Glimmerkit (*.gd)|*.gd|" with each bar a string terminator.
  static constexpr char kFilter[] = "Glimmerkit (*.gd)\0*.gd\0";
  char file[kMaxPath] = {};
  proposedName.copy(file, kMaxPath - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrInitialDir = startFolder.c_str();
  dialog.lpstrTitle = "Zip Icon Package";
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING | OFN_EXPLORER;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

}  // namespace gd
