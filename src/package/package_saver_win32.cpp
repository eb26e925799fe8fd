// Saving through the platform: GetSaveFileNameA, the kernel's file operations and the shell's
// folder delete.
#include "package/package_saver_win32.h"

#include <commdlg.h>

#include <ctime>
#include <utility>

#include "iconfmt/icon_loader.h"
#include "iconfmt/library_builder.h"
#include "platform/shell.h"
#include "platform/unique_handle.h"

namespace gd {

std::string FileDialogFilter(std::string_view barred) {
  std::string filter(barred);
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  // The list ends with an empty string: the terminator c_str() adds after the last one.
  return filter;
}

Win32SaveHost::Win32SaveHost(PathContext paths, Wiring wiring)
    : paths_(std::move(paths)), wiring_(std::move(wiring)) {}

std::optional<std::string> ChoosePackageFileToSave(HWND owner, const std::string& initialFolder) {
  const std::string filter = FileDialogFilter("Icon Package|*.gdtheme|");
  char file[kMaxPath] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.lpstrTitle = "Save Package";
  dialog.lpstrDefExt = "gdt";
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(file);
}

std::optional<std::string> Win32SaveHost::ChooseSaveFile(const std::string& initialFolder) {
  if (wiring_.chooseSaveFile) return wiring_.chooseSaveFile(initialFolder);
  return ChoosePackageFileToSave(wiring_.owner, initialFolder);
}

void Win32SaveHost::ShowPackageInfo(const std::string& packageFile) {
  if (wiring_.showPackageInfo) wiring_.showPackageInfo(packageFile);
}

void Win32SaveHost::ShowWaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

bool Win32SaveHost::CreateFolder(const std::string& folder) {
  return CreateDirectoryA(folder.c_str(), nullptr) != 0;
}

bool Win32SaveHost::CopyFileOver(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Win32SaveHost::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::vector<std::string> Win32SaveHost::ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const UniqueFind search(FindFirstFileA((folder + "\\*.*").c_str(), &found));
  if (!search) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.emplace_back(found.cFileName);
    }
  } while (FindNextFileA(search.get(), &found));
  return names;
}

void Win32SaveHost::DeleteFolderTree(const std::string& folder) { DeleteWithShell(folder, 0); }

void Win32SaveHost::ReloadPackage(const std::string& packageFile) {
  if (wiring_.reloadPackage) wiring_.reloadPackage(packageFile);
}

bool Win32SaveHost::ConvertToIconFile(const std::string& source, int index,
                                      const std::string& destination) {
  return gd::ConvertToIconFile(source, index, destination);
}

bool Win32SaveHost::CanGatherIcon(const std::string& reference) {
  // The builder's own reading, so that the library and the package file count alike.
  return !CollectLibraryGroups("check.icl", {reference}, paths_).empty();
}

bool Win32SaveHost::BuildIconLibrary(const std::string& libraryPath,
                                     const std::vector<std::string>& references) {
  return gd::BuildIconLibrary(libraryPath, references, paths_) == BuildLibraryResult::Written;
}

std::tm Win32SaveHost::Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  return local;
}

}  // namespace gd
