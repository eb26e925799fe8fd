// The main window and its Packages page under Wine (null display driver): a timer inside the
// window's own loop acts as the user would, through window messages only, and the registry,
// the disk and the operations the window called are checked independently.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>

#include "package/package_host_win32.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "settings/property_tab_library_win32.h"
#include "support/dialog_driver_win32.h"
#include "support/fake_shell.h"
#include "support/memory_registry.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompt.h"
#include "ui/handover_block_win32.h"
#include "ui/main_window_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

using Calls = std::vector<std::string>;

class RecordingOperations final : public PageOperations {
 public:
  bool loadSucceeds = true, changesSlots = false;  // load and restore leave changes to apply
  bool cancelledAtNotice = false;  // the load "went through" with nothing loaded
  Calls calls;
  AppState seen;
  bool LoadPackage(AppState& state, CatalogueEvents& events) override {
    Record("load " + state.page.packageFile, state);
    if (loadSucceeds && !cancelledAtNotice) events.RecentPackageAdded(state.page.packageFile);
    return loadSucceeds;
  }
  void RestoreAllIcons(AppState& state, CatalogueEvents&, bool quiet) override {
    Record(quiet ? "restore icons" : "ask and restore icons", state);
  }
  void RestoreAllCursors(AppState&, CatalogueEvents&, bool) override { calls.push_back("restore cursors"); }
  void ApplyToSystem(AppState&, CatalogueEvents&) override { calls.push_back("apply"); }
  void RebuildIconCache(AppState&) override { calls.push_back("rebuild"); }
  void SavePackage(AppState&, CatalogueEvents&, SaveHost&, bool saveAs) override {
    calls.push_back(saveAs ? "save as" : "save");
  }
  void SwitchView(AppState& state, bool localUpdate) override {
    state.localUpdate = localUpdate;
    calls.push_back(localUpdate ? "local update" : "package builder");
  }
  PathContext IconPaths() override { return {}; }
  void Record(const std::string& call, AppState& state) {
    calls.push_back(call), seen = state;
    state.page.pendingChanges = state.page.needCacheRebuild = changesSlots;
  }
};

class NoArchives final : public ArchiveTool {
 public:
  bool Unzip(const std::string&, const std::string&) override { return false; }
  bool Zip(const std::string&, const std::string&, const std::vector<std::string>&) override { return false; }
};
class NoChoices final : public FileChoosers {
 public:
  int opened = 0;
  std::optional<std::string> OpenPackage(const std::string&) override { return ++opened, std::nullopt; }
  std::optional<std::string> InstallArchive(const std::string&) override { return std::nullopt; }
  std::optional<std::string> SavePackage(const std::string&) override { return std::nullopt; }
  std::optional<std::string> InstallPlugin(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChangeCursor(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseArchiveName(const std::string&, const std::string&) override { return std::nullopt; }
};

// A property tab library that is not installed.
class NoPropertyTab final : public PropertyTabRegistrar {
 public:
  bool Available() override { return false; }
  bool SetRegistered(bool) override { return false; }
};

// No picker library installed.
class NoPicker final : public IconPicker {
 public:
  PickResult ChangeIcon(std::string&, int&, const std::string&) override { return PickResult::Unavailable; }
};

// The window of this thread that has the page list.
HWND FindMainWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) -> BOOL {
    if (GetDlgItem(window, IDC_PAGE_LIST)) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  return found;
}
void Command(HWND window, int id, LPARAM parameter = 0) { SendMessageA(window, WM_COMMAND, id, parameter); }
std::string TextOf(HWND window) {
  char text[300] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}
std::vector<std::string> ListTexts(HWND list) {
  std::vector<std::string> texts;
  for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
    char text[300] = {};
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.emplace_back(text);
  }
  return texts;
}
// The File menu's items after it opened, a disabled one marked "(off)".
std::vector<std::string> FileMenu(HWND window) {
  const HMENU file = GetSubMenu(GetMenu(window), 0);
  SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(file); ++i) {
    char text[300] = {};
    GetMenuStringA(file, i, text, sizeof text, MF_BYPOSITION);
    const UINT state = GetMenuState(file, i, MF_BYPOSITION);
    items.push_back((state & MF_SEPARATOR) ? "-" : std::string(text) + ((state & MF_GRAYED) ? " (off)" : ""));
  }
  return items;
}
// The page that the main window shows now.
HWND ShownPage(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(child)) return child;
  }
  return nullptr;
}

// A program installed in a scratch folder, with a Themes folder of real package files.
struct Program {
  test::ScratchFolder folder;
  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  test::ScriptedPrompt prompt;
  RecordingOperations operations;
  Win32PackageFiles files;
  Win32PackageHost installer{registry, prompt, folder.path(), {}, {}};
  NoArchives zip;
  NoChoices choosers;
  NoPropertyTab propertyTab;
  NoPicker picker;
  test::RecordingNotice notice;
  // Lists without builders: the Icons & Cursors page shows them empty.
  SlotCatalogue catalogue{CatalogueInputs{}, CatalogueSystem{registry, SystemIni(), SystemShell(), prompt, notice}};
  Registry* settingsRegistry = &registry;  // where the Settings page reads and writes
  LibrarySystem library{SystemShell(), SystemIni(), files, registry, prompt, folder.path() + "\\Themes"};

  std::string Package(const std::string& name, const std::string& author) {
    return folder.Write("Themes\\" + name + "\\" + name + ".gdtheme",
                        "[Package Info]\r\nAuthor=" + author + "\r\n[Desktop Icons]\r\n");
  }
  void Answer(std::deque<PromptAnswer> answers) { prompt = test::ScriptedPrompt(std::move(answers)); }
  // Runs the window as a user's start; `act` works on it and must close it.
  int Run(std::function<void(HWND)> act, const std::string& packageFile = "") {
    WindowStart start{.appPath = folder.path(), .packageFile = packageFile, .flags = {}, .interactive = true};
    MainWindow window(start, settings, prompt, operations,
                      WindowServices{library, installer, zip, choosers, *settingsRegistry, propertyTab, catalogue, picker});
    test::DialogDriver driver(FindMainWindow, std::move(act), IDCANCEL);
    const int code = window.Run(GetModuleHandleA(nullptr));
    EXPECT_TRUE(driver.acted());
    return code;
  }
};

TEST(MainWindow, SilentOperationsApplyWhatTheyChangedAndRebuildUnlessToldAndAFailedLoadIsCancelled) {
  Program program;
  RecordingOperations& operations = program.operations;
  // "/default2" restores all without the cache rebuild; "/lt" loads and applies.
  const StartFlags restoreAll{.restoreAndClose = true, .skipCacheRebuild = true};
  const StartFlags loadAndApply{.loadAndClose = true};
  auto run = [&](const StartFlags& flags, const std::string& packageFile) {
    operations.calls.clear();
    WindowStart start{.appPath = "C:\\Program Files\\Glimmerdeck", .packageFile = packageFile, .flags = flags,
                      .interactive = false};
    return MainWindow(start, program.settings, program.prompt, operations,
                      WindowServices{program.library, program.installer, program.zip, program.choosers,
                                     program.registry, program.propertyTab, program.catalogue, program.picker})
        .Run(GetModuleHandleA(nullptr));
  };
  const std::string blue = "C:\\Themes\\Blue\\Blue.gdtheme";
  EXPECT_EQ(run(restoreAll, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors"})) << "nothing changed: nothing applied";
  EXPECT_EQ(operations.seen.page.themesDir, "C:\\Program Files\\Glimmerdeck\\Themes");
  operations.loadSucceeds = false;
  EXPECT_EQ(run(loadAndApply, "C:\\missing.gdtheme"), 4) << "cancelled";
  EXPECT_EQ(operations.calls, Calls{"load C:\\missing.gdtheme"});
  operations.loadSucceeds = operations.cancelledAtNotice = true;
  EXPECT_EQ(run(loadAndApply, blue), 0);
  EXPECT_EQ(program.settings.RecentPackage(1), std::nullopt) << "neither failed nor cancelled loads are recent";
  operations.cancelledAtNotice = false;
  operations.loadSucceeds = operations.changesSlots = true;
  EXPECT_EQ(run(loadAndApply, blue), 0);
  EXPECT_EQ(operations.calls, (Calls{"load " + blue, "apply", "rebuild"}));
  EXPECT_EQ(program.settings.RecentPackage(1), blue);
  EXPECT_EQ(run(restoreAll, ""), 0);
  EXPECT_EQ(operations.calls, (Calls{"restore icons", "restore cursors", "apply"}));
  EXPECT_TRUE(program.prompt.requests.empty());
}

TEST(MainWindow, RecentEntriesKeepTheirNumbersNeverDuplicateAndLoadWhenChosen) {
  Program program;
  const std::string recent = std::string(kRecentKey);
  for (const auto& [n, file] : {std::pair{1, "C:\\A\\A.gdtheme"}, {3, "C:\\C\\C.gdtheme"}, {6, "C:\\F\\F.gdtheme"}}) {
    program.registry.WriteRegString(RegRoot::CurrentUser, recent, "Package" + std::to_string(n), file);
  }
  program.Run([&](HWND window) {
    FileMenu(window);
    EXPECT_EQ(FileMenu(window), (std::vector<std::string>{"&Open Package\tCtrl+O", "&Save Package\tCtrl+S",
                                                          "Save Package &As...\tCtrl+A", "-", "&Package Theme...\tCtrl+Z",
                                                          "-", "&1 A.gdtheme", "&3 C.gdtheme", "-", "&Exit"}))
        << "the sixth entry is not shown; opening twice adds nothing";
    Command(window, IDM_RECENT_FIRST + 2);
    EXPECT_EQ(TextOf(window), "Glimmerdeck - C");
    program.registry.DeleteRegKey(RegRoot::CurrentUser, kProgramKey, "Recent");
    const auto items = FileMenu(window);
    EXPECT_EQ(std::vector<std::string>(items.begin() + 5, items.end()),
              (std::vector<std::string>{"-", "No Recent Packages (off)", "-", "&Exit"}));
    Command(window, IDOK);
  });
  EXPECT_EQ(program.operations.calls, Calls{"load C:\\C\\C.gdtheme"});
}

TEST(MainWindow, SwitchingViewsAsksWhenChangesWaitAndTakesSettingsOutOfThePageList) {
  Program program;
  program.registry.WriteRegString(RegRoot::CurrentUser, kProgramKey, "Theme", "C:\\Themes\\Night\\Night.gdtheme");
  program.Answer({PromptAnswer::Cancel, PromptAnswer::Yes});
  program.Run([&](HWND window) {
    const HWND pages = GetDlgItem(window, IDC_PAGE_LIST);
    const HMENU menu = GetMenu(window);
    Command(window, IDM_CHANGE_MADE);
    Command(window, IDM_PACKAGE_BUILDER);
    EXPECT_EQ(ListTexts(pages).size(), 4u) << "Cancel stays in Local Update";
    Command(window, IDM_PACKAGE_BUILDER);
    EXPECT_EQ(ListTexts(pages), (std::vector<std::string>{"Packages", "Icons and Cursors", "Explorer"}));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_APPLY)));
    EXPECT_TRUE(GetMenuState(menu, IDM_PACKAGE_BUILDER, MF_BYCOMMAND) & MF_CHECKED);
    Command(window, IDM_CHANGE_MADE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_APPLY))) << "nothing to apply in Package Builder";
    Command(window, IDM_PACKAGE_BUILDER);
    Command(window, IDM_LOCAL_UPDATE);
    EXPECT_EQ(ListTexts(pages).size(), 4u);
    EXPECT_EQ(TextOf(window), "Glimmerdeck - Night") << "the applied package";
    EXPECT_TRUE(GetMenuState(menu, IDM_LOCAL_UPDATE, MF_BYCOMMAND) & MF_CHECKED);
    Command(window, IDOK);
  });
  EXPECT_EQ(program.prompt.requests.size(), 2u) << "the second Package Builder asked nothing";
  EXPECT_EQ(program.operations.calls, (Calls{"apply", "package builder", "local update"}));
}

TEST(MainWindow, ClosingAsksToApplyAndCancelKeepsTheWindowOpen) {
  Program program;
  program.Answer({PromptAnswer::Cancel, PromptAnswer::No});
  EXPECT_EQ(program.Run([&](HWND window) {
    Command(window, IDM_CHANGE_MADE);
    Command(window, IDCANCEL);
    EXPECT_TRUE(IsWindow(window) && FindMainWindow() == window);
    Command(window, IDCANCEL);
  }), kExitOk);
  ASSERT_EQ(program.prompt.requests.size(), 2u);
  EXPECT_EQ(program.prompt.requests[0].text, "Would you like to save your changes before closing?");
  EXPECT_TRUE(program.operations.calls.empty()) << "No closes without applying";
  // OK with Apply enabled applies first; the window's place is kept for the next start.
  program.Run([&](HWND window) { Command(window, IDM_CHANGE_MADE), Command(window, IDOK); });
  EXPECT_EQ(program.operations.calls, Calls{"apply"});
  EXPECT_TRUE(program.settings.ReadCoordinate(TextSetting::WindowLeft).has_value());
}

// The Settings page: its ticks are the list's selection, a click on a heading is taken back, the
// number editor follows the caret row, and Apply writes only the groups that changed.
// A text or number of the test prefix's registry, read past the program's own registry code;
// "-" when missing.
std::string RegValue(HKEY root, const char* key, const char* name) {
  char data[300] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  if (RegGetValueA(root, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data, &size) != ERROR_SUCCESS) return "-";
  return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(data)) : std::string(data);
}

// The Settings page over the test prefix's registry: its ticks are the list's selection, a
// click on a heading is taken back, the number editor follows the caret row, and Apply writes
// only the groups that changed.
TEST(MainWindow, SettingsRowsStartFromTheRegistryAndApplyWritesTheChangedGroups) {
  Program program;
  program.settingsRegistry = &SystemRegistry();
  const char* metrics = "Control Panel\\desktop\\WindowMetrics";
  const char* explorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  const std::string programKey(kProgramKey);
  const std::string cacheSize = RegValue(HKEY_LOCAL_MACHINE, explorer, "Max Cached Icons");
  SystemRegistry().WriteRegString(RegRoot::CurrentUser, metrics, "Shell Icon Size", "48");
  SystemRegistry().WriteRegString(RegRoot::CurrentUser, metrics, "Shell Icon BPP", "32");
  program.Run([&](HWND window) {
    HWND settings = nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetDlgItem(child, IDC_NUMBER_SPIN)) settings = child;
    }
    ASSERT_NE(settings, nullptr);
    SendMessageA(GetDlgItem(window, IDC_PAGE_LIST), LB_SETCURSEL, 2, 0);
    Command(window, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE));
    ASSERT_EQ(ShownPage(window), settings);
    const HWND list = GetDlgItem(settings, IDC_SETTINGS_LIST);
    auto selected = [&](SettingsRow row) { return SendMessageA(list, LB_GETSEL, static_cast<int>(row), 0) > 0; };
    auto click = [&](SettingsRow row) {
      SendMessageA(list, LB_SETCARETINDEX, static_cast<int>(row), 0);
      SendMessageA(list, LB_SETSEL, !selected(row), static_cast<int>(row));
      SendMessageA(settings, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    };
    EXPECT_EQ(ListTexts(list).size(), 18u);
    EXPECT_TRUE(selected(SettingsRow::LargeIcons) && selected(SettingsRow::SmartLoad) && selected(SettingsRow::AllColors));
    EXPECT_FALSE(selected(SettingsRow::ShowPreview));

    click(SettingsRow::Others);
    EXPECT_FALSE(selected(SettingsRow::Others)) << "a heading is never ticked";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_APPLY)));
    click(SettingsRow::SmartLoad);
    EXPECT_FALSE(selected(SettingsRow::SmartLoad));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_APPLY)));

    // The number editor shows for the caret row and steps by the row's rule.
    const HWND editor = GetDlgItem(settings, IDC_NUMBER_EDIT);
    EXPECT_FALSE(IsWindowVisible(editor));
    click(SettingsRow::IconCacheSize);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(TextOf(GetDlgItem(settings, IDC_NUMBER_GROUP)) + " " + TextOf(editor), "Icon cache size 1024");
    click(SettingsRow::IconSize);
    SendMessageA(editor, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(TextOf(GetDlgItem(settings, IDC_NUMBER_UNIT)) + " " + TextOf(editor), "pixels 49");
    Command(window, IDC_APPLY);
    Command(window, IDOK);
  });
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, programKey.c_str(), "Smart Load"), "0");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, programKey.c_str(), "Package Info"), "1") << "the whole group";
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, metrics, "Shell Icon Size"), "49");
  EXPECT_EQ(RegValue(HKEY_CURRENT_USER, metrics, "Shell Icon BPP"), "32") << "a deeper setting is kept";
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, explorer, "Max Cached Icons"), cacheSize) << "only looked at";
  EXPECT_EQ(program.operations.calls, (Calls{"apply", "rebuild"})) << "a new icon size asks for a rebuild";
  // The prefix is shared with the other tests: the program's settings go again.
  RegDeleteKeyA(HKEY_CURRENT_USER, programKey.c_str());
}

// The "Icon" tab row switches the real property tab library's registration, which the row then
// reads back from the handler key.
TEST(SettingsPage, ThePropertyTabRowRegistersAndUnregistersTheTabLibrary) {
  std::string folder = GD_PROPTAB_DIR;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  PropertyTabLibrary library("Z:" + folder);
  ASSERT_TRUE(library.Available());
  const std::string key(kPropertyTabKey);
  for (const bool registered : {true, true, false, false}) {
    EXPECT_TRUE(library.SetRegistered(registered));
    HKEY handler = nullptr;
    const bool present = RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handler) == ERROR_SUCCESS;
    if (present) RegCloseKey(handler);
    EXPECT_EQ(present, registered);
  }
  EXPECT_FALSE(PropertyTabLibrary("C:\\Nowhere").Available());
}

// The keys reach the window as the user's do: posted to its queue, read by its loop.
void PostKey(HWND window, WPARAM key) { PostMessageA(window, WM_KEYDOWN, key, 1); }

TEST(MainWindow, MenuKeysWorkAndAMissingHelpFileIsToldAndLoadFailuresNamed) {
  Program program;
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  program.Run([&](HWND window) {
    PostKey(window, 'O');
    PostKey(window, 'A');
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  });
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(program.choosers.opened, 1);
  EXPECT_EQ(program.operations.calls, Calls{"save as"});
  program.operations.loadSucceeds = false;
  program.Run([&](HWND window) {
    EXPECT_EQ(TextOf(window), "Glimmerdeck") << "the failed package is not named in the title";
    PostKey(window, VK_F1);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }, program.folder / "Gone.gdtheme");
  ASSERT_EQ(program.prompt.requests.size(), 2u);
  EXPECT_EQ(program.prompt.requests[0].text.substr(0, 40), "The icon package could not be opened, be");
  EXPECT_EQ(program.prompt.requests[1].text, "The help file could not be opened:\n\n" + program.folder.path() +
                                             "\\Glimmerdeck.chm\n\nRun the Glimmerdeck setup again to restore it.");
}

TEST(MainWindow, ASecondStartHandsItsPackageToTheOpenWindow) {
  Program program;
  program.Run([&](HWND window) {
    EXPECT_TRUE(HandOverToRunningWindow("D:\\Handed\\Handed.gdtheme"));
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Command(window, IDOK);
  });
  EXPECT_EQ(program.operations.calls, Calls{"load D:\\Handed\\Handed.gdtheme"});
  EXPECT_FALSE(HandOverToRunningWindow("D:\\Handed\\Handed.gdtheme")) << "no window runs now";
}

// WM_DROPFILES as the shell sends it, for one file.
void DropFile(HWND page, const std::string& path) {
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
  GlobalUnlock(memory);
  SendMessageA(page, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST(PackagesPage, ListsSortsLoadsAndRemembersItsBoxes) {
  Program program;
  const std::string blue = program.Package("Blue", "Zed"), red = program.Package("Red", "");
  program.settings.SetFlag(Flag::ShowPreview, true);
  IncludeFlags firstLoad{};
  program.Run([&](HWND window) {
    Command(window, IDM_INCLUDE_FIRST + 2, 0);  // another process turns Folders off
    SendDlgItemMessageA(window, IDC_PAGE_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE), 0);
    const HWND page = ShownPage(window);
    ASSERT_NE(GetDlgItem(page, IDC_LIBRARY_LIST), nullptr) << "the Packages page shows";
    const HWND list = GetDlgItem(page, IDC_LIBRARY_LIST);
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{"Windows Default Icons", "Blue", "Red"}));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_DELETE))) << "the defaults are never deleted";
    SendDlgItemMessageA(page, IDC_SORT_LIST, CB_SETCURSEL, 2, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SORT_LIST, CBN_SELCHANGE), 0);
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{"Windows Default Icons", "Red", "Blue"})) << "Unknown before Zed";
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_LIST, LBN_SELCHANGE), 0);
    EXPECT_EQ(TextOf(GetDlgItem(page, IDC_SELECTED_PACKAGE)), "Selected Package: Blue");
    SendDlgItemMessageA(page, IDC_LOAD, BM_CLICK, 0, 0);
    EXPECT_EQ(TextOf(window), "Glimmerdeck - Blue");
    // "Show Preview" opens the preview of the loaded package; the defaults have none.
    const HWND preview = FindWindowA(nullptr, "Blue Preview (General Icons)");
    EXPECT_TRUE(preview && IsWindowVisible(preview) && IsDlgButtonChecked(page, IDC_PREVIEW));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_LIST, LBN_SELCHANGE), 0);
    EXPECT_FALSE(IsWindowVisible(preview) || IsDlgButtonChecked(page, IDC_PREVIEW));
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_LIST, LBN_SELCHANGE), 0);
    firstLoad = program.operations.seen.page.include;
    SendDlgItemMessageA(page, IDC_INCLUDE_CURSORS, BM_CLICK, 0, 0);  // sends all seven boxes
    Command(window, IDM_PAGE_LOAD);
    Command(window, IDOK);
  });
  EXPECT_EQ(program.operations.calls, (Calls{"load " + blue, "load " + blue}));
  EXPECT_EQ(firstLoad, (IncludeFlags{true, true, false, true, true, true, false}));
  const IncludeFlags included{true, true, true, true, true, true, true};
  EXPECT_EQ(program.operations.seen.page.include, included) << "the boxes' states reached the load";
  EXPECT_EQ(program.settings.IncludeSwitches(), included);
  EXPECT_EQ(program.settings.Sort(), PackageSort::ByAuthor);
  EXPECT_EQ(program.settings.RecentPackage(1), blue);
  // With remembering off the page starts as shipped, whatever was stored.
  program.settings.SetFlag(Flag::Settings, false);
  program.Run([&](HWND window) {
    Command(window, IDM_PAGE_REFRESH);
    SendDlgItemMessageA(window, IDC_PAGE_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE), 0);
    const HWND page = ShownPage(window);
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_SORT_LIST, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_INCLUDE_CURSORS), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_INCLUDE_FOLDERS), BST_CHECKED);
    Command(window, IDOK);
  }, red);
}

TEST(PackagesPage, DeletesOnlyWhatIsNotInUseAndRefusesBadDrops) {
  Program program;
  const std::string blue = program.Package("Blue", "Zed"), red = program.Package("Red", "");
  const std::string text = program.folder.Write("notes.txt", "x");
  program.Answer({PromptAnswer::Ok, PromptAnswer::Yes});
  program.Run([&](HWND window) {
    SendDlgItemMessageA(window, IDC_PAGE_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE), 0);
    const HWND page = ShownPage(window);
    const HWND list = GetDlgItem(page, IDC_LIBRARY_LIST);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1) << "the loaded package is selected";
    Command(window, IDM_PAGE_DELETE);  // the loaded one: refused
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LIBRARY_LIST, LBN_SELCHANGE), 0);
    SendDlgItemMessageA(page, IDC_DELETE, BM_CLICK, 0, 0);
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{"Windows Default Icons", "Blue"}));
    DropFile(page, text);
    DropFile(page, "C:\\" + std::string(300, 'd') + ".gdtheme");
    DropFile(page, program.folder.path());
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{"Windows Default Icons", "Blue"}));
    Command(window, IDOK);
  }, blue);
  EXPECT_TRUE(std::filesystem::exists(blue));
  EXPECT_FALSE(std::filesystem::exists(program.folder / "Themes\\Red")) << "its whole folder";
  std::vector<std::string> told;
  for (const PromptRequest& request : program.prompt.requests) told.push_back(request.text.substr(0, 40));
  EXPECT_EQ(told, (std::vector<std::string>{"You cannot delete the selected package a",
                                            "Are you sure want to delete the Red icon",
                                            "Not a valid package file \"" + text.substr(0, 14),
                                            "The path of the dropped file is longer t",
                                            "Not a valid package file \"" + program.folder.path().substr(0, 14)}));
}

}  // namespace
}  // namespace gd
