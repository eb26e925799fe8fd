// The Packages page (dialog 103): the library of installed packages as large entries with
// their authors and sample icons, the sort order, the Include boxes, and loading, deleting,
// installing, zipping and inspecting packages.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "package/package_host.h"
#include "package/package_library.h"
#include "package/zipped_package.h"
#include "platform/dialog_win32.h"
#include "settings/settings_store.h"
#include "ui/file_choosers.h"
#include "ui/preview_window_win32.h"

namespace gd {

// What the page asks of the main window.
class PackagesPageHost {
 public:
  virtual ~PackagesPageHost() = default;
  // Loads a package file or archive as the window's Open does; the package file that was
  // loaded, or none.
  virtual std::optional<std::string> LoadPackageFile(const std::string& path) = 0;
  // No package: every slot back to the Windows default.
  virtual void LoadWindowsDefaults() = 0;
  virtual std::string LoadedPackage() = 0;
};

// What the page works with besides the window.
struct LibraryServices {
  LibrarySystem& library;
  PackageHost& installer;  // unpacks archives
  ArchiveTool& zipTool;
  FileChoosers& choosers;
  PackagesPageHost& host;
};

class PackagesPage final : public Dialog, private PreviewHost {
 public:
  PackagesPage(LibraryServices services, SettingsStore& settings);

  // Creates the page in the main window; with `remembered` the sort order and Include boxes
  // are those the user left last time.
  bool Create(HINSTANCE instance, HWND mainWindow, bool remembered);
  // Lists the library again (after a load, save, install or a change on disk).
  void Rescan();
  // Zips the selected package ("Package Theme").
  void PackageTheme();
  // The page's menu commands and keys; false for any other command.
  bool RunCommand(int id);
  // Keeps the sort order and the Include boxes for the next start.
  void StoreSettings();
  // The Preview window, when it was ever opened.
  const PreviewWindow& preview() const { return preview_; }

  const LibraryList& list() const { return list_; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void FillList();
  std::optional<std::size_t> SelectedEntry() const;
  bool PackageSelected() const;
  void SelectionUpdate();
  void SendIncludeStates();
  void Load();
  void Delete();
  void InstallFromDisk();
  void ShowInfo();
  void ShowInstallMenu();
  void ShowContextMenu(LPARAM where);
  void AcceptDrop(HDROP drop);
  void DrawEntry(const DRAWITEMSTRUCT& item);
  void TogglePreview();
  bool PreviewShown() const;
  // PreviewHost
  void PreviewClosed() override;

  LibraryServices services_;
  SettingsStore& settings_;
  bool remembered_ = false;
  LibraryList list_;
  PreviewWindow preview_;
};

}  // namespace gd
