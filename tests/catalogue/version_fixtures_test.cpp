// Whole Windows installations, one .reg file each: every category built over the machine's
// registry, compared with the lists each version is known to offer, in order, and with the
// places and defaults that moved between versions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_case.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/reg_file.h"
#include "support/scripted_prompt.h"
#include "version_fixture.h"

namespace gd::version_test {
namespace {

using Names = std::vector<std::string>;

// Key prefixes, written out once so the expectations stay readable.
const std::string kCr = "HKCR\\CLSID\\";
const std::string kUc = "HKCU\\Software\\Classes\\CLSID\\";
const std::string kUe = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";
const std::string kSi = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

constexpr const char* kMyComputer = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr const char* kMyDocuments = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";
constexpr const char* kNetwork = "{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr const char* kInternet = "{871C5380-42A0-1069-A2EA-08002B30309D}";
constexpr const char* kInternetOld = "{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr const char* kOutlook = "{00020D75-0000-0000-C000-000000000046}";
constexpr const char* kInbox = "{00020D76-0000-0000-C000-000000000046}";
constexpr const char* kRecycleBin = "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr const char* kControlPanel = "{21EC2020-3AEA-1069-A2DD-08002B30309D}";
constexpr const char* kPrinters = "{2227A280-3AEA-1069-A2DE-08002B30309D}";
constexpr const char* kActiveXCache = "{88C6C381-2E85-11D0-94DE-444553540000}";
constexpr const char* kFavorites = "{1A9BA3A0-143A-11CF-8350-444553540000}";

std::string DefaultIcon(const std::string& prefix, const std::string& id) {
  return prefix + id + "\\DefaultIcon";
}
std::string ShellIcon(const std::string& value) { return kSi + " [" + value + "]"; }

const Names kDriveNames{"Floppy Drive 5\xBC",        "Floppy Drive 3\xBD",
                        "Hard Drive",                "Network Drive (connected)",
                        "Network Drive (offline)",   "CD-ROM Drive",
                        "Removable Drive",           "RAM Drive"};
const Names kOthersWithoutNetworkService{"Shortcut Overlay", "Sharing Overlay", "Desktop",
                                         "Entire Network",   "Workgroup",       "Computer",
                                         "Audio CD"};
const Names kOthersWithNetworkService{"Shortcut Overlay", "Sharing Overlay", "Desktop",
                                      "Entire Network",   "Network Service", "Workgroup",
                                      "Computer",         "Audio CD"};
const Names kCursorsWithoutHand{"Normal Select",     "Help Select",       "Working In Background",
                                "Busy",              "Precision Select",  "Text Select",
                                "Handwriting",       "Unavailable",       "Vertical Resize",
                                "Horizontal Resize", "Diagonal Resize 1", "Diagonal Resize 2",
                                "Move",              "Alternate Select"};
Names WithHand() {
  Names names = kCursorsWithoutHand;
  names.push_back("Hand");
  return names;
}

class VersionFixtures : public ::testing::Test {
 protected:
  void Build(const WindowsMachine& machine) {
    ASSERT_EQ(test::LoadRegFile(backend, FixturePath(machine.file)), "");
    machine.setUpShell(shell);
    inputs = MachineInputs(machine, registry);
    catalogue =
        BuildEverything(inputs, CatalogueSystem{registry, ini, shell, prompt, notice});
  }

  Names NamesOf(int category) const {
    Names names;
    for (const auto& entry : catalogue->Entries(category)) names.push_back(entry.name);
    return names;
  }
  const IconSlot* Slot(int category, std::string_view name) {
    const IconSlot* slot = catalogue->Find(category, name);
    if (slot == nullptr) ADD_FAILURE() << "no slot \"" << name << "\" in category " << category;
    return slot;
  }
  // Root, key and value name of a slot ("HKCU\key [value]"), compared without regard to case
  // as the registry compares them.
  void ExpectPlace(int category, std::string_view name, const std::string& expected) {
    const IconSlot* slot = Slot(category, name);
    if (slot == nullptr) return;
    std::string place = RootName(slot->rootKey) + "\\" + slot->keyPath;
    if (!slot->valueName.empty()) place += " [" + slot->valueName + "]";
    EXPECT_EQ(FoldCase(place), FoldCase(expected)) << name;
  }
  void ExpectDefault(int category, std::string_view name, const std::string& expected) {
    const IconSlot* slot = Slot(category, name);
    if (slot == nullptr) return;
    EXPECT_EQ(FoldCase(MakeIconRef(slot->defaultPath, slot->defaultIndex)), FoldCase(expected))
        << name;
  }
  void ExpectCurrent(int category, std::string_view name, const std::string& expected) {
    const IconSlot* slot = Slot(category, name);
    if (slot == nullptr) return;
    EXPECT_EQ(FoldCase(MakeIconRef(slot->currentPath, slot->currentIndex)), FoldCase(expected))
        << name;
  }
  // The lists every version shares except for the network service and the hand cursor.
  void ExpectCommonLists(bool networkService, bool hand) {
    EXPECT_EQ(NamesOf(category::kDrives), kDriveNames);
    EXPECT_EQ(NamesOf(category::kOthers),
              networkService ? kOthersWithNetworkService : kOthersWithoutNetworkService);
    EXPECT_EQ(NamesOf(category::kCursors), hand ? WithHand() : kCursorsWithoutHand);
    ExpectPlace(category::kDrives, "Hard Drive", ShellIcon("8"));
    ExpectDefault(category::kDrives, "CD-ROM Drive", inputs.paths.systemDir + "\\shell32.dll,11");
    ExpectPlace(category::kCursors, "Busy", "HKCU\\Control Panel\\Cursors [Wait]");
    ExpectDefault(category::kCursors, "Busy", std::string(kAppPath) + "\\Glimmerdeck.exe,72");
  }

  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  FakeShell shell;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
  CatalogueInputs inputs;
  std::unique_ptr<SlotCatalogue> catalogue;
};

TEST_F(VersionFixtures, EveryFixtureLoadsAndNamesEachSlotOnce) {
  for (const WindowsMachine& machine : AllMachines()) {
    SCOPED_TRACE(machine.file);
    test::MemoryRegistry fresh;
    Registry reader{fresh};
    ASSERT_EQ(test::LoadRegFile(fresh, FixturePath(machine.file)), "");
    // The browser version is what several version rules start from.
    EXPECT_NE(reader.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer",
                              "Version"),
              kRegTextSentinel);
    FakeShell machineShell;
    machine.setUpShell(machineShell);
    test::MemoryIni machineIni;
    const auto built = BuildEverything(
        MachineInputs(machine, reader),
        CatalogueSystem{reader, machineIni, machineShell, prompt, notice});
    for (int c = 0; c < kCategoryCount; ++c) {
      Names names;
      for (const auto& entry : built->Entries(c)) {
        for (const auto& seen : names) {
          EXPECT_FALSE(EqualsIgnoreCase(seen, entry.name)) << "twice in " << c << ": " << seen;
        }
        names.push_back(entry.name);
      }
    }
  }
}

TEST_F(VersionFixtures, Windows95WithTheFirstShell) {
  Build(kWin95);
  const std::string sys = "C:\\WINDOWS\\SYSTEM";
  EXPECT_EQ(inputs.ieVersion, "4.70.1155");

  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Computer", "Network Neighborhood", "Internet Explorer", "In Box",
                   "My Briefcase", "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kCr, kMyComputer));
  ExpectDefault(category::kDesktop, "My Computer", "C:\\WINDOWS\\explorer.exe,0");
  ExpectPlace(category::kDesktop, "Network Neighborhood", DefaultIcon(kCr, kNetwork));
  ExpectDefault(category::kDesktop, "Network Neighborhood", sys + "\\shell32.dll,17");
  ExpectPlace(category::kDesktop, "Internet Explorer", DefaultIcon(kCr, kInternetOld));
  ExpectDefault(category::kDesktop, "Internet Explorer", sys + "\\mshtml.dll,0");
  ExpectCurrent(category::kDesktop, "Internet Explorer",
                "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE,0");
  ExpectPlace(category::kDesktop, "In Box", DefaultIcon(kCr, kInbox));
  ExpectDefault(category::kDesktop, "In Box",
                "C:\\Program Files\\Microsoft Exchange\\Mlset32.exe,3");
  ExpectPlace(category::kDesktop, "Recycle Bin (full)",
              DefaultIcon(kCr, kRecycleBin) + " [Full]");
  ExpectDefault(category::kDesktop, "Recycle Bin (full)", sys + "\\shell32.dll,32");

  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Documents", "Settings", "Find", "Help", "Run...", "Suspend",
                   "Shut Down...", "Settings - Control Panel", "Settings - Printers"}));
  ExpectPlace(category::kStart, "Suspend", ShellIcon("25"));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,35");
  ExpectDefault(category::kStart, "Settings - Printers", sys + "\\shell32.dll,37");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "Control Panel",
                   "Dial-Up Networking", "Printers"}));
  ExpectPlace(category::kFolders, "Control Panel", DefaultIcon(kCr, kControlPanel));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,46");
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,47");
  ExpectPlace(category::kFolders, "Dial-Up Networking",
              DefaultIcon(kCr, "{992CFFA0-F557-101A-88EC-00DD010CCC48}"));
  ExpectDefault(category::kFolders, "Dial-Up Networking", sys + "\\shell32.dll,33");

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "Movie Clip", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document"}));
  ExpectDefault(category::kFiles, "Bitmap Image",
                "C:\\Program Files\\Accessories\\Mspaint.exe,1");
  ExpectCurrent(category::kFiles, "Bitmap Image", "C:\\Progra~1\\Access~1\\MSPAINT.EXE,1");
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,58");
  ExpectDefault(category::kFiles, "Internet Document", sys + "\\mshtml.dll,1");
  ExpectDefault(category::kFiles, "GIF Image", sys + "\\mshtml.dll,9");
  ExpectDefault(category::kFiles, "JPEG Image", sys + "\\mshtml.dll,8");
  ExpectDefault(category::kFiles, "Media Clip", "C:\\WINDOWS\\mplayer.exe,0");
  ExpectDefault(category::kFiles, "MIDI Sequence", sys + "\\quartz.dll,8");
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,60");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,59");
  ExpectPlace(category::kFiles, "Wave Sound", "HKCR\\SoundRec\\DefaultIcon");
  ExpectCurrent(category::kFiles, "Wave Sound", "C:\\WINDOWS\\SNDREC32.EXE,1");
  ExpectDefault(category::kFiles, "Wave Sound", sys + "\\quartz.dll,4");
  ExpectDefault(category::kFiles, "Write Document",
                "C:\\Program Files\\Accessories\\Wordpad.exe,2");

  ExpectCommonLists(false, false);
  EXPECT_TRUE(NamesOf(category::kQuickLaunch).empty());
  EXPECT_TRUE(notice.shown.empty());
}

TEST_F(VersionFixtures, Windows98WithTheBrowsersShell) {
  Build(kWin98);
  const std::string sys = "C:\\WINDOWS\\SYSTEM";

  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Computer", "My Documents", "Network Neighborhood", "Internet Explorer",
                   "In Box", "My Briefcase", "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kUc, kMyComputer));
  ExpectPlace(category::kDesktop, "My Documents", DefaultIcon(kUc, kMyDocuments));
  ExpectDefault(category::kDesktop, "My Documents", sys + "\\mydocs.dll,0");
  ExpectPlace(category::kDesktop, "Network Neighborhood", DefaultIcon(kUc, kNetwork));
  ExpectDefault(category::kDesktop, "Network Neighborhood", sys + "\\shell32.dll,17");
  // A browser before 5 has its icon in the HTML library.
  ExpectPlace(category::kDesktop, "Internet Explorer", DefaultIcon(kUc, kInternet));
  ExpectDefault(category::kDesktop, "Internet Explorer", sys + "\\mshtml.dll,0");
  ExpectPlace(category::kDesktop, "In Box", DefaultIcon(kCr, kInbox));
  ExpectDefault(category::kDesktop, "In Box", sys + "\\cool.dll,30");
  ExpectPlace(category::kDesktop, "Recycle Bin (empty)",
              DefaultIcon(kUc, kRecycleBin) + " [Empty]");
  ExpectCurrent(category::kDesktop, "Recycle Bin (empty)", sys + "\\shell32.dll,31");

  // "NoLogOff" written as four bytes takes Log Off away.
  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Favorites", "Documents", "Settings", "Find", "Help", "Run...",
                   "Shut Down...", "Settings - Control Panel", "Settings - Printers",
                   "Settings - Taskbar and Start Menu"}));
  ExpectPlace(category::kStart, "Settings - Control Panel", ShellIcon("35"));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,51");
  ExpectDefault(category::kStart, "Settings - Printers", sys + "\\shell32.dll,52");
  ExpectDefault(category::kStart, "Settings - Taskbar and Start Menu", sys + "\\shell32.dll,39");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                   "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                   "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}));
  ExpectPlace(category::kFolders, "My Pictures", "-\\C:\\My Documents\\My Pictures\\desktop.ini");
  ExpectDefault(category::kFolders, "My Pictures", sys + "\\mydocs.dll,1");
  ExpectPlace(category::kFolders, "Control Panel", DefaultIcon(kUc, kControlPanel));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,51");
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,52");
  ExpectDefault(category::kFolders, "Scheduled Tasks", sys + "\\mstask.dll,0");
  ExpectPlace(category::kFolders, "ActiveX Cache", DefaultIcon(kCr, kActiveXCache));
  ExpectDefault(category::kFolders, "ActiveX Cache", sys + "\\occache.dll,0");
  ExpectPlace(category::kFolders, "Favorites", DefaultIcon(kCr, kFavorites));
  ExpectDefault(category::kFolders, "Favorites", sys + "\\shell32.dll,79");
  ExpectDefault(category::kFolders, "Url History", sys + "\\shdocvw.dll,32");
  ExpectCurrent(category::kFolders, "Subscriptions", sys + "\\webcheck.dll,0");

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "Movie Clip", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document", "Zip File"}));
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,63");
  ExpectCurrent(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,-151");
  ExpectDefault(category::kFiles, "Internet Document",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,1");
  ExpectCurrent(category::kFiles, "Internet Document",
                "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE,1");
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,65");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,64");
  ExpectPlace(category::kFiles, "Zip File", "HKCR\\WinZip\\DefaultIcon");
  ExpectDefault(category::kFiles, "Zip File", ",0");
  ExpectCurrent(category::kFiles, "Zip File", "C:\\PROGRA~1\\WINZIP\\WINZIP32.EXE,0");
  ExpectDefault(category::kFiles, "Default Document", sys + "\\shell32.dll,1");

  ExpectCommonLists(false, true);
  EXPECT_EQ(NamesOf(category::kQuickLaunch),
            (Names{"Launch Internet Explorer Browser", "Launch Outlook Express",
                   "View Channels"}));
  ExpectCurrent(category::kQuickLaunch, "View Channels", sys + "\\shdocvw.dll,17");
  ExpectCurrent(category::kQuickLaunch, "Launch Outlook Express",
                "C:\\Program Files\\Outlook Express\\MSIMN.EXE,0");
}

TEST_F(VersionFixtures, WindowsMe) {
  Build(kWinMe);
  const std::string sys = "C:\\WINDOWS\\SYSTEM";

  // The user took Internet Explorer off the desktop (ME keeps that in the per-user class).
  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Documents", "My Computer", "My Network Places", "In Box",
                   "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Documents", DefaultIcon(kUe, kMyDocuments));
  ExpectDefault(category::kDesktop, "My Documents", sys + "\\mydocs.dll,0");
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kUc, kMyComputer));
  ExpectPlace(category::kDesktop, "My Network Places", DefaultIcon(kUc, kNetwork));
  ExpectDefault(category::kDesktop, "My Network Places", sys + "\\shell32.dll,17");
  // The Outlook object without Outlook behind it is the plain mail object.
  ExpectPlace(category::kDesktop, "In Box", DefaultIcon(kCr, kOutlook));
  ExpectDefault(category::kDesktop, "In Box", sys + "\\cool.dll,30");
  ExpectPlace(category::kDesktop, "Recycle Bin (full)",
              DefaultIcon(kUc, kRecycleBin) + " [Full]");

  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Documents", "Settings", "Search", "Help", "Run...",
                   "Shut Down...", "Settings - Control Panel", "Settings - Printers",
                   "Settings - Taskbar and Start Menu"}));
  ExpectPlace(category::kStart, "Search", ShellIcon("22"));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,54");
  ExpectDefault(category::kStart, "Settings - Printers", sys + "\\shell32.dll,55");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                   "Control Panel", "Dial-Up Networking", "Printers", "Scanners && Cameras",
                   "Scheduled Tasks", "Web Folders", "ActiveX Cache", "Favorites",
                   "Url History", "Subscriptions"}));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,54");
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,55");
  ExpectPlace(category::kFolders, "Scanners && Cameras",
              DefaultIcon(kUc, "{E211B736-43FD-11D1-9EFB-0000F8757FCD}"));
  ExpectDefault(category::kFolders, "Scanners && Cameras", sys + "\\wiashext.dll,0");
  ExpectPlace(category::kFolders, "Scheduled Tasks",
              DefaultIcon(kUc, "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"));
  ExpectDefault(category::kFolders, "Web Folders",
                "C:\\Program Files\\Common Files\\Microsoft Shared\\Web Folders\\msonsext.dll,0");
  ExpectDefault(category::kFolders, "Favorites", sys + "\\shell32.dll,83");
  ExpectDefault(category::kFolders, "Url History", sys + "\\shdocvw.dll,24");

  // Bitmaps drawn as their own icons have no icon to change.
  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Configuration Settings", "Default Icon", "Default Document", "GIF Image",
                   "Internet Document", "JPEG Image", "Media Clip", "MIDI Sequence",
                   "Movie Clip", "MS-DOS Application", "MS-DOS Batch File", "Rich Text Format",
                   "Text Document", "Video Clip", "Wave Sound", "Write Document", "Zip File"}));
  const std::string player = "C:\\Program Files\\Windows Media Player\\wmplayer.exe,1";
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,66");
  ExpectDefault(category::kFiles, "GIF Image", sys + "\\shimgvw.dll,2");
  ExpectDefault(category::kFiles, "JPEG Image", sys + "\\shimgvw.dll,3");
  // The browser's setup folder is recorded with a final backslash.
  ExpectDefault(category::kFiles, "Internet Document",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,1");
  ExpectDefault(category::kFiles, "Media Clip", "C:\\WINDOWS\\mplayer.exe,0");
  ExpectDefault(category::kFiles, "MIDI Sequence", player);
  ExpectDefault(category::kFiles, "Video Clip", player);
  ExpectDefault(category::kFiles, "Wave Sound", player);
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,68");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,67");
  ExpectDefault(category::kFiles, "Rich Text Format",
                "C:\\Program Files\\Accessories\\Wordpad.exe,1");
  ExpectDefault(category::kFiles, "Zip File", sys + "\\zipfldr.dll,0");
  ExpectCurrent(category::kFiles, "Zip File", sys + "\\dzip32.dll,0");

  ExpectCommonLists(false, true);
  EXPECT_EQ(NamesOf(category::kQuickLaunch),
            (Names{"Launch Internet Explorer Browser", "Windows Media Player"}));
  ExpectCurrent(category::kQuickLaunch, "Windows Media Player",
                "C:\\Program Files\\Windows Media Player\\wmplayer.exe,0");
}

TEST_F(VersionFixtures, WindowsNt4WithTheFirstShell) {
  Build(kNt4);
  const std::string sys = "C:\\WINNT\\system32";
  const std::string plusBrowser = "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe";

  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Computer", "Network Neighborhood", "Internet Explorer", "In Box",
                   "My Briefcase", "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectDefault(category::kDesktop, "My Computer", "C:\\WINNT\\explorer.exe,0");
  // Without the HTML library the browser of the Plus! pack gives the icon.
  ExpectPlace(category::kDesktop, "Internet Explorer", DefaultIcon(kCr, kInternetOld));
  ExpectDefault(category::kDesktop, "Internet Explorer", plusBrowser + ",0");
  ExpectPlace(category::kDesktop, "In Box", DefaultIcon(kCr, kInbox));
  ExpectDefault(category::kDesktop, "In Box",
                "C:\\Program Files\\Windows NT\\Windows Messaging\\exchng32.exe,0");
  ExpectPlace(category::kDesktop, "Recycle Bin (empty)",
              DefaultIcon(kCr, kRecycleBin) + " [Empty]");
  ExpectCurrent(category::kDesktop, "Recycle Bin (empty)", "C:\\WINNT\\System32\\shell32.dll,31");

  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Documents", "Settings", "Find", "Help", "Run...",
                   "Shut Down...", "Settings - Control Panel", "Settings - Printers"}));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,35");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "Users Program Group",
                   "Control Panel", "Dial-Up Networking", "Printers"}));
  ExpectPlace(category::kFolders, "Users Program Group", ShellIcon("42"));
  ExpectDefault(category::kFolders, "Users Program Group", sys + "\\shell32.dll,43");
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,46");
  ExpectPlace(category::kFolders, "Dial-Up Networking",
              DefaultIcon(kCr, "{a4d92740-67cd-11cf-96f2-00aa00a11dd9}"));
  ExpectDefault(category::kFolders, "Dial-Up Networking", sys + "\\rasshell.dll,0");
  ExpectPlace(category::kFolders, "Printers", DefaultIcon(kCr, kPrinters));
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,47");

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document"}));
  ExpectDefault(category::kFiles, "Bitmap Image", sys + "\\Mspaint.exe,1");
  ExpectCurrent(category::kFiles, "Bitmap Image", "C:\\WINNT\\System32\\mspaint.exe,1");
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,58");
  ExpectDefault(category::kFiles, "GIF Image", plusBrowser + ",8");
  ExpectDefault(category::kFiles, "JPEG Image", plusBrowser + ",9");
  ExpectDefault(category::kFiles, "Internet Document", plusBrowser + ",1");
  ExpectDefault(category::kFiles, "Media Clip", sys + "\\mplay32.exe,1");
  ExpectDefault(category::kFiles, "MIDI Sequence", sys + "\\mplay32.exe,5");
  ExpectDefault(category::kFiles, "Video Clip", sys + "\\mplay32.exe,3");
  ExpectDefault(category::kFiles, "Wave Sound", sys + "\\sndrec32.exe,1");
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,60");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,59");
  ExpectDefault(category::kFiles, "Write Document",
                "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe,2");

  ExpectCommonLists(false, false);
  ExpectCurrent(category::kCursors, "Working In Background",
                "C:\\WINNT\\System32\\appstar3.ani,0");
  EXPECT_TRUE(NamesOf(category::kQuickLaunch).empty());
}

TEST_F(VersionFixtures, WindowsNt4WithTheDesktopUpdate) {
  Build(kNt4NewShell);
  const std::string sys = "C:\\WINNT\\system32";

  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Computer", "My Documents", "Network Neighborhood", "Internet Explorer",
                   "Microsoft Outlook", "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kUc, kMyComputer));
  ExpectPlace(category::kDesktop, "My Documents", DefaultIcon(kUc, kMyDocuments));
  ExpectCurrent(category::kDesktop, "My Documents", "C:\\WINNT\\System32\\mydocs.dll,0");
  ExpectDefault(category::kDesktop, "My Documents", sys + "\\mydocs.dll,0");
  ExpectPlace(category::kDesktop, "Internet Explorer", DefaultIcon(kUc, kInternet));
  ExpectDefault(category::kDesktop, "Internet Explorer", sys + "\\mshtml.dll,0");
  ExpectPlace(category::kDesktop, "Microsoft Outlook", DefaultIcon(kCr, kOutlook));
  ExpectDefault(category::kDesktop, "Microsoft Outlook",
                "C:\\Program Files\\Microsoft Office\\Office\\outlook.exe,7");
  ExpectCurrent(category::kDesktop, "Microsoft Outlook",
                "C:\\PROGRA~1\\MICROS~2\\Office\\OUTLOOK.EXE,-1");
  ExpectPlace(category::kDesktop, "Recycle Bin (full)",
              DefaultIcon(kUc, kRecycleBin) + " [Full]");

  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Favorites", "Documents", "Settings", "Find", "Help", "Run...",
                   "Log Off...", "Shut Down...", "Settings - Control Panel",
                   "Settings - Printers"}));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,35");
  ExpectDefault(category::kStart, "Settings - Printers", sys + "\\shell32.dll,37");
  ExpectDefault(category::kStart, "Log Off...", sys + "\\shell32.dll,44");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "Users Program Group",
                   "Control Panel", "Dial-Up Networking", "Printers", "Scheduled Tasks",
                   "ActiveX Cache", "Favorites", "Url History", "Subscriptions"}));
  ExpectDefault(category::kFolders, "Users Program Group", sys + "\\shell32.dll,42");
  ExpectPlace(category::kFolders, "Control Panel", DefaultIcon(kUc, kControlPanel));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,50");
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,51");
  ExpectPlace(category::kFolders, "Dial-Up Networking",
              DefaultIcon(kUc, "{a4d92740-67cd-11cf-96f2-00aa00a11dd9}"));
  ExpectDefault(category::kFolders, "Favorites", sys + "\\shell32.dll,78");
  ExpectDefault(category::kFolders, "Url History", sys + "\\shdocvw.dll,32");
  ExpectPlace(category::kFolders, "ActiveX Cache", DefaultIcon(kCr, kActiveXCache));

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "Movie Clip", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document"}));
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,62");
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,64");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,63");
  ExpectDefault(category::kFiles, "GIF Image", sys + "\\mshtml.dll,9");
  ExpectDefault(category::kFiles, "JPEG Image", sys + "\\mshtml.dll,8");
  ExpectDefault(category::kFiles, "Internet Document",
                "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe,1");
  ExpectDefault(category::kFiles, "Movie Clip", sys + "\\quartz.dll,3");

  ExpectCommonLists(false, true);
  EXPECT_EQ(NamesOf(category::kQuickLaunch),
            (Names{"Launch Internet Explorer Browser", "View Channels"}));
}

TEST_F(VersionFixtures, Windows2000) {
  Build(kWin2000);
  const std::string sys = "C:\\WINNT\\system32";

  // The user took Internet Explorer off the desktop.
  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Documents", "My Computer", "My Network Places", "Recycle Bin (empty)",
                   "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Documents", DefaultIcon(kUe, kMyDocuments));
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kUe, kMyComputer));
  ExpectDefault(category::kDesktop, "My Computer", "C:\\WINNT\\explorer.exe,0");
  ExpectPlace(category::kDesktop, "My Network Places", DefaultIcon(kUe, kNetwork));
  ExpectDefault(category::kDesktop, "My Network Places", sys + "\\shell32.dll,17");
  ExpectPlace(category::kDesktop, "Recycle Bin (full)",
              DefaultIcon(kUe, kRecycleBin) + " [Full]");
  ExpectCurrent(category::kDesktop, "Recycle Bin (full)", "C:\\WINNT\\System32\\shell32.dll,32");

  // Run is taken away by policy, Favorites by the menu settings.
  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Programs", "Documents", "Settings", "Search", "Help", "Log Off...",
                   "Shut Down...", "Settings - Control Panel", "Settings - Printers",
                   "Settings - Taskbar and Start Menu"}));
  ExpectDefault(category::kStart, "Settings - Control Panel", sys + "\\shell32.dll,57");
  ExpectDefault(category::kStart, "Settings - Printers", sys + "\\shell32.dll,58");

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "My Pictures",
                   "Control Panel", "Administrative Tools", "Fonts",
                   "Network and Dial-up Connections", "Printers", "Scheduled Tasks",
                   "Web Folders", "ActiveX Cache", "Favorites", "Url History",
                   "Subscriptions"}));
  ExpectPlace(category::kFolders, "Control Panel", DefaultIcon(kUc, kControlPanel));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,57");
  ExpectDefault(category::kFolders, "Administrative Tools", sys + "\\main.cpl,10");
  ExpectDefault(category::kFolders, "Fonts", sys + "\\main.cpl,9");
  ExpectPlace(category::kFolders, "Network and Dial-up Connections",
              DefaultIcon(kUc, "{7007ACC7-3202-11D1-AAD2-00805FC1270E}"));
  ExpectDefault(category::kFolders, "Network and Dial-up Connections", sys + "\\netshell.dll,0");
  ExpectPlace(category::kFolders, "Printers", DefaultIcon(kUc, kPrinters));
  ExpectDefault(category::kFolders, "Printers", sys + "\\shell32.dll,58");
  ExpectPlace(category::kFolders, "ActiveX Cache", DefaultIcon(kUc, kActiveXCache));
  ExpectPlace(category::kFolders, "Favorites", DefaultIcon(kUc, kFavorites));
  ExpectDefault(category::kFolders, "Favorites", sys + "\\shell32.dll,86");
  ExpectDefault(category::kFolders, "Url History", sys + "\\shdocvw.dll,24");

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "Movie Clip", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document"}));
  ExpectDefault(category::kFiles, "Bitmap Image", sys + "\\Mspaint.exe,1");
  ExpectCurrent(category::kFiles, "Bitmap Image", "C:\\WINNT\\system32\\mspaint.exe,1");
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,69");
  ExpectDefault(category::kFiles, "GIF Image", sys + "\\mshtml.dll,9");
  ExpectDefault(category::kFiles, "JPEG Image", sys + "\\mshtml.dll,8");
  ExpectDefault(category::kFiles, "Internet Document",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,1");
  ExpectDefault(category::kFiles, "MIDI Sequence", sys + "\\quartz.dll,8");
  ExpectDefault(category::kFiles, "Video Clip", sys + "\\quartz.dll,0");
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,71");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,70");

  ExpectCommonLists(true, true);
  ExpectPlace(category::kOthers, "Network Service", ShellIcon("14"));
  ExpectCurrent(category::kCursors, "Busy", "C:\\WINNT\\cursors\\hourglas.ani,0");
  ExpectCurrent(category::kCursors, "Normal Select",
                std::string(kAppPath) + "\\Glimmerdeck.exe,69");
  EXPECT_EQ(NamesOf(category::kQuickLaunch),
            (Names{"Launch Internet Explorer Browser", "Launch Outlook Express"}));
  EXPECT_TRUE(notice.shown.empty());
}

TEST_F(VersionFixtures, WindowsXp) {
  Build(kWinXp);
  const std::string sys = "C:\\WINDOWS\\system32";
  const std::string docs = "C:\\Documents and Settings\\Ann";
  const std::string xc = "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";

  // My Documents is off the desktop, so a package's My Documents icon has no slot here.
  EXPECT_EQ(NamesOf(category::kDesktop),
            (Names{"My Computer", "My Network Places", "Internet Explorer", "Microsoft Outlook",
                   "Recycle Bin (empty)", "Recycle Bin (full)"}));
  ExpectPlace(category::kDesktop, "My Computer", DefaultIcon(kUe, kMyComputer));
  ExpectDefault(category::kDesktop, "My Computer", "C:\\WINDOWS\\explorer.exe,0");
  ExpectPlace(category::kDesktop, "Internet Explorer", DefaultIcon(kUe, kInternet));
  // The setup folder ends in a backslash; the program path has one separator.
  ExpectDefault(category::kDesktop, "Internet Explorer",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,0");
  ExpectDefault(category::kDesktop, "Microsoft Outlook",
                "C:\\Program Files\\Microsoft Office\\Office10\\outlook.exe,7");
  ExpectPlace(category::kDesktop, "Recycle Bin (empty)",
              DefaultIcon(kUe, kRecycleBin) + " [Empty]");
  ExpectCurrent(category::kDesktop, "Recycle Bin (empty)", "C:\\WINDOWS\\System32\\shell32.dll,31");
  ExpectCurrent(category::kDesktop, "Recycle Bin (full)", "C:\\WINDOWS\\System32\\shell32.dll,32");

  EXPECT_EQ(NamesOf(category::kStart),
            (Names{"Internet", "E-mail", "Help and Support", "Search", "Run..."}));
  ExpectPlace(category::kStart, "Internet",
              "HKLM\\Software\\Clients\\StartMenuInternet\\IEXPLORE.EXE\\DefaultIcon");
  ExpectCurrent(category::kStart, "Internet",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,-7");
  // Outlook registers no icon of its own as mail client: its open command stands in.
  ExpectPlace(category::kStart, "E-mail",
              "HKLM\\Software\\Clients\\Mail\\Microsoft Outlook\\DefaultIcon");
  ExpectCurrent(category::kStart, "E-mail",
                "C:\\Program Files\\Microsoft Office\\Office10\\OUTLOOK.EXE,0");
  ExpectDefault(category::kStart, "E-mail",
                "C:\\Program Files\\Microsoft Office\\Office10\\OUTLOOK.EXE,0");
  ExpectPlace(category::kStart, "Help and Support",
              DefaultIcon(xc, "{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}"));
  ExpectDefault(category::kStart, "Help and Support", sys + "\\shell32.dll,23");
  ExpectPlace(category::kStart, "Run...",
              DefaultIcon(xc, "{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}"));
  EXPECT_EQ(notice.shown.size(), 1u);  // the classic menu cannot be changed here

  EXPECT_EQ(NamesOf(category::kFolders),
            (Names{"Closed Folder", "Open Folder", "Program Group", "My Music", "My Pictures",
                   "My Videos", "Control Panel", "Administrative Tools", "Fonts",
                   "Network Connections", "Printers and Faxes", "Scanners && Cameras",
                   "Scheduled Tasks", "Web Folders", "ActiveX Cache", "Favorites",
                   "Url History", "Subscriptions"}));
  ExpectPlace(category::kFolders, "My Music",
              "-\\" + docs + "\\My Documents\\My Music\\desktop.ini");
  ExpectDefault(category::kFolders, "My Music", sys + "\\shell32.dll,128");
  ExpectDefault(category::kFolders, "My Pictures", sys + "\\mydocs.dll,1");
  ExpectDefault(category::kFolders, "My Videos", sys + "\\shell32.dll,129");
  ExpectPlace(category::kFolders, "Control Panel", DefaultIcon(xc, kControlPanel));
  ExpectDefault(category::kFolders, "Control Panel", sys + "\\shell32.dll,57");
  ExpectPlace(category::kFolders, "Network Connections",
              DefaultIcon(xc, "{7007ACC7-3202-11D1-AAD2-00805FC1270E}"));
  ExpectPlace(category::kFolders, "Printers and Faxes", DefaultIcon(xc, kPrinters));
  ExpectDefault(category::kFolders, "Printers and Faxes", sys + "\\shell32.dll,58");
  ExpectDefault(category::kFolders, "Scanners && Cameras", sys + "\\wiashext.dll,0");
  ExpectPlace(category::kFolders, "ActiveX Cache", DefaultIcon(kUc, kActiveXCache));
  ExpectPlace(category::kFolders, "Favorites", "-\\" + docs + "\\Favorites\\desktop.ini");
  ExpectDefault(category::kFolders, "Favorites", sys + "\\shell32.dll,86");
  ExpectDefault(category::kFolders, "Url History", sys + "\\shdocvw.dll,24");

  EXPECT_EQ(NamesOf(category::kFiles),
            (Names{"Bitmap Image", "Configuration Settings", "Default Icon", "Default Document",
                   "GIF Image", "Internet Document", "JPEG Image", "Media Clip",
                   "MIDI Sequence", "Movie Clip", "MS-DOS Application", "MS-DOS Batch File",
                   "Rich Text Format", "Text Document", "Video Clip", "Wave Sound",
                   "Write Document", "Zip File"}));
  const std::string player = "C:\\Program Files\\Windows Media Player\\wmplayer.exe,1";
  ExpectDefault(category::kFiles, "Bitmap Image", sys + "\\shimgvw.dll,1");
  ExpectCurrent(category::kFiles, "Bitmap Image", "C:\\WINDOWS\\System32\\shimgvw.dll,1");
  ExpectDefault(category::kFiles, "Configuration Settings", sys + "\\shell32.dll,69");
  ExpectDefault(category::kFiles, "GIF Image", sys + "\\shimgvw.dll,2");
  ExpectDefault(category::kFiles, "Internet Document",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,1");
  ExpectDefault(category::kFiles, "Media Clip", sys + "\\mplay32.exe,1");
  ExpectDefault(category::kFiles, "MIDI Sequence", player);
  ExpectDefault(category::kFiles, "Movie Clip", player);
  ExpectDefault(category::kFiles, "MS-DOS Batch File", sys + "\\shell32.dll,71");
  ExpectDefault(category::kFiles, "Text Document", sys + "\\shell32.dll,70");
  ExpectDefault(category::kFiles, "Rich Text Format",
                "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe,1");
  ExpectDefault(category::kFiles, "Zip File", sys + "\\zipfldr.dll,0");
  ExpectCurrent(category::kFiles, "Zip File", "C:\\WINDOWS\\System32\\zipfldr.dll,0");

  ExpectCommonLists(true, true);
  ExpectCurrent(category::kOthers, "Shortcut Overlay", sys + "\\shell32.dll,50");
  ExpectDefault(category::kOthers, "Shortcut Overlay", sys + "\\shell32.dll,29");
  EXPECT_EQ(NamesOf(category::kQuickLaunch),
            (Names{"Launch Internet Explorer Browser", "Windows Media Player"}));
  ExpectCurrent(category::kQuickLaunch, "Launch Internet Explorer Browser",
                "C:\\Program Files\\Internet Explorer\\iexplore.exe,0");
}

}  // namespace
}  // namespace gd::version_test
