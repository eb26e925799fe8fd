// The main window: dialog 102 with its page list, the pages beside it, its menu, keys and
// buttons, the closing and switching prompts, and the commands other processes send it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/dialog_win32.h"
#include "platform/html_help_win32.h"
#include "platform/prompt.h"
#include "platform/unique_handle.h"
#include "settings/settings_store.h"
#include "ui/app_state.h"
#include "ui/handover_block_win32.h"
#include "ui/icons_page_win32.h"
#include "ui/packages_page_win32.h"
#include "ui/page_list_win32.h"
#include "ui/page_operations.h"
#include "ui/settings_page_win32.h"
#include "ui/window_start.h"

namespace gd {

// What the window's pages and dialogs work with, besides the catalogue's operations.
struct WindowServices {
  LibrarySystem& library;
  PackageHost& installer;
  ArchiveTool& zipTool;
  FileChoosers& choosers;
  Registry& registry;
  PropertyTabRegistrar& propertyTab;
  SlotCatalogue& catalogue;  // the slots the Icons & Cursors page shows
  IconPicker& picker;
};

class MainWindow final : public Dialog,
                         private WindowStartHost,
                         private PackagesPageHost,
                   private SettingsPageHost,
                   private IconsPageHost,
                         private CatalogueEvents {
 public:
  MainWindow(const WindowStart& start, SettingsStore& settings, Prompt& prompt,
             PageOperations& operations, WindowServices services);

  // Runs the window as the program's main loop; the process's exit code.
  int Run(HINSTANCE instance);
  // The exit code that the way the window ended stands for.
  int ExitCode() const { return cancelled_ ? kExitCancelled : kExitOk; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnDestroy() override;
  const char* HelpTopic() const override;

  // WindowStartHost
  void SelectPage(int entry) override;
  void ShowSelectedPage() override;
  bool LoadPackage(const std::string& packageFile) override;
  void RestoreAllIconsQuietly() override;
  void RestoreAllCursorsQuietly() override;
  void CancelWindow() override;
  void OkAction() override;
  void MoveWindowTo(int left, int top) override;

  // PackagesPageHost
  std::optional<std::string> LoadPackageFile(const std::string& path) override;
  void LoadWindowsDefaults() override;
  std::string LoadedPackage() override { return state_.page.packageFile; }

  // SettingsPageHost
  void SettingsChanged(const SettingsEffect& effect) override;
  void RebuildIconCacheNow() override;

  // IconsPageHost
  void SlotsChanged(bool needCacheRebuild) override;

  // CatalogueEvents
  void SlotRefreshed(Category category, int item) override { iconsPage_.RefreshSlot(category, item); }
  void ListsChanged() override { iconsPage_.Refresh(); }
  void TitleChanged() override { UpdateTitle(); }
  void ApplyEnabled() override { OfferApplyWhenPending(); }
  void PackageListChanged() override;
  void RecentPackageAdded(const std::string& packageFile) override;

  bool LoadQuietly(const std::string& packageFile);
  void SetUpIcons();
  void BuildPages();
  void ShowPage(PageEntry entry);
  void OnPageListSelection();
  bool RunMenuCommand(int id);
  void OpenPackage();
  void OpenRecent(int n);
  void LoadHandedPackage();
  void Save(bool saveAs);
  void SwitchToPackageBuilder();
  void SwitchToLocalUpdate();
  void CheckView();
  void OpenHelp(const char* topic);
  void OpenAddress(const char* address);
  void ShowAbout();
  void ShowPlugins();
  void Apply();
  void OfferRestart();
  void OfferApplyWhenPending();
  bool PackageModified() const;
  PromptAnswer Ask(const char* question);
  void Cancel();
  void Close(INT_PTR result);
  bool ApplyIsEnabled() const;
  void UpdateTitle();

  WindowStart start_;
  AppState state_;
  SettingsStore& settings_;
  Prompt& prompt_;
  PageOperations& operations_;
  WindowServices services_;
  HandoverBlock handover_;
  HtmlHelpViewer helpViewer_;
  PageList pageList_;
  PackagesPage packagesPage_;
  IconsPage iconsPage_;
  SettingsPage settingsPage_;
  UniqueIcon largeIcon_;
  UniqueIcon smallIcon_;
  UniqueGdiObject listBrush_;
  PageEntry shownPage_ = PageEntry::IconsAndCursors;
  bool closed_ = false;
  bool cancelled_ = false;
};

}  // namespace gd
