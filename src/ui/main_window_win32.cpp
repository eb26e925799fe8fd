// Start-up, pages, menus and buttons of the main window.
#include "ui/main_window_win32.h"

#include <string>

#include "catalogue/catalogue_inputs.h"
#include "package/package_saver_win32.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/shell_queries.h"
#include "platform/system_paths.h"
#include "platform/wait_cursor_win32.h"
#include "ui/about_dialog_win32.h"
#include "ui/help_topics.h"
#include "ui/package_info_dialog_win32.h"
#include "ui/plugins_dialog_win32.h"
#include "ui/recent_menu_win32.h"
#include "ui/resource_ids.h"
#include "ui/web_links.h"

namespace gd {
namespace {

constexpr COLORREF kPageListGrey = RGB(128, 128, 128);
constexpr int kPageListItemHeight = 78;
// The shell's restart dialog, exported by ordinal only; 2 offers to restart Windows.
constexpr WORD kRestartDialogOrdinal = 59;
constexpr DWORD kRestartWindows = 2;

constexpr const char* kSaveBeforeClosing = "Would you like to save your changes before closing?";
constexpr const char* kSavePackageBeforeClosing =
    "Do you want to save your icon package before closing?";
constexpr const char* kApplyBeforeBuilder =
    "Would you like to apply your changes before switching to Package Builder?";
constexpr const char* kSavePackageBeforeLocal =
    "Do you want to save your icon package before switching to Local Update?";
constexpr const char* kHelpMissing =
    "The help file could not be opened:\n\n%s\n\nRun the Glimmerdeck setup again to restore it.";
constexpr const char* kBrowserMissing =
    "The icon browser could not be started:\n\n%s\n\nRun the Glimmerdeck setup again to "
    "restore it.";

bool OpenWithShell(const std::string& address) { return ShellOpen(address, ""); }

}  // namespace

MainWindow::MainWindow(const WindowStart& start, SettingsStore& settings, Prompt& prompt,
                       PageOperations& operations, WindowServices services)
    : start_(start),
      settings_(settings),
      prompt_(prompt),
      operations_(operations),
      services_(services),
      packagesPage_(LibraryServices{services.library, services.installer, services.zipTool,
                                    services.choosers, *this},
                    settings),
      iconsPage_(IconsServices{services.catalogue, services.picker, services.choosers, prompt, *this}),
      settingsPage_(*this, prompt) {
  state_.page.appPath = start.appPath;
  state_.page.packageFile = start.packageFile;
  state_.page.loadAndClose = start.flags.loadAndClose;
}

int MainWindow::Run(HINSTANCE instance) {
  const HACCEL keys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (RunMain(instance, IDD_MAIN_WINDOW, keys) == -1) return kExitWindowFailed;
  return ExitCode();
}

bool MainWindow::OnInitDialog() {
  state_.page.themesDir = state_.page.appPath + "\\Themes";
  state_.osVersion = GetOsVersion();
  state_.systemDir = SystemDirectory();
  state_.newShell = IsNewShell(state_.osVersion, SystemShell().IconCount(state_.systemDir + "\\shell32.dll"));
  state_.windowsDir = WindowsDirectory();
  // The stored position and page settings are worth restoring whenever the user keeps
  // settings between sessions.
  state_.rememberWindow = settings_.IsOn(Flag::Settings);
  state_.page.include = state_.rememberWindow ? settings_.IncludeSwitches() : kDefaultIncludeFlags;
  SetUpIcons();
  listBrush_.reset(CreateSolidBrush(kPageListGrey));
  pageList_.Attach(Item(IDC_PAGE_LIST));
  // Silent starts never show the pages, so they build none.
  if (start_.interactive) BuildPages();
  UpdateTitle();

  const auto result = RunWindowStart(start_.flags, state_.page.packageFile, state_.rememberWindow,
                                     settings_, *this);
  if (result == WindowStartResult::Shown) handover_.Publish(hwnd(), state_.page.packageFile);
  return true;
}

void MainWindow::SetUpIcons() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  largeIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.reset(static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, 0)));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindow::BuildPages() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  packagesPage_.Create(instance, hwnd(), state_.rememberWindow);
  iconsPage_.Create(instance, hwnd(), settings_.IsOn(Flag::QuickLaunch));
  settingsPage_.Create(instance, hwnd(),
                       SettingsSystem{services_.registry, services_.propertyTab, state_.osVersion, state_.newShell});
  // The pages fill the room right of the page list and above the buttons.
  RECT help{};
  GetWindowRect(Item(IDC_HELP_BUTTON), &help);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&help), 2);
  RECT margin{0, 5, 0, 0};
  MapDialogRect(hwnd(), &margin);
  for (const HWND page : {packagesPage_.hwnd(), iconsPage_.hwnd(), settingsPage_.hwnd()}) {
    SetWindowPos(page, HWND_TOP, help.left, margin.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MainWindow::ShowPage(PageEntry entry) {
  shownPage_ = entry;
  const std::pair<PageEntry, HWND> pages[] = {{PageEntry::Packages, packagesPage_.hwnd()},
                                              {PageEntry::IconsAndCursors, iconsPage_.hwnd()},
                                              {PageEntry::Settings, settingsPage_.hwnd()}};
  for (const auto& [page, window] : pages) {
    if (window) ShowWindow(window, page == entry ? SW_SHOW : SW_HIDE);
  }
}

void MainWindow::UpdateTitle() {
  std::string title = kAppTitle;
  if (!state_.page.packageFile.empty()) title += " - " + FileTitle(state_.page.packageFile);
  SetWindowTextA(hwnd(), title.c_str());
}

bool MainWindow::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDOK: OkAction(); return true;
    case IDCANCEL:
    case IDM_EXIT: Cancel(); return true;
    case IDC_APPLY: Apply(); return true;
    case IDC_HELP_BUTTON: OpenHelp(HelpTopic()); return true;
    case IDM_CHANGE_MADE:
      if (state_.localUpdate) EnableWindow(Item(IDC_APPLY), TRUE);
      return true;
    case IDM_LOAD_HANDED_PACKAGE: LoadHandedPackage(); return true;
    case IDC_PAGE_LIST:
      if (code == LBN_SELCHANGE) OnPageListSelection();
      return true;
    default: break;
  }
  if (id >= IDM_INCLUDE_FIRST && id <= IDM_INCLUDE_LAST) {
    // Another process, or the Packages page, sends the switch's new state in place of a
    // control handle.
    state_.page.include[static_cast<std::size_t>(id - IDM_INCLUDE_FIRST)] = control != nullptr;
    return true;
  }
  if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) {
    OpenRecent(id - IDM_RECENT_FIRST + 1);
    return true;
  }
  return RunMenuCommand(id);
}

bool MainWindow::RunMenuCommand(int id) {
  switch (id) {
    case IDM_OPEN_PACKAGE: OpenPackage(); return true;
    case IDM_SAVE_PACKAGE: Save(false); return true;
    case IDM_SAVE_PACKAGE_AS: Save(true); return true;
    case IDM_PACKAGE_THEME: packagesPage_.PackageTheme(); return true;
    case IDM_LOCAL_UPDATE: SwitchToLocalUpdate(); return true;
    case IDM_PACKAGE_BUILDER: SwitchToPackageBuilder(); return true;
    case IDM_RESTORE_ICONS:
      operations_.RestoreAllIcons(state_, *this, false);
      return true;
    case IDM_RESTORE_CURSORS:
      operations_.RestoreAllCursors(state_, *this, false);
      return true;
    case IDM_REBUILD_CACHE:
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      operations_.RebuildIconCache(state_);
      return true;
    case IDM_HELP_CONTENTS: OpenHelp(HelpTopic()); return true;
    case IDM_WEB_SITE: OpenAddress(kWebSiteAddress); return true;
    case IDM_WEB_EMAIL: OpenAddress(kSupportMailAddress); return true;
    case IDM_WEB_FORUM: OpenAddress(kForumAddress); return true;
    case IDM_WEB_DOWNLOAD: OpenAddress(kDownloadAddress); return true;
    case IDM_ABOUT: ShowAbout(); return true;
    case IDM_PLUGINS: ShowPlugins(); return true;
    case IDM_ADD_FILE_FORMAT: iconsPage_.AddFormat(); return true;
    default:
      // The Packages page's keys act only while that page is on show.
      return shownPage_ == PageEntry::Packages && packagesPage_.hwnd() &&
             packagesPage_.RunCommand(id);
  }
}

void MainWindow::OnPageListSelection() {
  const std::optional<PageEntry> selected = pageList_.Selected();
  if (!selected) return;
  if (*selected == PageEntry::Explorer) {
    const std::string browser = state_.page.appPath + "\\Glintview.exe";
    if (!services_.library.shell.FileExists(browser) || !ShellOpen(browser, "")) {
      prompt_.Ask({WithText(kBrowserMissing, browser), kAppTitle, PromptIcon::Exclamation,
                   PromptButtons::Ok});
    }
    return;  // the page on show stays
  }
  ShowPage(*selected);
}

bool MainWindow::OnMeasureItem(int id, MEASUREITEMSTRUCT& item) {
  if (id != IDC_PAGE_LIST) return false;
  item.itemHeight = kPageListItemHeight;
  return true;
}

bool MainWindow::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_PAGE_LIST || item.itemID == static_cast<UINT>(-1)) return false;
  pageList_.Draw(item);
  return true;
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lParam) != Item(IDC_PAGE_LIST)) return false;
      result = reinterpret_cast<INT_PTR>(listBrush_.get());
      return true;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == GetSubMenu(GetMenu(hwnd()), 0)) {
        FillRecentEntries(reinterpret_cast<HMENU>(wParam), settings_);
      }
      return false;
    case kShowHelpTopic:
      OpenHelp(reinterpret_cast<const char*>(lParam));
      result = TRUE;
      return true;
    default: return false;
  }
}

const char* MainWindow::HelpTopic() const {
  switch (shownPage_) {
    case PageEntry::Packages: return help::kPackagesPage;
    case PageEntry::Settings: return help::kSettingsPage;
    default: return help::kIconsPage;
  }
}

void MainWindow::OnDestroy() {
  // A silent start never showed the window, so it has no position or page worth keeping.
  if (!state_.rememberWindow || !start_.interactive) return;
  if (packagesPage_.hwnd()) packagesPage_.StoreSettings();
  RECT rect{};
  if (!GetWindowRect(hwnd(), &rect)) return;
  settings_.WriteCoordinate(TextSetting::WindowLeft, rect.left);
  settings_.WriteCoordinate(TextSetting::WindowTop, rect.top);
}

void MainWindow::SelectPage(int entry) {
  pageList_.Select(entry == kPagePackages ? PageEntry::Packages : PageEntry::IconsAndCursors);
}

void MainWindow::ShowSelectedPage() {
  if (const auto selected = pageList_.Selected()) ShowPage(*selected);
}

bool MainWindow::LoadPackage(const std::string& packageFile) {
  // A user's start names the package it failed to open, and then has none; a silent one
  // only ends.
  if (start_.interactive) {
    const std::string named = packageFile;  // may be the very string cleared here
    state_.page.packageFile.clear();
    return LoadPackageFile(named).has_value();
  }
  return LoadQuietly(packageFile);
}

bool MainWindow::LoadQuietly(const std::string& packageFile) {
  state_.page.packageFile = packageFile;
  // A load that went through names its package as recent itself; one the user cancelled at
  // the restriction notice does not.
  const bool loaded = operations_.LoadPackage(state_, *this);
  UpdateTitle();
  OfferApplyWhenPending();
  return loaded;
}

std::optional<std::string> MainWindow::LoadPackageFile(const std::string& path) {
  const std::string previous = state_.page.packageFile;
  if (!LoadQuietly(path)) {
    // Nothing was loaded: the package that was loaded before still is.
    state_.page.packageFile = previous;
    UpdateTitle();
    TellLoadFailure(services_.library, path);
    return std::nullopt;
  }
  return state_.page.packageFile;
}

void MainWindow::LoadWindowsDefaults() {
  state_.page.packageFile.clear();
  UpdateTitle();
  operations_.RestoreAllIcons(state_, *this, true);
  operations_.RestoreAllCursors(state_, *this, true);
  OfferApplyWhenPending();
}

void MainWindow::PackageListChanged() {
  if (packagesPage_.hwnd()) packagesPage_.Rescan();
}

void MainWindow::RecentPackageAdded(const std::string& packageFile) {
  settings_.AddRecentPackage(packageFile);
}

void MainWindow::OpenPackage() {
  if (const auto chosen = services_.choosers.OpenPackage(state_.page.themesDir)) {
    LoadPackageFile(*chosen);
  }
}

void MainWindow::OpenRecent(int n) {
  if (const auto package = settings_.RecentPackage(n)) LoadPackageFile(*package);
}

void MainWindow::LoadHandedPackage() {
  const auto path = handover_.ReadHandedPath();
  if (!path || path->empty()) return;
  LoadPackageFile(*path);
}

void MainWindow::Save(bool saveAs) {
  LibrarySystem& library = services_.library;
  Win32SaveHost host(
      operations_.IconPaths(),
      {.owner = hwnd(),
       .chooseSaveFile =
           [this](const std::string& folder) { return services_.choosers.SavePackage(folder); },
       .showPackageInfo =
           [&](const std::string& file) {
             PackageInfoDialog(library.ini, library.registry, file)
                 .Show(GetModuleHandleA(nullptr), hwnd());
           },
       .reloadPackage = [this](const std::string& file) { LoadPackageFile(file); }});
  operations_.SavePackage(state_, *this, host, saveAs);
  UpdateTitle();
}

PromptAnswer MainWindow::Ask(const char* question) {
  return prompt_.Ask({question, kAppTitle, PromptIcon::Question, PromptButtons::YesNoCancel});
}

bool MainWindow::PackageModified() const {
  // In the Package Builder view the slots the user set are what a save would write.
  return !state_.localUpdate && state_.page.pendingChanges;
}

void MainWindow::SwitchToPackageBuilder() {
  if (!state_.localUpdate) return;
  if (ApplyIsEnabled()) {
    const PromptAnswer answer = Ask(kApplyBeforeBuilder);
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::Yes) Apply();
  }
  state_.page.packageFile.clear();
  UpdateTitle();
  operations_.SwitchView(state_, false);
  iconsPage_.ViewChanged(false);
  EnableWindow(Item(IDC_APPLY), FALSE);
  pageList_.ShowSettingsEntry(false);
  if (shownPage_ == PageEntry::Settings) {
    pageList_.Select(PageEntry::IconsAndCursors);
    ShowPage(PageEntry::IconsAndCursors);
  }
  state_.page.pendingChanges = false;
  CheckView();
}

void MainWindow::SwitchToLocalUpdate() {
  if (state_.localUpdate) return;
  if (PackageModified()) {
    const PromptAnswer answer = Ask(kSavePackageBeforeLocal);
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::Yes) SendMessageA(hwnd(), WM_COMMAND, IDM_SAVE_PACKAGE, 0);
  }
  const std::string theme = settings_.ReadText(TextSetting::Theme);
  if (theme != kRegTextSentinel && !theme.empty()) {
    state_.page.packageFile = theme;
    UpdateTitle();
  }
  operations_.SwitchView(state_, true);
  iconsPage_.ViewChanged(true);
  pageList_.ShowSettingsEntry(true);
  state_.page.pendingChanges = false;
  CheckView();
}

void MainWindow::CheckView() {
  CheckMenuRadioItem(GetMenu(hwnd()), IDM_LOCAL_UPDATE, IDM_PACKAGE_BUILDER,
                     state_.localUpdate ? IDM_LOCAL_UPDATE : IDM_PACKAGE_BUILDER, MF_BYCOMMAND);
}

void MainWindow::OpenHelp(const char* topic) {
  const std::string helpFile = state_.page.appPath + "\\" + help::kHelpFile;
  // Looked for first: the shell's own report of a missing file names no remedy. Without the
  // help viewer the shell opens the file at its first page.
  if (!services_.library.shell.FileExists(helpFile) ||
      (!helpViewer_.ShowTopic(hwnd(), helpFile, topic) && !ShellOpen(helpFile, ""))) {
    prompt_.Ask({WithText(kHelpMissing, helpFile), kAppTitle, PromptIcon::Exclamation,
                 PromptButtons::Ok});
  }
}

void MainWindow::OpenAddress(const char* address) { ShellOpen(address, ""); }

void MainWindow::ShowAbout() {
  AboutDialog(settings_.InstalledVersion(), &OpenWithShell)
      .RunModal(GetModuleHandleA(nullptr), IDD_ABOUT, hwnd());
}

void MainWindow::ShowPlugins() {
  // The choices count the next time the lists are built.
  PluginManager manager(services_.registry, services_.library.ini, services_.library.shell, state_.page.appPath);
  PluginsDialog(manager, services_.choosers, prompt_, PluginFolder(state_.page.appPath))
      .RunModal(GetModuleHandleA(nullptr), IDD_PLUGINS, hwnd());
}

void MainWindow::RestoreAllIconsQuietly() {
  operations_.RestoreAllIcons(state_, *this, true);
  OfferApplyWhenPending();
}

void MainWindow::RestoreAllCursorsQuietly() {
  operations_.RestoreAllCursors(state_, *this, true);
  OfferApplyWhenPending();
}

void MainWindow::OfferApplyWhenPending() {
  // The Package Builder view has no place in the system to write to.
  if (state_.page.pendingChanges && state_.localUpdate) EnableWindow(Item(IDC_APPLY), TRUE);
}

void MainWindow::CancelWindow() {
  cancelled_ = true;
  Close(IDCANCEL);
}

bool MainWindow::ApplyIsEnabled() const { return IsWindowEnabled(Item(IDC_APPLY)) != FALSE; }

void MainWindow::Apply() {
  const WaitCursor wait;
  EnableWindow(Item(IDC_APPLY), FALSE);
  operations_.ApplyToSystem(state_, *this);
  const SettingsApplied settings = settingsPage_.Apply();
  if (settings.othersWritten) {
    state_.rememberWindow = settings.rememberWindow;
    iconsPage_.ShowQuickLaunchTab(settings.quickLaunchTab);
  }
  if (state_.page.needCacheRebuild && !start_.flags.skipCacheRebuild) {
    operations_.RebuildIconCache(state_);
  }
  if (start_.flags.restartNeeded) OfferRestart();
  state_.page.needCacheRebuild = false;
  start_.flags.restartNeeded = false;
}

void MainWindow::SettingsChanged(const SettingsEffect& effect) {
  state_.page.needCacheRebuild |= effect.needCacheRebuild;
  start_.flags.restartNeeded |= effect.restartNeeded;
}

void MainWindow::SlotsChanged(bool needCacheRebuild) {
  state_.page.pendingChanges = true;
  state_.page.needCacheRebuild |= needCacheRebuild;
  OfferApplyWhenPending();
}

void MainWindow::RebuildIconCacheNow() {
  const WaitCursor wait;
  operations_.RebuildIconCache(state_);
}

void MainWindow::OfferRestart() {
  using RestartDialog = int(WINAPI*)(HWND, const void*, DWORD);
  const HMODULE shell = GetModuleHandleA("shell32.dll");
  if (shell == nullptr) return;
  const auto offer = reinterpret_cast<RestartDialog>(
      reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(kRestartDialogOrdinal))));
  if (offer) offer(hwnd(), nullptr, kRestartWindows);
}

void MainWindow::OkAction() {
  if (ApplyIsEnabled()) Apply();
  Close(IDOK);
}

void MainWindow::Cancel() {
  if (ApplyIsEnabled()) {
    const PromptAnswer answer = Ask(kSaveBeforeClosing);
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::Yes) Apply();
  }
  if (PackageModified()) {
    const PromptAnswer answer = Ask(kSavePackageBeforeClosing);
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::Yes) SendMessageA(hwnd(), WM_COMMAND, IDM_SAVE_PACKAGE, 0);
  }
  Close(IDCANCEL);
}

void MainWindow::Close(INT_PTR result) {
  // The first way the window ended is the one that counts.
  if (closed_) return;
  closed_ = true;
  End(result);
}

void MainWindow::MoveWindowTo(int left, int top) {
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

}  // namespace gd
