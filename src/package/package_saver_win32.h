// The program's SaveHost: the platform's save-file dialog and file operations and the real
// icon writers; the Package Info dialog and the loader are plugged in by the window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "package/package_saver.h"
#include "platform/path_text.h"

namespace gd {

class Win32SaveHost final : public SaveHost {
 public:
  using PackageAction = std::function<void(const std::string& packageFile)>;
  using FileChoice = std::function<std::optional<std::string>(const std::string& initialFolder)>;

  // What the caller plugs in; an empty action does nothing.
  struct Wiring {
    HWND owner = nullptr;        // owns the save-file dialog
    FileChoice chooseSaveFile;   // replaces that dialog when set (the console, tests)
    PackageAction showPackageInfo;
    PackageAction reloadPackage;
  };

  // `paths` resolve the icon references of the library.
  Win32SaveHost(PathContext paths, Wiring wiring);

  std::optional<std::string> ChooseSaveFile(const std::string& initialFolder) override;
  void ShowPackageInfo(const std::string& packageFile) override;
  void ShowWaitCursor() override;
  bool CreateFolder(const std::string& folder) override;
  bool CopyFileOver(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& folder) override;
  void DeleteFolderTree(const std::string& folder) override;
  void ReloadPackage(const std::string& packageFile) override;
  bool ConvertToIconFile(const std::string& source, int index,
                         const std::string& destination) override;
  bool CanGatherIcon(const std::string& reference) override;
  bool BuildIconLibrary(const std::string& libraryPath,
                        const std::vector<std::string>& references) override;
  std::tm Today() override;

 private:
  PathContext paths_;
  Wiring wiring_;
};

// The save-file dialog for a package file, opened in `initialFolder`; none when cancelled.
std::optional<std::string> ChoosePackageFileToSave(HWND owner, const std::string& initialFolder);

// A file dialog filter written with bars for the terminators it needs ("Name|*.ext|").
std::string FileDialogFilter(std::string_view barred);

}  // namespace gd
