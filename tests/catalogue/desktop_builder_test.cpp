// The desktop list per Windows version: which objects exist, under which names, at which
// registry places and with which defaults; hidden objects, the browser and mail rules, the
// Package Builder placeholders, plugins, and registry junk.
#include <cstdint>

#include "desktop_fixture.h"

namespace gd {
namespace {

using Names_ = std::vector<std::string>;

class DesktopIconsTest : public DesktopFixture {};

TEST_F(DesktopIconsTest, Windows95ListsTheOldShellsObjects) {
  SetUp95();
  EXPECT_EQ(Build(1, false), (Names_{"My Computer", "Network Neighborhood", "Internet Explorer",
                                     "Recycle Bin (empty)", "Recycle Bin (full)"}));
}

TEST_F(DesktopIconsTest, Windows98ListsMyDocumentsAndTheBriefcase) {
  SetUp98();
  EXPECT_EQ(Build(2), (Names_{"My Computer", "My Documents", "Network Neighborhood",
                              "Internet Explorer", "My Briefcase", "Recycle Bin (empty)",
                              "Recycle Bin (full)"}));
}

TEST_F(DesktopIconsTest, Nt4ListsTheInBox) {
  SetUpNt4();
  EXPECT_EQ(Build(4, false), (Names_{"My Computer", "Network Neighborhood", "Internet Explorer",
                                     "In Box", "Recycle Bin (empty)", "Recycle Bin (full)"}));
}

TEST_F(DesktopIconsTest, MeTwoThousandAndXpPutMyDocumentsFirst) {
  SetUpCurrent();
  const Names_ expected{"My Documents", "My Computer", "My Network Places", "Internet Explorer",
                        "Recycle Bin (empty)", "Recycle Bin (full)"};
  for (int os : {3, 5, 6}) {
    SCOPED_TRACE(os);
    EXPECT_EQ(Build(os), expected);
  }
}

TEST_F(DesktopIconsTest, MyDocumentsNeedsItsUserClassOn98AndNt4AndNeverShowsOn95) {
  Key(kHkcu, Uc(kMyDocumentsId));
  Build(1);
  EXPECT_FALSE(Has(category::kDesktop, "My Documents"));
  for (int os : {0, 2, 4}) {
    SCOPED_TRACE(os);
    Build(os);
    ASSERT_TRUE(Has(category::kDesktop, "My Documents"));
    EXPECT_EQ(Desktop("My Documents").keyPath, Uc(kMyDocumentsId) + "\\DefaultIcon");
    EXPECT_EQ(Desktop("My Documents").defaultPath,
              PathsFor(os).systemDir + "\\mydocs.dll");
  }
  backend.DeleteKey(kHkcu, "Software\\Classes\\CLSID", kMyDocumentsId);
  Build(2);
  EXPECT_FALSE(Has(category::kDesktop, "My Documents"));
}

TEST_F(DesktopIconsTest, ObjectsLiveWhereTheShellKeepsThem) {
  struct Case {
    int os;
    bool newShell;
    RegRoot root;
    std::string computer;
    std::string network;
    std::string recycle;
  };
  const std::vector<Case> cases = {
      {1, false, kHkcr, Cr(kMyComputerId), Cr(kNetworkId), Cr(kRecycleBinId)},
      {4, false, kHkcr, Cr(kMyComputerId), Cr(kNetworkId), Cr(kRecycleBinId)},
      {1, true, kHkcu, Uc(kMyComputerId), Uc(kNetworkId), Uc(kRecycleBinId)},
      {2, true, kHkcu, Uc(kMyComputerId), Uc(kNetworkId), Uc(kRecycleBinId)},
      {0, true, kHkcu, Uc(kMyComputerId), Uc(kNetworkId), Uc(kRecycleBinId)},
      {3, true, kHkcu, Uc(kMyComputerId), Uc(kNetworkId), Uc(kRecycleBinId)},
      {5, true, kHkcu, Ue(kMyComputerId), Ue(kNetworkId), Ue(kRecycleBinId)},
      {6, true, kHkcu, Ue(kMyComputerId), Ue(kNetworkId), Ue(kRecycleBinId)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "os " << c.os << " newShell " << c.newShell);
    Build(c.os, c.newShell);
    const std::string network = c.os == 3 || c.os >= 5 ? "My Network Places"
                                                       : "Network Neighborhood";
    EXPECT_EQ(Desktop("My Computer").rootKey, c.root);
    EXPECT_EQ(Desktop("My Computer").keyPath, c.computer + "\\DefaultIcon");
    EXPECT_EQ(Desktop(network).rootKey, c.root);
    EXPECT_EQ(Desktop(network).keyPath, c.network + "\\DefaultIcon");
    EXPECT_EQ(Desktop("Recycle Bin (empty)").rootKey, c.root);
    EXPECT_EQ(Desktop("Recycle Bin (empty)").keyPath, c.recycle + "\\DefaultIcon");
    EXPECT_EQ(Desktop("Recycle Bin (full)").keyPath, c.recycle + "\\DefaultIcon");
    EXPECT_EQ(Desktop("Recycle Bin (empty)").valueName, "Empty");
    EXPECT_EQ(Desktop("Recycle Bin (full)").valueName, "Full");
    EXPECT_EQ(Desktop("My Computer").valueName, "");
  }
  // My Documents on ME stays under Explorer's key, unlike the other objects.
  Build(3);
  EXPECT_EQ(Desktop("My Documents").keyPath, Ue(kMyDocumentsId) + "\\DefaultIcon");
}

TEST_F(DesktopIconsTest, DefaultsFollowTheVersionsDirectories) {
  SetUpCurrent();
  for (int os : {2, 5, 6}) {
    SCOPED_TRACE(os);
    Build(os);
    const PathContext paths = PathsFor(os);
    const std::string shell32 = paths.systemDir + "\\shell32.dll";
    EXPECT_EQ(Desktop("My Computer").defaultPath, paths.windowsDir + "\\explorer.exe");
    EXPECT_EQ(Desktop("My Computer").defaultIndex, 0);
    const std::string network = os == 2 ? "Network Neighborhood" : "My Network Places";
    EXPECT_EQ(Desktop(network).defaultPath, shell32);
    EXPECT_EQ(Desktop(network).defaultIndex, 17);
    EXPECT_EQ(Desktop("Recycle Bin (empty)").defaultPath, shell32);
    EXPECT_EQ(Desktop("Recycle Bin (empty)").defaultIndex, 31);
    EXPECT_EQ(Desktop("Recycle Bin (full)").defaultIndex, 32);
  }
}

TEST_F(DesktopIconsTest, CurrentIconsAreReadFromTheObjectsDefaultIconKeys) {
  backend.PutText(kHkcu, Ue(kMyComputerId) + "\\DefaultIcon", "", "C:\\Icons\\pc.ico,3");
  backend.PutText(kHkcu, Ue(kRecycleBinId) + "\\DefaultIcon", "Full",
                  "%SystemRoot%\\System32\\shell32.dll,32");
  backend.PutText(kHkcu, Ue(kRecycleBinId) + "\\DefaultIcon", "Empty", "C:\\Icons\\bin.ico,0");
  Build(6);
  EXPECT_EQ(Desktop("My Computer").currentPath, "C:\\Icons\\pc.ico");
  EXPECT_EQ(Desktop("My Computer").currentIndex, 3);
  EXPECT_EQ(Desktop("My Computer").iconPath, "C:\\Icons\\pc.ico");
  EXPECT_EQ(Desktop("Recycle Bin (empty)").currentPath, "C:\\Icons\\bin.ico");
  EXPECT_EQ(Desktop("Recycle Bin (full)").currentPath, "C:\\WINDOWS\\System32\\shell32.dll");
  EXPECT_EQ(Desktop("Recycle Bin (full)").currentIndex, 32);
  // On 98 the same value under Explorer's key is not where the shell looks.
  Build(2);
  EXPECT_EQ(Desktop("My Computer").currentPath, "C:\\WINDOWS\\explorer.exe");
}

TEST_F(DesktopIconsTest, HiddenMyDocumentsAndBrowserAreLeftOut) {
  SetUpCurrent();
  for (int os : {5, 6}) {
    SCOPED_TRACE(os);
    backend.PutNumber(kHkcu, Ue(kMyDocumentsId) + "\\ShellFolder", "Attributes", 0xF0500174);
    backend.PutNumber(kHkcu, Ue(kInternetId) + "\\ShellFolder", "Attributes", 0x00100024);
    EXPECT_EQ(Build(os), (Names_{"My Computer", "My Network Places", "Recycle Bin (empty)",
                                 "Recycle Bin (full)"}));
    // Other attribute values keep them.
    backend.PutNumber(kHkcu, Ue(kMyDocumentsId) + "\\ShellFolder", "Attributes", 0xF0400174);
    backend.PutNumber(kHkcu, Ue(kInternetId) + "\\ShellFolder", "Attributes", 0x00100000);
    Build(os);
    EXPECT_TRUE(Has(category::kDesktop, "My Documents"));
    EXPECT_TRUE(Has(category::kDesktop, "Internet Explorer"));
  }
}

TEST_F(DesktopIconsTest, MeReadsHiddenAttributesFromTheUserClasses) {
  SetUpCurrent();
  backend.PutNumber(kHkcu, Ue(kMyDocumentsId) + "\\ShellFolder", "Attributes", 0xF0500174);
  Build(3);
  EXPECT_TRUE(Has(category::kDesktop, "My Documents"));
  backend.PutNumber(kHkcu, Uc(kMyDocumentsId) + "\\ShellFolder", "Attributes", 0xF0500174);
  backend.PutNumber(kHkcu, Uc(kInternetId) + "\\ShellFolder", "Attributes", 0x00100024);
  EXPECT_EQ(Build(3), (Names_{"My Computer", "My Network Places", "Recycle Bin (empty)",
                              "Recycle Bin (full)"}));
}

TEST_F(DesktopIconsTest, AttributesOfTheWrongTypeHideNothing) {
  SetUpCurrent();
  backend.PutText(kHkcu, Ue(kMyDocumentsId) + "\\ShellFolder", "Attributes", "4031775092");
  backend.Put(kHkcu, Ue(kInternetId) + "\\ShellFolder", "Attributes", regtype::kBinary,
              {0x24, 0x00, 0x10});
  Build(6);
  EXPECT_TRUE(Has(category::kDesktop, "My Documents"));
  EXPECT_TRUE(Has(category::kDesktop, "Internet Explorer"));
}

TEST_F(DesktopIconsTest, CurrentBrowserDefaultsToTheProgramInItsSetupFolder) {
  InstallIeSetup("D:\\Apps\\IE\\");
  Build(6);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "D:\\Apps\\IE\\iexplore.exe");
  EXPECT_EQ(Desktop("Internet Explorer").keyPath, Ue(kInternetId) + "\\DefaultIcon");
  Build(3);
  EXPECT_EQ(Desktop("Internet Explorer").keyPath, Uc(kInternetId) + "\\DefaultIcon");
  // Without any setup folder the browser is looked for where it is usually installed.
  backend.DeleteKey(kHklm, "SOFTWARE\\Microsoft\\IE Setup", "Setup");
  Build(5);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath,
            "C:\\Program Files\\Internet Explorer\\iexplore.exe");
}

TEST_F(DesktopIconsTest, BrowserFiveOrSixOnANewShellUnlessRemoved) {
  ieVersion = "6.0.2800.1106";
  InstallIeSetup("C:\\Program Files\\Internet Explorer");
  Build(2);
  ASSERT_TRUE(Has(category::kDesktop, "Internet Explorer"));
  EXPECT_EQ(Desktop("Internet Explorer").rootKey, kHkcu);
  EXPECT_EQ(Desktop("Internet Explorer").keyPath, Uc(kInternetId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath,
            "C:\\Program Files\\Internet Explorer\\iexplore.exe");
  for (std::uint32_t removed : {0x00100000u, 0x00100024u}) {
    backend.PutNumber(kHkcr, Cr(kInternetId) + "\\ShellFolder", "Attributes", removed);
    Build(2);
    EXPECT_FALSE(Has(category::kDesktop, "Internet Explorer")) << removed;
  }
  // The user-level attributes are not what decides on these versions.
  ieVersion = "5.5";
  backend.DeleteKey(kHkcr, Cr(kInternetId), "ShellFolder");
  backend.PutNumber(kHkcu, Uc(kInternetId) + "\\ShellFolder", "Attributes", 0x00100024);
  Build(4);
  EXPECT_TRUE(Has(category::kDesktop, "Internet Explorer"));
}

TEST_F(DesktopIconsTest, OlderBrowserOnANewShellNeedsItsAttributesOrNameSpace) {
  ieVersion = "4.72.3110.0";
  Build(2);
  EXPECT_FALSE(Has(category::kDesktop, "Internet Explorer"));
  for (std::uint32_t shown : {0x16u, 0x22u}) {
    backend.PutNumber(kHkcr, Cr(kInternetId) + "\\ShellFolder", "Attributes", shown);
    Build(2);
    ASSERT_TRUE(Has(category::kDesktop, "Internet Explorer")) << shown;
    EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\WINDOWS\\SYSTEM\\mshtml.dll");
    EXPECT_EQ(Desktop("Internet Explorer").keyPath, Uc(kInternetId) + "\\DefaultIcon");
  }
  backend.PutNumber(kHkcr, Cr(kInternetId) + "\\ShellFolder", "Attributes", 0x20);
  Build(2);
  EXPECT_FALSE(Has(category::kDesktop, "Internet Explorer"));
  Key(kHklm, Ns(kInternetId));
  Build(2);
  EXPECT_TRUE(Has(category::kDesktop, "Internet Explorer"));
  // An empty version text is no version 5 or 6.
  ieVersion = "";
  Build(2);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\WINDOWS\\SYSTEM\\mshtml.dll");
}

TEST_F(DesktopIconsTest, OldShellBrowserNeedsTheOldObjectAndFindsItsProgramOnNt4) {
  Build(1, false);
  EXPECT_FALSE(Has(category::kDesktop, "Internet Explorer"));
  Key(kHklm, Ns(kInternetOldId));
  Build(1, false);
  ASSERT_TRUE(Has(category::kDesktop, "Internet Explorer"));
  EXPECT_EQ(Desktop("Internet Explorer").rootKey, kHkcr);
  EXPECT_EQ(Desktop("Internet Explorer").keyPath, Cr(kInternetOldId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\WINDOWS\\SYSTEM\\mshtml.dll");

  // NT 4.0 without the browser library: the browser program, wherever a setup key says.
  Build(4, false);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath,
            "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe");
  InstallIeSetup("C:\\IE3");
  Build(4, false);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\IE3\\iexplore.exe");
  backend.PutText(kHklm, "SOFTWARE\\Microsoft\\IE4\\Setup", "Path", "C:\\IE4\\");
  Build(4, false);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\IE4\\iexplore.exe");
  shell.files.insert("C:\\WINNT\\system32\\mshtml.dll");
  Build(4, false);
  EXPECT_EQ(Desktop("Internet Explorer").defaultPath, "C:\\WINNT\\system32\\mshtml.dll");
}

TEST_F(DesktopIconsTest, NoMailObjectWithoutANameSpaceKey) {
  backend.PutText(kHkcr, Cr(kOutlookId) + "\\Shell\\Open\\Command", "",
                  "C:\\PROGRA~1\\MICROS~1\\Office10\\OUTLOOK.EXE /recycle");
  for (int os = 0; os <= 6; ++os) {
    Build(os);
    EXPECT_FALSE(Has(category::kDesktop, "Microsoft Outlook")) << os;
    EXPECT_FALSE(Has(category::kDesktop, "In Box")) << os;
  }
}

TEST_F(DesktopIconsTest, OutlookOwnsTheMailObjectWhenItsCommandRunsOutlook) {
  Key(kHklm, Ns(kOutlookId));
  backend.PutText(kHkcr, Cr(kOutlookId) + "\\Shell\\Open\\Command", "",
                  "C:\\PROGRA~1\\MICROS~1\\Office10\\OUTLOOK.EXE /recycle");
  backend.PutText(kHklm, "SOFTWARE\\Microsoft\\Office\\9.0\\Common\\InstallRoot", "Path",
                  "C:\\Office9\\");
  Build(6);
  ASSERT_TRUE(Has(category::kDesktop, "Microsoft Outlook"));
  EXPECT_FALSE(Has(category::kDesktop, "In Box"));
  EXPECT_EQ(Desktop("Microsoft Outlook").rootKey, kHkcr);
  EXPECT_EQ(Desktop("Microsoft Outlook").keyPath, Cr(kOutlookId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("Microsoft Outlook").defaultPath, "C:\\Office9\\outlook.exe");
  EXPECT_EQ(Desktop("Microsoft Outlook").defaultIndex, 7);
  // Office 10 wins over 9 when both are installed.
  backend.PutText(kHklm, "SOFTWARE\\Microsoft\\Office\\10.0\\Common\\InstallRoot", "Path",
                  "C:\\Office10\\");
  EXPECT_EQ(Build(6)[4], "Microsoft Outlook");
  EXPECT_EQ(Desktop("Microsoft Outlook").defaultPath, "C:\\Office10\\outlook.exe");
}

TEST_F(DesktopIconsTest, TheSystemsMailProgramOwnsAnInBox) {
  // Outlook's object registered, but its command runs something else.
  Key(kHklm, Ns(kOutlookId));
  backend.PutText(kHkcr, Cr(kOutlookId) + "\\Shell\\Open\\Command", "", "C:\\mail\\exchng.exe");
  Build(2);
  ASSERT_TRUE(Has(category::kDesktop, "In Box"));
  EXPECT_EQ(Desktop("In Box").keyPath, Cr(kOutlookId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("In Box").defaultPath, "C:\\WINDOWS\\SYSTEM\\cool.dll");
  EXPECT_EQ(Desktop("In Box").defaultIndex, 30);

  // Only the In Box object registered.
  backend.DeleteKey(kHklm, "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Desktop\\NameSpace",
                    kOutlookId);
  Key(kHklm, Ns(kInboxId));
  Build(1, false);
  EXPECT_EQ(Desktop("In Box").keyPath, Cr(kInboxId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("In Box").defaultPath, "C:\\Program Files\\Microsoft Exchange\\Mlset32.exe");
  EXPECT_EQ(Desktop("In Box").defaultIndex, 3);

  Build(4, false);
  EXPECT_EQ(Desktop("In Box").defaultPath,
            "C:\\Program Files\\Windows NT\\Windows Messaging\\mlset32.exe");
  EXPECT_EQ(Desktop("In Box").defaultIndex, 0);
  shell.files.insert("C:\\Program Files\\Windows NT\\Windows Messaging\\exchng32.exe");
  Build(4, false);
  EXPECT_EQ(Desktop("In Box").defaultPath,
            "C:\\Program Files\\Windows NT\\Windows Messaging\\exchng32.exe");
}

TEST_F(DesktopIconsTest, BriefcaseWhenItsAppletIsInstalled) {
  Build(6);
  EXPECT_FALSE(Has(category::kDesktop, "My Briefcase"));
  InstallBriefcase();
  Build(6);
  ASSERT_TRUE(Has(category::kDesktop, "My Briefcase"));
  EXPECT_EQ(Desktop("My Briefcase").rootKey, kHkcr);
  EXPECT_EQ(Desktop("My Briefcase").keyPath, Cr(kBriefcaseId) + "\\DefaultIcon");
  EXPECT_EQ(Desktop("My Briefcase").defaultPath, "C:\\WINDOWS\\system32\\syncui.dll");
}

TEST_F(DesktopIconsTest, PackageBuilderShowsTheSamePlaceholdersOnEveryVersion) {
  const Names_ expected{"My Documents", "My Computer", "Network Neighborhood",
                        "Internet Explorer", "In Box", "My Briefcase", "Recycle Bin (empty)",
                        "Recycle Bin (full)"};
  SetUpCurrent();
  for (int os = 0; os <= 6; ++os) {
    SCOPED_TRACE(os);
    Make(os, os != 1 && os != 4, CatalogueView::PackageBuilder);
    BuildDesktopIcons(catalogue());
    ASSERT_EQ(Names(category::kDesktop), expected);
    int index = 1;
    for (const auto& entry : catalogue().Entries(category::kDesktop)) {
      EXPECT_EQ(entry.slot->iconPath, std::string(kAppPath) + "\\Glimmerdeck.exe");
      EXPECT_EQ(entry.slot->iconIndex, index);
      EXPECT_EQ(entry.slot->defaultIndex, index);
      EXPECT_FALSE(entry.slot->rootKey.has_value());
      ++index;
    }
  }
}

TEST_F(DesktopIconsTest, PluginsFollowTheTableAndABuiltListIsKept) {
  SetUpCurrent();
  AddPlugin(Plugin("Tool").Name("Tool Object").Clsid("{T}"));
  EXPECT_EQ(Build(6).back(), "Tool Object");
  EXPECT_EQ(Desktop("Tool Object").keyPath, Ue("{T}") + "\\DefaultIcon");
  // Built once, the list stays as it is.
  const std::size_t count = catalogue().Entries(category::kDesktop).size();
  InstallBriefcase();
  BuildDesktopIcons(catalogue());
  EXPECT_EQ(catalogue().Entries(category::kDesktop).size(), count);
  EXPECT_FALSE(Has(category::kDesktop, "My Briefcase"));
}

TEST_F(DesktopIconsTest, JunkInTheRegistryGivesSoundSlots) {
  SetUpCurrent();
  // An icon place of the wrong type, junk text, and a value longer than any path.
  backend.PutNumber(kHkcu, Ue(kMyComputerId) + "\\DefaultIcon", "", 5);
  backend.PutText(kHkcu, Ue(kNetworkId) + "\\DefaultIcon", "", ",,,junk");
  backend.PutText(kHkcu, Ue(kMyDocumentsId) + "\\DefaultIcon", "", std::string(600, 'x') + ",2");
  InstallIeSetup(std::string(400, 'p'));
  const Names_ names = Build(6);
  EXPECT_EQ(Desktop("My Computer").currentPath, "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(Desktop("My Computer").currentIndex, 0);
  EXPECT_EQ(Desktop("My Network Places").currentPath, ",,");
  EXPECT_LE(Desktop("My Documents").currentPath.size(), 259u);
  for (const auto& entry : catalogue().Entries(category::kDesktop)) {
    EXPECT_LE(entry.slot->defaultPath.size(), 259u) << entry.name;
    EXPECT_LE(entry.slot->keyPath.size(), 259u) << entry.name;
  }
  // The objects whose place reads fine are all there.
  EXPECT_TRUE(Has(category::kDesktop, "Recycle Bin (full)"));
  EXPECT_TRUE(Has(category::kDesktop, "My Network Places"));
}

}  // namespace
}  // namespace gd
