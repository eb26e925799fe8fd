// The Folders list: which folders each Windows version shows, where their icons live, the
// defaults that moved between shell releases, placeholders, plugins and broken input.
#include <string>
#include <vector>

#include "folder_fixture.h"

namespace gd::folder_test {
namespace {

using Names = std::vector<std::string>;

std::string Shell32(const CatalogueInputs& inputs) { return inputs.paths.systemDir + "\\shell32.dll"; }

// ---- Which folders each version lists, in order ----

TEST_F(FolderIconsTest, Windows95WithTheOldShellListsItsFewFolders) {
  SetUpWindows95(backend);
  Build(VersionInputs(os::kWindows95, false));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "Control Panel",
                            "Dial-Up Networking", "Printers"}));
}

TEST_F(FolderIconsTest, Windows98ListsBrowserFoldersFromMyComputer) {
  SetUpWindows98(backend, shell);
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                            "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                            "Web Folders", "ActiveX Cache", "Favorites", "Url History",
                            "Subscriptions"}));
}

TEST_F(FolderIconsTest, WindowsMeHasNoMusicSlotAndFindsItsTasksInTheControlPanel) {
  SetUpWindowsMe(backend, shell);  // the My Music folder exists
  Build(VersionInputs(os::kWindowsMe));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                            "Control Panel", "Dial-Up Networking", "Printers",
                            "Scanners && Cameras", "Scheduled Tasks", "ActiveX Cache",
                            "Favorites", "Url History", "Subscriptions"}));
}

TEST_F(FolderIconsTest, WindowsNt4ListsUsersProgramGroupAndFavoritesOnlyWithTheNewShell) {
  SetUpWindowsNt4(backend);
  Build(VersionInputs(os::kWindowsNt4, true));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "Users Program Group",
                            "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                            "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}));
  Build(VersionInputs(os::kWindowsNt4, false));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "Users Program Group",
                            "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                            "ActiveX Cache", "Url History", "Subscriptions"}));
}

TEST_F(FolderIconsTest, Windows2000ListsControlPanelItems) {
  SetUpWindows2000(backend, shell);
  Build(VersionInputs(os::kWindows2000));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                            "Control Panel", "Administrative Tools", "Fonts",
                            "Network and Dial-up Connections", "Printers", "Scheduled Tasks",
                            "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}));
}

TEST_F(FolderIconsTest, WindowsXpListsMediaFoldersAndRenamedItems) {
  SetUpWindowsXp(backend, shell);
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_EQ(ListedNames(), (Names{"Closed Folder", "Open Folder", "Program Group", "My Music",
                            "My Pictures", "My Videos", "Control Panel", "Administrative Tools",
                            "Fonts", "Network Connections", "Printers and Faxes",
                            "Scanners && Cameras", "Scheduled Tasks", "Web Folders",
                            "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}));
}

// With every key of every version registered, the version alone decides.
TEST_F(FolderIconsTest, VersionDecidesWhichRegisteredFoldersShow) {
  SetUpEverything(backend, shell);
  const Names nineX{"Closed Folder", "Open Folder", "Program Group", "My Music", "My Pictures",
                    "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                    "Web Folders", "ActiveX Cache", "Favorites", "Url History", "Subscriptions"};
  struct Case {
    int os;
    bool newShell;
    Names expected;
  };
  const Case cases[] = {
      {os::kUnknown, true,
       {"Closed Folder", "Open Folder", "Program Group", "My Music", "My Pictures",
        "Control Panel", "Printers", "Scheduled Tasks", "Web Folders", "ActiveX Cache",
        "Favorites", "Url History", "Subscriptions"}},
      {os::kWindows95, true, nineX},
      {os::kWindows95, false, nineX},
      {os::kWindows98, true, nineX},
      {os::kWindowsMe, true,
       {"Closed Folder", "Open Folder", "Program Group", "My Pictures", "Control Panel",
        "Dial-Up Networking", "Printers", "Scanners && Cameras", "Scheduled Tasks",
        "Web Folders", "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}},
      {os::kWindowsNt4, false,
       {"Closed Folder", "Open Folder", "Program Group", "Users Program Group", "My Music",
        "My Pictures", "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
        "Web Folders", "ActiveX Cache", "Url History", "Subscriptions"}},
      {os::kWindows2000, true,
       {"Closed Folder", "Open Folder", "Program Group", "My Music", "My Pictures",
        "Control Panel", "Administrative Tools", "Fonts", "Network and Dial-up Connections",
        "Printers", "Scheduled Tasks", "Web Folders", "ActiveX Cache", "Favorites",
        "Url History", "Subscriptions"}},
      {os::kWindowsXp, true,
       {"Closed Folder", "Open Folder", "Program Group", "My Music", "My Pictures", "My Videos",
        "Control Panel", "Administrative Tools", "Fonts", "Network Connections",
        "Printers and Faxes", "Scanners && Cameras", "Scheduled Tasks", "Web Folders",
        "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("OsVersion " + std::to_string(c.os) + (c.newShell ? " new shell" : " old shell"));
    Build(VersionInputs(c.os, c.newShell));
    EXPECT_EQ(ListedNames(), c.expected);
  }
}

TEST_F(FolderIconsTest, ScheduledTasksAndDialUpFollowTheNamespaceOfTheirVersion) {
  // Tasks registered only in My Computer: the systems that moved them away do not show them.
  AddToMyComputer(backend, folders::clsid::kScheduledTasks);
  AddToMyComputer(backend, folders::clsid::kDialUpNt);
  for (int os : {os::kWindows98, os::kWindowsNt4}) {
    Build(VersionInputs(os));
    EXPECT_TRUE(Has("Scheduled Tasks")) << os;
  }
  for (int os : {os::kWindowsMe, os::kWindows2000, os::kWindowsXp}) {
    Build(VersionInputs(os));
    EXPECT_FALSE(Has("Scheduled Tasks")) << os;
  }
  // Each family's dial-up folder has its own class.
  Build(VersionInputs(os::kWindows98));
  EXPECT_FALSE(Has("Dial-Up Networking"));
  Build(VersionInputs(os::kWindowsNt4));
  EXPECT_EQ(Slot("Dial-Up Networking").keyPath,
            "Software\\Classes\\CLSID\\" + std::string(folders::clsid::kDialUpNt) + "\\DefaultIcon");
  EXPECT_EQ(Slot("Dial-Up Networking").defaultPath, "C:\\WINNT\\system32\\rasshell.dll");
  EXPECT_EQ(Slot("Dial-Up Networking").defaultIndex, 0);

  AddToMyComputer(backend, folders::clsid::kDialUp9x);
  Build(VersionInputs(os::kWindowsMe));
  EXPECT_EQ(Slot("Dial-Up Networking").keyPath,
            "Software\\Classes\\CLSID\\" + std::string(folders::clsid::kDialUp9x) + "\\DefaultIcon");
  EXPECT_EQ(Slot("Dial-Up Networking").defaultPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
  EXPECT_EQ(Slot("Dial-Up Networking").defaultIndex, 33);

  // Tasks registered only in the Control Panel: the reverse.
  MemoryRegistry other;
  backend = std::move(other);
  AddToControlPanel(backend, folders::clsid::kScheduledTasks);
  for (int os : {os::kWindowsMe, os::kWindows2000, os::kWindowsXp}) {
    Build(VersionInputs(os));
    EXPECT_TRUE(Has("Scheduled Tasks")) << os;
  }
  for (int os : {os::kWindows95, os::kWindows98, os::kWindowsNt4}) {
    Build(VersionInputs(os));
    EXPECT_FALSE(Has("Scheduled Tasks")) << os;
  }
}

// ---- Where the icons live ----

TEST_F(FolderIconsTest, ShellIconSlotsReadTheMachineShellIconsList) {
  backend.PutText(kHKLM, folders::kShellIconsKey, "3", "C:\\Icons\\closed.ico");
  backend.PutText(kHKLM, folders::kShellIconsKey, "42", "\"C:\\My Icons\\group.icl\",7");
  const CatalogueInputs inputs = VersionInputs(os::kWindowsNt4, false);
  Build(inputs);
  const IconSlot& closed = Slot("Closed Folder");
  EXPECT_EQ(closed.rootKey, kHKLM);
  EXPECT_EQ(closed.keyPath, folders::kShellIconsKey);
  EXPECT_EQ(closed.valueName, "3");
  EXPECT_EQ(closed.currentPath, "C:\\Icons\\closed.ico");
  EXPECT_EQ(closed.currentIndex, 0);
  EXPECT_EQ(closed.defaultPath, Shell32(inputs));
  EXPECT_EQ(closed.defaultIndex, 3);

  const IconSlot& open = Slot("Open Folder");  // nothing stored: the default shows
  EXPECT_EQ(open.valueName, "4");
  EXPECT_EQ(open.currentPath, Shell32(inputs));
  EXPECT_EQ(open.currentIndex, 4);
  EXPECT_EQ(Slot("Program Group").valueName, "36");
  EXPECT_EQ(Slot("Program Group").defaultIndex, 36);

  // The users' group is value 42 whichever shell, but the old shell numbers its icon 43.
  const IconSlot& users = Slot("Users Program Group");
  EXPECT_EQ(users.valueName, "42");
  EXPECT_EQ(users.defaultIndex, 43);
  EXPECT_EQ(users.currentPath, "C:\\My Icons\\group.icl");
  EXPECT_EQ(users.currentIndex, 7);
  Build(VersionInputs(os::kWindowsNt4, true));
  EXPECT_EQ(Slot("Users Program Group").defaultIndex, 42);
}

TEST_F(FolderIconsTest, ClassFoldersLiveUnderTheUserOrMachineClassesByVersion) {
  SetUpEverything(backend, shell);
  const std::string cp = folders::clsid::kControlPanel;
  const std::string cache = folders::clsid::kActiveXCache;
  struct Case {
    int os;
    bool newShell;
    RegRoot shellRoot;
    std::string shellPrefix;
    RegRoot browserRoot;
    std::string browserPrefix;
  };
  const Case cases[] = {
      {os::kWindows95, false, kHKCR, "CLSID\\", kHKCR, "CLSID\\"},
      {os::kWindows95, true, kHKCU, "Software\\Classes\\CLSID\\", kHKCR, "CLSID\\"},
      {os::kWindows98, true, kHKCU, "Software\\Classes\\CLSID\\", kHKCR, "CLSID\\"},
      {os::kWindowsMe, true, kHKCU, "Software\\Classes\\CLSID\\", kHKCR, "CLSID\\"},
      {os::kWindowsNt4, false, kHKCR, "CLSID\\", kHKCR, "CLSID\\"},
      {os::kWindows2000, true, kHKCU, "Software\\Classes\\CLSID\\", kHKCU,
       "Software\\Classes\\CLSID\\"},
      {os::kWindowsXp, true, kHKCU, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\",
       kHKCU, "Software\\Classes\\CLSID\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("OsVersion " + std::to_string(c.os));
    Build(VersionInputs(c.os, c.newShell));
    EXPECT_EQ(Slot("Control Panel").rootKey, c.shellRoot);
    EXPECT_EQ(Slot("Control Panel").keyPath, c.shellPrefix + cp + "\\DefaultIcon");
    EXPECT_EQ(Slot("Control Panel").valueName, "");
    EXPECT_EQ(Slot("ActiveX Cache").rootKey, c.browserRoot);
    EXPECT_EQ(Slot("ActiveX Cache").keyPath, c.browserPrefix + cache + "\\DefaultIcon");
    EXPECT_EQ(Slot("ActiveX Cache").defaultPath,
              VersionInputs(c.os).paths.systemDir + "\\occache.dll");
  }
}

TEST_F(FolderIconsTest, ControlPanelItemsOfLaterSystemsAreChangedForTheUser) {
  SetUpEverything(backend, shell);
  backend.PutText(kHKCU,
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" +
                      std::string(folders::clsid::kFonts) + "\\DefaultIcon",
                  "", "%SystemRoot%\\system32\\myfonts.dll,-2");
  Build(VersionInputs(os::kWindowsXp));
  const IconSlot& fonts = Slot("Fonts");
  EXPECT_EQ(fonts.rootKey, kHKCU);
  EXPECT_EQ(fonts.currentPath, "C:\\WINDOWS\\system32\\myfonts.dll");
  EXPECT_EQ(fonts.currentIndex, -2);
  EXPECT_EQ(fonts.defaultPath, "C:\\WINDOWS\\system32\\main.cpl");
  EXPECT_EQ(fonts.defaultIndex, 9);
  EXPECT_EQ(Slot("Administrative Tools").defaultPath, "C:\\WINDOWS\\system32\\main.cpl");
  EXPECT_EQ(Slot("Administrative Tools").defaultIndex, 10);
  EXPECT_EQ(Slot("Network Connections").defaultPath, "C:\\WINDOWS\\system32\\netshell.dll");
  EXPECT_EQ(Slot("Scanners && Cameras").defaultPath, "C:\\WINDOWS\\system32\\wiashext.dll");
  EXPECT_EQ(Slot("Scheduled Tasks").defaultPath, "C:\\WINDOWS\\system32\\mstask.dll");
  EXPECT_EQ(Slot("Subscriptions").defaultPath, "C:\\WINDOWS\\system32\\webcheck.dll");

  // Windows 2000 names the network folder differently, at the same class key.
  Build(VersionInputs(os::kWindows2000));
  EXPECT_FALSE(Has("Network Connections"));
  EXPECT_EQ(Slot("Network and Dial-up Connections").keyPath,
            "Software\\Classes\\CLSID\\" + std::string(folders::clsid::kNetworkConnections) +
                "\\DefaultIcon");
  EXPECT_EQ(Slot("Network and Dial-up Connections").rootKey, kHKCU);
  EXPECT_FALSE(Has("Printers and Faxes"));
  EXPECT_EQ(Slot("Printers").keyPath, "Software\\Classes\\CLSID\\" +
                                           std::string(folders::clsid::kPrinters) + "\\DefaultIcon");
  EXPECT_EQ(Slot("Printers").defaultIndex, 58);

  // Without the Printers item in their Control Panel, these systems show no printers folder.
  MemoryRegistry bare;
  backend = std::move(bare);
  for (int os : {os::kWindows2000, os::kWindowsXp}) {
    Build(VersionInputs(os));
    EXPECT_FALSE(Has("Printers")) << os;
    EXPECT_FALSE(Has("Printers and Faxes")) << os;
    EXPECT_TRUE(Has("Control Panel")) << os;
  }
}

TEST_F(FolderIconsTest, MediaFoldersTakeTheirIconFromTheFoldersDesktopIni) {
  const std::string pictures = "C:\\My Documents\\My Pictures";
  shell.specialFolders[folders::special::kMyPictures] = pictures;
  shell.specialFolders[folders::special::kMyMusic] = "C:\\My Documents\\My Music";
  ini.WriteString(pictures + "\\desktop.ini", ".ShellClassInfo", "IconFile",
                  "%SystemRoot%\\system32\\pics.dll");
  ini.WriteString(pictures + "\\desktop.ini", ".ShellClassInfo", "IconIndex", "5");
  // A desktop.ini that names an index but no file shows the default.
  ini.WriteString("C:\\My Documents\\My Music\\desktop.ini", ".ShellClassInfo", "IconIndex", "9");
  Build(VersionInputs(os::kWindows98));

  const IconSlot& pics = Slot("My Pictures");
  EXPECT_FALSE(pics.rootKey.has_value());
  EXPECT_EQ(pics.keyPath, pictures + "\\desktop.ini");
  EXPECT_EQ(pics.currentPath, "C:\\WINDOWS\\system32\\pics.dll");
  EXPECT_EQ(pics.currentIndex, 5);
  EXPECT_EQ(pics.defaultPath, "C:\\WINDOWS\\SYSTEM\\mydocs.dll");
  EXPECT_EQ(pics.defaultIndex, 1);

  const IconSlot& music = Slot("My Music");
  EXPECT_EQ(music.currentPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
  EXPECT_EQ(music.currentIndex, 128);
  EXPECT_EQ(music.defaultIndex, 128);
}

TEST_F(FolderIconsTest, XpFavoritesAndMyVideosAreFoldersWithADesktopIni) {
  SetUpEverything(backend, shell);
  Build(VersionInputs(os::kWindowsXp));
  const IconSlot& favorites = Slot("Favorites");
  EXPECT_FALSE(favorites.rootKey.has_value());
  EXPECT_EQ(favorites.keyPath, "C:\\Documents and Settings\\Ann\\Favorites\\desktop.ini");
  EXPECT_EQ(favorites.defaultPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(favorites.defaultIndex, 86);
  const IconSlot& videos = Slot("My Videos");
  EXPECT_EQ(videos.keyPath, std::string(kXpMyVideos) + "\\desktop.ini");
  EXPECT_EQ(videos.defaultIndex, 129);

  // My Videos needs both the shell folder value and the folder's desktop.ini.
  shell.files.clear();
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_FALSE(Has("My Videos"));
  shell.files.insert(std::string(kXpMyVideos) + "\\desktop.ini");
  backend.PutNumber(kHKCU, folders::kUserShellFolders, "My Video", 1);  // not a text
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_FALSE(Has("My Videos"));
  backend.PutText(kHKCU, folders::kUserShellFolders, "My Video", "");
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_FALSE(Has("My Videos"));

  // Without the Favorites folder XP offers none, though its class is registered.
  shell.specialFolders.erase(folders::special::kFavorites);
  Build(VersionInputs(os::kWindowsXp));
  EXPECT_FALSE(Has("Favorites"));
}

// ---- Defaults that moved with the shell ----

TEST_F(FolderIconsTest, ClassFolderDefaultsFollowVersionAndShellLibrary) {
  SetUpEverything(backend, shell);
  constexpr std::uint32_t v400 = (4u << 16) | 0u;
  constexpr std::uint32_t v471 = folders::kShellVersion471;
  constexpr std::uint32_t v472 = folders::kShellVersion472;
  struct Case {
    int os;
    bool newShell;
    std::uint32_t shellVersion;
    int controlPanel;
    int printers;
    int favorites;  // -1: no class row for Favorites
  };
  const Case cases[] = {
      {os::kWindowsMe, true, v472, 54, 55, 83},
      {os::kWindows2000, true, (5u << 16), 57, 58, 86},
      {os::kWindowsXp, true, (6u << 16), 57, 58, -1},
      {os::kWindows98, true, v471, 50, 51, 78},
      {os::kWindows98, true, v472, 51, 52, 79},
      {os::kWindows98, true, v400, 51, 52, 72},
      {os::kWindows95, true, v471, 50, 51, 78},
      {os::kWindows95, false, v400, 46, 47, 72},
      // Favorites follows the shell library even where the old shell is counted.
      {os::kWindows95, false, v472, 46, 47, 79},
      {os::kWindowsNt4, true, v471, 50, 51, 78},
      {os::kUnknown, true, 0, 51, 52, 72},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("OsVersion " + std::to_string(c.os) + " shell " + std::to_string(c.shellVersion));
    CatalogueInputs inputs = VersionInputs(c.os, c.newShell);
    inputs.shellVersion = c.shellVersion;
    Build(inputs);
    EXPECT_EQ(Slot("Control Panel").defaultPath, Shell32(inputs));
    EXPECT_EQ(Slot("Control Panel").defaultIndex, c.controlPanel);
    const char* printers = c.os == os::kWindowsXp ? "Printers and Faxes" : "Printers";
    EXPECT_EQ(Slot(printers).defaultPath, Shell32(inputs));
    EXPECT_EQ(Slot(printers).defaultIndex, c.printers);
    if (c.favorites >= 0) {
      EXPECT_NE(Slot("Favorites").keyPath.find(folders::clsid::kFavorites), std::string::npos);
      EXPECT_EQ(Slot("Favorites").defaultIndex, c.favorites);
    }
  }
}

TEST_F(FolderIconsTest, UrlHistoryDefaultFollowsTheBrowserVersion) {
  AddShellFolder(backend, folders::clsid::kUrlHistory);
  struct Case {
    const char* ie;
    bool newShell;
    std::uint32_t shellVersion;
    const char* library;
    int index;
  };
  const Case cases[] = {
      {"5.50.4807.2300", true, 0, "shdocvw.dll", 24},
      {"6.0.2800.1106", false, 0, "shdocvw.dll", 24},
      {"4.72.3110.8", false, 0, "shdocvw.dll", 32},
      {"4.71.1712.6", true, 0, "shdocvw.dll", 36},
      {"4.70.1300", false, folders::kShellVersion471, "shdocvw.dll", 36},
      {"4.70.1300", false, folders::kShellVersion472, "cachevu.dll", 0},
      {"ERROR", false, 0, "cachevu.dll", 0},
      {"", false, 0, "cachevu.dll", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("IE ") + c.ie);
    CatalogueInputs inputs = VersionInputs(os::kWindows95, c.newShell);
    inputs.ieVersion = c.ie;
    inputs.shellVersion = c.shellVersion;
    Build(inputs);
    EXPECT_EQ(Slot("Url History").defaultPath, "C:\\WINDOWS\\SYSTEM\\" + std::string(c.library));
    EXPECT_EQ(Slot("Url History").defaultIndex, c.index);
  }
}

TEST_F(FolderIconsTest, WebFoldersDefaultLivesInTheCommonFiles) {
  AddToMyComputer(backend, folders::clsid::kWebFolders);
  const std::string library = "\\Microsoft Shared\\Web Folders\\msonsext.dll";
  backend.PutText(kHKLM, folders::kCurrentVersionKey, "CommonFilesDir", "D:\\Shared Files");
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(Slot("Web Folders").defaultPath, "D:\\Shared Files" + library);
  EXPECT_EQ(Slot("Web Folders").defaultIndex, 0);
  EXPECT_EQ(Slot("Web Folders").currentPath, "D:\\Shared Files" + library);

  // Missing, of the wrong type, or so long that the library would not fit a path: the
  // system's standard common files folder stands in.
  const std::string standard = "C:\\Program Files\\Common Files" + library;
  backend.DeleteValue(kHKLM, folders::kCurrentVersionKey, "CommonFilesDir");
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(Slot("Web Folders").defaultPath, standard);
  backend.PutNumber(kHKLM, folders::kCurrentVersionKey, "CommonFilesDir", 3);
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(Slot("Web Folders").defaultPath, standard);
  backend.PutText(kHKLM, folders::kCurrentVersionKey, "CommonFilesDir",
                  "D:\\" + std::string(230, 'c'));
  Build(VersionInputs(os::kWindows98));
  EXPECT_EQ(Slot("Web Folders").defaultPath, standard);
}

// ---- Broken input ----

TEST_F(FolderIconsTest, BrokenSystemValuesGiveSoundSlots) {
  SetUpEverything(backend, shell);
  backend.PutNumber(kHKLM, folders::kShellIconsKey, "3", 5);                 // wrong type
  backend.PutText(kHKLM, folders::kShellIconsKey, "4", std::string(300, 'x'));  // too long
  backend.Put(kHKLM, folders::kShellIconsKey, "36", regtype::kBinary, {0xff, 0x00, 0x41});
  backend.PutText(kHKCU,
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" +
                      std::string(folders::clsid::kControlPanel) + "\\DefaultIcon",
                  "", "not an icon");
  const std::string pictures = "C:\\Documents and Settings\\Ann\\My Documents\\My Pictures";
  ini.WriteString(pictures + "\\desktop.ini", ".ShellClassInfo", "IconFile", "C:\\pics.icl");
  ini.WriteString(pictures + "\\desktop.ini", ".ShellClassInfo", "IconIndex", "junk");
  // A folder lookup that gives an empty path, and one whose desktop.ini no slot could hold.
  shell.specialFolders[folders::special::kMyMusic] = "";
  shell.specialFolders[folders::special::kFavorites] = "C:\\" + std::string(300, 'f');

  const CatalogueInputs inputs = VersionInputs(os::kWindowsXp);
  Build(inputs);
  for (const char* name : {"Closed Folder", "Open Folder", "Program Group"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Slot(name).currentPath, Shell32(inputs));
    EXPECT_EQ(Slot(name).currentIndex, Slot(name).defaultIndex);
  }
  EXPECT_EQ(Slot("My Pictures").currentPath, "C:\\pics.icl");
  EXPECT_EQ(Slot("My Pictures").currentIndex, 0);
  EXPECT_FALSE(Has("My Music"));
  EXPECT_FALSE(Has("Favorites"));
  // A reference without an index is kept as the system has it, with index 0.
  EXPECT_EQ(Slot("Control Panel").currentPath, "not an icon");
  EXPECT_EQ(Slot("Control Panel").currentIndex, 0);
  EXPECT_EQ(Slot("Control Panel").defaultIndex, 57);
  // The rest of the list is unharmed.
  EXPECT_EQ(ListedNames().back(), "Subscriptions");
  EXPECT_TRUE(Has("My Videos"));
}

// ---- Package Builder, building once, plugins ----

TEST_F(FolderIconsTest, PackageBuilderShowsTheSamePlaceholdersOnEveryVersion) {
  SetUpEverything(backend, shell);
  const Names expectedNames{"Closed Folder", "Open Folder", "Program Group", "Users Program Group",
                            "My Music", "My Pictures", "My Videos", "Control Panel",
                            "Administrative Tools", "Fonts", "Dial-Up Networking", "Printers",
                            "Scheduled Tasks", "Web Folders", "ActiveX Cache", "Favorites",
                            "Subscriptions", "Url History"};
  const std::vector<int> expectedIndexes{21, 22, 23, 24, 86, 87, 88, 25, 26,
                                         27, 28, 29, 30, 31, 32, 33, 34, 35};
  const std::string placeholder = std::string(kAppPath) + "\\Glimmerdeck.exe";
  for (int os = os::kUnknown; os <= os::kWindowsXp; ++os) {
    for (bool newShell : {true, false}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + (newShell ? " new shell" : " old shell"));
      CatalogueInputs inputs = VersionInputs(os, newShell);
      inputs.view = CatalogueView::PackageBuilder;
      SlotCatalogue& catalogue = Build(inputs);
      ASSERT_EQ(ListedNames(), expectedNames);
      const auto& entries = catalogue.Entries(category::kFolders);
      for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconSlot& slot = *entries[i].slot;
        EXPECT_FALSE(slot.rootKey.has_value()) << entries[i].name;
        EXPECT_EQ(slot.keyPath, "") << entries[i].name;
        EXPECT_EQ(slot.iconPath, placeholder) << entries[i].name;
        EXPECT_EQ(slot.currentIndex, expectedIndexes[i]) << entries[i].name;
        EXPECT_EQ(slot.defaultPath, placeholder) << entries[i].name;
        EXPECT_EQ(slot.defaultIndex, expectedIndexes[i]) << entries[i].name;
      }
    }
  }
}

TEST_F(FolderIconsTest, AListWithItemsIsNotBuiltAgain) {
  SetUpWindowsXp(backend, shell);
  SlotCatalogue& catalogue = Build(VersionInputs(os::kWindowsXp));
  const std::size_t built = catalogue.Entries(category::kFolders).size();
  BuildFolderIcons(catalogue);
  EXPECT_EQ(catalogue.Entries(category::kFolders).size(), built);

  SlotCatalogue& other = Make(VersionInputs(os::kWindowsXp));
  other.AddSlot(category::kFolders, "Already", std::nullopt, "", "", "x.ico", 0, SlotKind::BuiltIn,
                0);
  BuildFolderIcons(other);
  EXPECT_EQ(ListedNames(), (Names{"Already"}));
}

TEST_F(FolderIconsTest, MyComputerPluginsFollowTheTable) {
  SetUpWindowsXp(backend, shell);
  const std::string folder = std::string(kAppPath) + "\\Plugins\\";
  const std::string zip = "{E88DCCE0-B7B3-11d1-A9F0-00AA0060FA31}";
  const std::string desk = "{645FF040-5081-101B-9F08-00AA002F954E}";
  auto plugin = [&](const std::string& file, const char* location, const std::string& clsid,
                    const char* name) {
    shell.files.insert(folder + file);
    backend.PutText(kHKCU, "Software\\Quillmoor\\Glimmerdeck\\Plugins", file, "");
    ini.WriteString(folder + file, "Application Info", "Name", name);
    ini.WriteString(folder + file, "Application Info", "Location", location);
    ini.WriteString(folder + file, "Application Info", "CLSID", clsid);
    ini.WriteString(folder + file, "Application Info", "IconFile", "%WinSysPath%\\zipfldr.dll");
  };
  plugin("Zip.gdp", "1", zip, "Compressed Folders");
  plugin("Bin.gdp", "0", desk, "Desktop Thing");
  AddToMyComputer(backend, zip);
  backend.CreateKey(kHKLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\" + desk);

  Build(VersionInputs(os::kWindowsXp));
  ASSERT_FALSE(ListedNames().empty());
  EXPECT_EQ(ListedNames().back(), "Compressed Folders");
  EXPECT_EQ(ListedNames()[ListedNames().size() - 2], "Subscriptions");
  EXPECT_FALSE(Has("Desktop Thing"));
  EXPECT_EQ(Slot("Compressed Folders").defaultPath, "C:\\WINDOWS\\system32\\zipfldr.dll");

  // The Package Builder lists them too, after the placeholders.
  CatalogueInputs builder = VersionInputs(os::kWindowsXp);
  builder.view = CatalogueView::PackageBuilder;
  Build(builder);
  EXPECT_EQ(ListedNames().size(), 19u);
  EXPECT_EQ(ListedNames().back(), "Compressed Folders");
}

}  // namespace
}  // namespace gd::folder_test
