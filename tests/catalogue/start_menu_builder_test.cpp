// The Start list per Windows version: the classic entries and the policies and menu settings
// that hide them, the settings folders' defaults, XP's entries with its client programs and
// its notice, the Package Builder placeholders, and registry junk.
#include <map>
#include <string>

#include "start_menu_fixture.h"

namespace gd {
namespace {

using Names_ = std::vector<std::string>;

constexpr const char* kNoticeText =
    "The icons for the WindowsXP Classic Start Menu cannot be changed.\n\nThis is currently a "
    "limitation within the operating system, and not a problem with the Glimmerdeck "
    "application.";

class StartMenuIconsTest : public StartMenuFixture {};

TEST_F(StartMenuIconsTest, OldShellsListTheBasicEntries) {
  EXPECT_EQ(Build(1, false),
            (Names_{"Programs", "Documents", "Settings", "Find", "Help", "Run...", "Suspend",
                    "Shut Down...", "Settings - Control Panel", "Settings - Printers"}));
  EXPECT_EQ(Build(4, false),
            (Names_{"Programs", "Documents", "Settings", "Find", "Help", "Run...",
                    "Shut Down...", "Settings - Control Panel", "Settings - Printers"}));
  // A later shell on Windows 95 brings Favorites and Log Off, not the taskbar entry.
  EXPECT_EQ(Build(1, true),
            (Names_{"Programs", "Favorites", "Documents", "Settings", "Find", "Help", "Run...",
                    "Log Off...", "Suspend", "Shut Down...", "Settings - Control Panel",
                    "Settings - Printers"}));
}

TEST_F(StartMenuIconsTest, Windows98AndUnknownListEveryEntryWithoutPolicies) {
  const Names_ expected{"Programs", "Favorites", "Documents", "Settings", "Find", "Help",
                        "Run...", "Log Off...", "Shut Down...", "Settings - Control Panel",
                        "Settings - Printers", "Settings - Taskbar and Start Menu"};
  EXPECT_EQ(Build(2), expected);
  EXPECT_EQ(Build(0), expected);
}

TEST_F(StartMenuIconsTest, MeAndTwoThousandFollowTheirStartMenuSettings) {
  // Without the settings Favorites and Log Off stay off; Run stays on.
  const Names_ bare{"Programs", "Documents", "Settings", "Search", "Help", "Run...",
                    "Shut Down...", "Settings - Control Panel", "Settings - Printers",
                    "Settings - Taskbar and Start Menu"};
  EXPECT_EQ(Build(3), bare);
  EXPECT_EQ(Build(5), bare);
  SetUpMenuSettings();
  const Names_ full{"Programs", "Favorites", "Documents", "Settings", "Search", "Help", "Run...",
                    "Log Off...", "Shut Down...", "Settings - Control Panel",
                    "Settings - Printers", "Settings - Taskbar and Start Menu"};
  EXPECT_EQ(Build(3), full);
  EXPECT_EQ(Build(5), full);
  // Only the value 1 switches them on.
  Setting("StartMenuFavorites", 2);
  Setting("StartMenuLogoff", 0);
  Build(5);
  EXPECT_FALSE(Has(category::kStart, "Favorites"));
  EXPECT_FALSE(Has(category::kStart, "Log Off..."));
}

TEST_F(StartMenuIconsTest, ClassicEntriesAreShellIconsValuesByNumber) {
  const std::map<std::string, std::string> values = {
      {"Programs", "19"}, {"Favorites", "43"}, {"Documents", "20"}, {"Settings", "21"},
      {"Find", "22"},     {"Help", "23"},      {"Run...", "24"},    {"Log Off...", "44"},
      {"Shut Down...", "27"}, {"Settings - Taskbar and Start Menu", "39"}};
  Build(2);
  for (const auto& [name, value] : values) {
    SCOPED_TRACE(name);
    const IconSlot& slot = Start(name);
    EXPECT_EQ(slot.rootKey, kHklm);
    EXPECT_EQ(slot.keyPath, kShellIconsKey);
    EXPECT_EQ(slot.valueName, value);
    EXPECT_EQ(slot.defaultPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
    EXPECT_EQ(slot.defaultIndex, std::stoi(value));
    EXPECT_EQ(slot.flags, 0u);
  }
  Build(1, false);
  EXPECT_EQ(Start("Suspend").valueName, "25");
  EXPECT_EQ(Start("Suspend").defaultIndex, 25);
}

TEST_F(StartMenuIconsTest, SettingsFoldersDefaultToTheirVersionsIcons) {
  struct Case {
    int os;
    int controlPanel;
    int printers;
  };
  for (const Case& c : {Case{0, 35, 37}, Case{1, 35, 37}, Case{2, 51, 52}, Case{3, 54, 55},
                        Case{4, 35, 37}, Case{5, 57, 58}}) {
    SCOPED_TRACE(c.os);
    Build(c.os);
    const std::string shell32 = PathsFor(c.os).systemDir + "\\shell32.dll";
    EXPECT_EQ(Start("Settings - Control Panel").valueName, "35");
    EXPECT_EQ(Start("Settings - Control Panel").defaultPath, shell32);
    EXPECT_EQ(Start("Settings - Control Panel").defaultIndex, c.controlPanel);
    EXPECT_EQ(Start("Settings - Printers").valueName, "37");
    EXPECT_EQ(Start("Settings - Printers").defaultIndex, c.printers);
    // Nothing replaced: the default shows.
    EXPECT_EQ(Start("Settings - Printers").currentIndex, c.printers);
  }
}

TEST_F(StartMenuIconsTest, CurrentIconsComeFromTheShellIconsValues) {
  backend.PutText(kHklm, kShellIconsKey, "19", "C:\\Icons\\programs.ico,2");
  backend.PutText(kHklm, kShellIconsKey, "35", "%SystemRoot%\\panel.icl,-4");
  Build(2);
  EXPECT_EQ(Start("Programs").currentPath, "C:\\Icons\\programs.ico");
  EXPECT_EQ(Start("Programs").currentIndex, 2);
  EXPECT_EQ(Start("Settings - Control Panel").currentPath, "C:\\WINDOWS\\panel.icl");
  EXPECT_EQ(Start("Settings - Control Panel").currentIndex, -4);
  EXPECT_EQ(Start("Help").currentPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
}

TEST_F(StartMenuIconsTest, PoliciesHideTheirEntries) {
  Policy("NoFind", 1);
  Policy("NoRun", 1);
  Policy("NoClose", 1);
  Policy("NoSetFolders", 1);
  BinaryPolicy("NoFavoritesMenu", 1);
  BinaryPolicy("NoRecentDocsMenu", 1);
  BinaryPolicy("NoLogOff", 1);
  EXPECT_EQ(Build(2), (Names_{"Programs", "Settings", "Help",
                              "Settings - Taskbar and Start Menu"}));
  // The old shell shows Documents whatever the policy says.
  EXPECT_EQ(Build(1, false), (Names_{"Programs", "Documents", "Settings", "Help", "Suspend"}));
  // Any other value keeps the entries.
  for (const char* name : {"NoFind", "NoRun", "NoClose", "NoSetFolders"}) Policy(name, 0);
  for (const char* name : {"NoFavoritesMenu", "NoRecentDocsMenu", "NoLogOff"}) {
    BinaryPolicy(name, 2);
  }
  EXPECT_EQ(Build(2).size(), 12u);
}

TEST_F(StartMenuIconsTest, ByteReadPoliciesLookOnlyAtTheFirstByte) {
  // A DWORD 1 starts with the byte 1; a DWORD 0x0100 does not.
  Policy("NoFavoritesMenu", 1);
  Policy("NoLogOff", 0x0100);
  backend.PutText(kHkcu, kPoliciesKey, "NoRecentDocsMenu", "1");  // the byte '1', not 1
  Build(2);
  EXPECT_FALSE(Has(category::kStart, "Favorites"));
  EXPECT_TRUE(Has(category::kStart, "Log Off..."));
  EXPECT_TRUE(Has(category::kStart, "Documents"));
  // DWORD-read policies of another type read as missing and hide nothing.
  backend.PutText(kHkcu, kPoliciesKey, "NoRun", "1");
  backend.Put(kHkcu, kPoliciesKey, "NoClose", regtype::kBinary, {1});
  Build(2);
  EXPECT_TRUE(Has(category::kStart, "Run..."));
  EXPECT_TRUE(Has(category::kStart, "Shut Down..."));
}

TEST_F(StartMenuIconsTest, MeDecidesRunByItsSettingAndIgnoresThePolicy) {
  Policy("NoRun", 1);
  Build(3);
  EXPECT_TRUE(Has(category::kStart, "Run..."));
  Build(2);
  EXPECT_FALSE(Has(category::kStart, "Run..."));
  Setting("StartMenuRun", 0);
  Build(3);
  EXPECT_FALSE(Has(category::kStart, "Run..."));
  // 2000 still follows the policy for Run, but its settings for Favorites and Log Off.
  Build(5);
  EXPECT_FALSE(Has(category::kStart, "Run..."));
  SetUpMenuSettings();
  BinaryPolicy("NoFavoritesMenu", 1);
  BinaryPolicy("NoLogOff", 1);
  Build(5);
  EXPECT_TRUE(Has(category::kStart, "Favorites"));
  EXPECT_TRUE(Has(category::kStart, "Log Off..."));
}

TEST_F(StartMenuIconsTest, XpListsItsClientsAndStartMenuObjects) {
  SetUpXp();
  EXPECT_EQ(Build(6), (Names_{"Internet", "E-mail", "Help and Support", "Search", "Run..."}));
  const std::map<std::string, std::pair<std::string, int>> objects = {
      {"Help and Support", {"{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", 23}},
      {"Search", {"{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", 22}},
      {"Run...", {"{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", 24}}};
  for (const auto& [name, place] : objects) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Start(name).rootKey, kHkcu);
    EXPECT_EQ(Start(name).keyPath,
              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" + place.first +
                  "\\DefaultIcon");
    EXPECT_EQ(Start(name).valueName, "");
    EXPECT_EQ(Start(name).defaultPath, "C:\\WINDOWS\\system32\\shell32.dll");
    EXPECT_EQ(Start(name).defaultIndex, place.second);
  }
}

TEST_F(StartMenuIconsTest, XpMenuSettingsHideObjectsAndMissingClientsHideTheirEntries) {
  Setting("Start_ShowHelp", 0);
  Setting("Start_ShowRun", 0);
  EXPECT_EQ(Build(6), (Names_{"Search"}));
  Setting("Start_ShowSearch", 0);
  Setting("Start_ShowHelp", 1);
  Setting("Start_ShowRun", 2);
  EXPECT_EQ(Build(6), (Names_{"Help and Support", "Run..."}));
  // A clients key with an empty default names no client.
  backend.PutText(kHklm, kMailClients, "", "");
  backend.PutText(kHkcu, kMailClients, "", "");
  Build(6);
  EXPECT_FALSE(Has(category::kStart, "E-mail"));
}

TEST_F(StartMenuIconsTest, ClientEntryReadsTheDefaultClientsIcon) {
  SetUpXp();
  Build(6);
  const IconSlot& internet = Start("Internet");
  EXPECT_EQ(internet.rootKey, kHklm);
  EXPECT_EQ(internet.keyPath, "Software\\Clients\\StartMenuInternet\\IEXPLORE.EXE\\DefaultIcon");
  EXPECT_EQ(internet.valueName, "");
  EXPECT_EQ(internet.flags, 0u);
  EXPECT_EQ(internet.currentPath, "C:\\Program Files\\Internet Explorer\\iexplore.exe");
  EXPECT_EQ(internet.currentIndex, -7);
  EXPECT_EQ(internet.iconPath, internet.currentPath);
  EXPECT_EQ(internet.iconIndex, -7);
  // No backup kept: the current icon is also the default.
  EXPECT_EQ(internet.defaultPath, internet.currentPath);
  EXPECT_EQ(internet.defaultIndex, -7);
  EXPECT_EQ(Start("E-mail").keyPath, "Software\\Clients\\Mail\\Outlook Express\\DefaultIcon");
  EXPECT_EQ(Start("E-mail").currentIndex, -2);
}

TEST_F(StartMenuIconsTest, TheUsersChoiceOfClientComesFirst) {
  SetUpXp();
  RegisterClient(kMailClients, "Mozilla Thunderbird", "C:\\Thunderbird\\tb.exe,0", "");
  backend.PutText(kHklm, kMailClients, "", "Outlook Express");  // the machine's choice
  backend.PutText(kHkcu, kMailClients, "", "Mozilla Thunderbird");
  Build(6);
  EXPECT_EQ(Start("E-mail").keyPath,
            "Software\\Clients\\Mail\\Mozilla Thunderbird\\DefaultIcon");
  EXPECT_EQ(Start("E-mail").currentPath, "C:\\Thunderbird\\tb.exe");
  // An empty user value, or one of the wrong type, leaves the machine's choice.
  for (int wrongType = 0; wrongType < 2; ++wrongType) {
    if (wrongType) {
      backend.PutNumber(kHkcu, kMailClients, "", 3);
    } else {
      backend.PutText(kHkcu, kMailClients, "", "");
    }
    Build(6);
    EXPECT_EQ(Start("E-mail").keyPath, "Software\\Clients\\Mail\\Outlook Express\\DefaultIcon");
  }
}

TEST_F(StartMenuIconsTest, ClientWithoutDefaultIconShowsItsOpenCommand) {
  RegisterClient(kInternetClients, "Browser", "",
                 "\"C:\\Apps\\Browser\\browser.exe\"");
  Build(6);
  EXPECT_EQ(Start("Internet").currentPath, "C:\\Apps\\Browser\\browser.exe");
  EXPECT_EQ(Start("Internet").currentIndex, 0);
  EXPECT_EQ(Start("Internet").keyPath,
            "Software\\Clients\\StartMenuInternet\\Browser\\DefaultIcon");
  // Neither icon nor command: the shell's own icon.
  RegisterClient(kMailClients, "Bare", "", "");
  Build(6);
  EXPECT_EQ(Start("E-mail").currentPath, "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(Start("E-mail").currentIndex, 0);
}

TEST_F(StartMenuIconsTest, ClientDefaultIsTheBackupOrItsLibrary) {
  SetUpXp();
  const std::string iconKey = "Software\\Clients\\StartMenuInternet\\IEXPLORE.EXE\\DefaultIcon";
  backend.PutText(kHklm, iconKey, "", "C:\\Icons\\web.ico,0");
  backend.PutText(kHklm, iconKey, "Backup", "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\",-7");
  // A mail client whose icon file is gone but which names its library.
  RegisterClient(kMailClients, "Mailer", "C:\\Gone\\mailer.exe,5", "");
  backend.PutText(kHklm, "Software\\Clients\\Mail\\Mailer", "DLLPath",
                  "%SystemRoot%\\system32\\mailer.dll");
  Build(6);
  EXPECT_EQ(Start("Internet").currentPath, "C:\\Icons\\web.ico");
  EXPECT_EQ(Start("Internet").defaultPath, "C:\\Program Files\\Internet Explorer\\iexplore.exe");
  EXPECT_EQ(Start("Internet").defaultIndex, -7);
  EXPECT_EQ(Start("E-mail").currentPath, "C:\\Gone\\mailer.exe");
  EXPECT_EQ(Start("E-mail").defaultPath, "C:\\WINDOWS\\system32\\mailer.dll");
  EXPECT_EQ(Start("E-mail").defaultIndex, 5);
  // While the icon file exists the library is not needed.
  shell.files.insert("C:\\Gone\\mailer.exe");
  Build(6);
  EXPECT_EQ(Start("E-mail").defaultPath, "C:\\Gone\\mailer.exe");
}

TEST_F(StartMenuIconsTest, XpNoticeShowsUntilTheUserSilencesIt) {
  SetUpXp();
  notice.answer.doNotShowAgain = false;
  Build(6);
  ASSERT_EQ(notice.shown.size(), 1u);
  EXPECT_EQ(notice.shown[0].text, kNoticeText);
  EXPECT_EQ(notice.shown[0].buttons, PromptButtons::Ok);
  Build(6);
  EXPECT_EQ(notice.shown.size(), 2u);
  EXPECT_EQ(registry.ReadNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck", "Notice StartMenu"),
            kRegNumberSentinel);

  notice.answer.doNotShowAgain = true;
  Build(6);
  EXPECT_EQ(notice.shown.size(), 3u);
  EXPECT_EQ(registry.ReadNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck", "Notice StartMenu"),
            0u);
  Build(6);
  EXPECT_EQ(notice.shown.size(), 3u);
  // The entries are there either way.
  EXPECT_EQ(Names(category::kStart).size(), 5u);
}

TEST_F(StartMenuIconsTest, XpNoticeStaysAwayFromSilentStartsAndOtherLists) {
  SetUpXp();
  Build(6, true, /*silent=*/true);
  EXPECT_EQ(Names(category::kStart).size(), 5u);
  for (int os = 0; os <= 5; ++os) Build(os);
  Make(6, true, CatalogueView::PackageBuilder);
  BuildStartMenuIcons(catalogue());
  EXPECT_TRUE(notice.shown.empty());
  // A value of 1 (or anything but 0) keeps the notice on.
  backend.PutNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck", "Notice StartMenu", 1);
  Build(6);
  EXPECT_EQ(notice.shown.size(), 1u);
}

TEST_F(StartMenuIconsTest, PackageBuilderShowsTheSamePlaceholdersOnEveryVersion) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Internet", 4},     {"E-mail", 84},    {"Programs", 9},      {"Favorites", 10},
      {"Documents", 11},   {"Settings", 12},  {"Find", 13},         {"Help", 14},
      {"Run...", 15},      {"Log Off...", 16}, {"Suspend", 17},     {"Shut Down...", 18},
      {"Settings - Control Panel", 19},        {"Settings - Printers", 20},
      {"Settings - Taskbar and Start Menu", 85}};
  SetUpXp();
  Policy("NoRun", 1);
  for (int os = 0; os <= 6; ++os) {
    SCOPED_TRACE(os);
    Make(os, os != 1 && os != 4, CatalogueView::PackageBuilder);
    BuildStartMenuIcons(catalogue());
    const auto& entries = catalogue().Entries(category::kStart);
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].name, expected[i].first);
      EXPECT_EQ(entries[i].slot->iconPath, std::string(kAppPath) + "\\Glimmerdeck.exe");
      EXPECT_EQ(entries[i].slot->iconIndex, expected[i].second);
      EXPECT_FALSE(entries[i].slot->rootKey.has_value());
    }
  }
}

TEST_F(StartMenuIconsTest, ABuiltListIsKeptAndPluginsAddNothingHere) {
  AddPlugin(Plugin("Tool").Name("Tool Object"));
  AddPlugin(Plugin("Comp").Location("1").Clsid("{C}").Name("In My Computer"));
  const std::size_t count = Build(2).size();
  EXPECT_FALSE(Has(category::kStart, "Tool Object"));
  Policy("NoRun", 1);
  BuildStartMenuIcons(catalogue());
  EXPECT_EQ(catalogue().Entries(category::kStart).size(), count);
  EXPECT_TRUE(Has(category::kStart, "Run..."));
}

TEST_F(StartMenuIconsTest, JunkClientsGiveSoundEntriesOrNone) {
  // A client name too long for any key, and client icons that are junk or over-long.
  backend.PutText(kHklm, kInternetClients, "", std::string(250, 'n'));
  RegisterClient(kMailClients, "Junk", ",,,", "");
  backend.PutText(kHklm, "Software\\Clients\\Mail\\Junk\\DefaultIcon", "Backup",
                  std::string(500, 'b') + ",1");
  Build(6);
  EXPECT_FALSE(Has(category::kStart, "Internet"));
  ASSERT_TRUE(Has(category::kStart, "E-mail"));
  EXPECT_EQ(Start("E-mail").currentPath, ",,");
  EXPECT_LE(Start("E-mail").defaultPath.size(), 259u);
  EXPECT_EQ(Names(category::kStart).size(), 4u);
}

}  // namespace
}  // namespace gd
