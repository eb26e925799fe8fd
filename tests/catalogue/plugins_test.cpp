// Plugin slots: which enabled plugins add a slot, where the slot lives on each Windows
// version, the refusal of broken plugin files, and the Plugins dialog's list logic.
#include <map>

#include "plugins/plugin_manager.h"
#include "plugins/plugins.h"
#include "plugins_fixture.h"

namespace gd {
namespace {

constexpr const char* kClsid = "{11111111-2222-3333-4444-555555555555}";

class PluginsTest : public ShellCatalogueFixture {};

TEST_F(PluginsTest, DesktopPluginSlotLivesWhereTheVersionKeepsDesktopObjects) {
  AddPlugin(Plugin("Tool").Name("Tool Object").IconFile("C:\\Tools\\tool.exe").IconIndex("2"));
  const std::string classes = std::string("Software\\Classes\\CLSID\\") + kClsid;
  const std::string explorer =
      std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\") + kClsid;
  const std::map<int, std::string> expected = {
      {0, classes}, {1, classes}, {2, classes}, {3, classes},
      {4, classes}, {5, explorer}, {6, explorer}};
  for (const auto& [os, key] : expected) {
    SCOPED_TRACE(os);
    Make(os);
    LoadPlugins(catalogue(), "0", category::kDesktop);
    ASSERT_EQ(Names(category::kDesktop), std::vector<std::string>{"Tool Object"});
    const IconSlot& slot = Slot(category::kDesktop, "Tool Object");
    EXPECT_EQ(slot.rootKey, kHkcu);
    EXPECT_EQ(slot.keyPath, key + "\\DefaultIcon");
    EXPECT_EQ(slot.valueName, "");
    EXPECT_EQ(slot.defaultPath, "C:\\Tools\\tool.exe");
    EXPECT_EQ(slot.defaultIndex, 2);
    // Nothing stored at its place yet: the plugin's icon is also the current one.
    EXPECT_EQ(slot.currentPath, "C:\\Tools\\tool.exe");
    EXPECT_EQ(slot.flags, 0u);
  }
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(PluginsTest, SlotReadsTheCurrentIconFromItsDefaultIconKey) {
  AddPlugin(Plugin("Tool").Name("Tool Object"));
  backend.PutText(kHkcu,
                  std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\") +
                      kClsid + "\\DefaultIcon",
                  "", "C:\\Icons\\mine.ico,4");
  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_EQ(Slot(category::kDesktop, "Tool Object").currentPath, "C:\\Icons\\mine.ico");
  EXPECT_EQ(Slot(category::kDesktop, "Tool Object").currentIndex, 4);
}

TEST_F(PluginsTest, MyComputerPluginsGoToTheRequestedCategoryOnly) {
  AddPlugin(Plugin("Desk").Location("0").Clsid("{D}").Name("On Desktop"));
  AddPlugin(Plugin("Comp").Location("1").Clsid("{C}").Name("In My Computer"));
  Make(2);
  LoadPlugins(catalogue(), "1", category::kFolders);
  EXPECT_EQ(Names(category::kFolders), std::vector<std::string>{"In My Computer"});
  EXPECT_EQ(Slot(category::kFolders, "In My Computer").keyPath,
            "Software\\Classes\\CLSID\\{C}\\DefaultIcon");
  // On XP the My Computer object stays under Software\Classes.
  Make(6);
  LoadPlugins(catalogue(), "1", category::kFolders);
  EXPECT_EQ(Slot(category::kFolders, "In My Computer").keyPath,
            "Software\\Classes\\CLSID\\{C}\\DefaultIcon");
  EXPECT_TRUE(catalogue().Entries(category::kDesktop).empty());
}

TEST_F(PluginsTest, DisabledUnregisteredAndVanishedPluginsAddNothingQuietly) {
  AddPlugin(Plugin("Off").Clsid("{A}").Name("Off").Enabled(false));
  AddPlugin(Plugin("Unregistered").Clsid("{B}").Name("Unregistered").Registered(false));
  // Registered for My Computer only: no desktop slot.
  AddPlugin(Plugin("Elsewhere").Location("1").Clsid("{E}").Name("Elsewhere"));
  backend.PutNumber(kHklm, "x", "y", 0);
  // A value left behind by a deleted plugin file.
  backend.PutText(kHkcu, "Software\\Quillmoor\\Glimmerdeck\\Plugins", "Gone.gdp", "");
  AddPlugin(Plugin("On").Clsid("{O}").Name("On"));
  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_EQ(Names(category::kDesktop), std::vector<std::string>{"On"});
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(PluginsTest, BrokenPluginsAreRefusedByFileNameAndTheOthersStillLoad) {
  AddPlugin(Plugin("BadPlace").Location("7").Name("Bad"));
  AddPlugin(Plugin("NoPlace").Location("").Name("None"));
  AddPlugin(Plugin("NoClsid").Clsid("").Name("No Clsid").Registered(false));
  AddPlugin(Plugin("Good").Clsid("{G}").Name("Good"));
  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_EQ(Names(category::kDesktop), std::vector<std::string>{"Good"});
  ASSERT_EQ(prompt.requests.size(), 3u);
  std::vector<std::string> texts;
  for (const auto& request : prompt.requests) {
    texts.push_back(request.text);
    EXPECT_EQ(request.caption, "Glimmerdeck");
    EXPECT_EQ(request.icon, PromptIcon::Exclamation);
    EXPECT_EQ(request.buttons, PromptButtons::Ok);
  }
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts[0],
            "There was an error reading the plugin 'BadPlace.gdp'.\n\nThis plugin will not be "
            "installed.");
  EXPECT_EQ(texts[1],
            "There was an error reading the plugin 'NoClsid.gdp'.\n\nThis plugin will not be "
            "installed.");
  EXPECT_EQ(texts[2],
            "There was an error reading the plugin 'NoPlace.gdp'.\n\nThis plugin will not be "
            "installed.");
}

TEST_F(PluginsTest, MissingClsidIsOnlyReportedWhenItsLocationIsBuilt) {
  AddPlugin(Plugin("NoClsid").Location("1").Clsid("").Registered(false));
  // Location "2" is a valid place that no category asks for.
  AddPlugin(Plugin("Nowhere").Location("2").Clsid("{N}").Registered(false));
  Make(5);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_TRUE(prompt.requests.empty());
  LoadPlugins(catalogue(), "1", category::kFolders);
  EXPECT_EQ(prompt.requests.size(), 1u);
  EXPECT_TRUE(catalogue().Entries(category::kDesktop).empty());
  EXPECT_TRUE(catalogue().Entries(category::kFolders).empty());
}

TEST_F(PluginsTest, CapitalExtensionsAndValueNamesMatchWithoutRegardToCase) {
  AddPlugin(Plugin("Upper").Name("Upper").Enabled(false).Extension(".GDP"));
  backend.PutText(kHkcu, "Software\\Quillmoor\\Glimmerdeck\\Plugins", "upper.gdp", "");
  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_EQ(Names(category::kDesktop), std::vector<std::string>{"Upper"});
}

TEST_F(PluginsTest, TwoPluginsForOneObjectGiveTwoSlotsAtOnePlace) {
  AddPlugin(Plugin("First").Name("First"));
  AddPlugin(Plugin("Second").Name("Second"));
  Make(2);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  ASSERT_EQ(catalogue().Entries(category::kDesktop).size(), 2u);
  EXPECT_EQ(Slot(category::kDesktop, "First").keyPath, Slot(category::kDesktop, "Second").keyPath);
}

TEST_F(PluginsTest, OddPluginTextsGiveASoundSlotOrNone) {
  // An index with trailing junk counts by its leading digits; none at all is 0.
  AddPlugin(Plugin("Junk").Clsid("{J}").Name("Junk").IconIndex("12abc"));
  AddPlugin(Plugin("Empty").Clsid("{E}").Name("Empty").IconIndex(""));
  AddPlugin(Plugin("Letters").Clsid("{L}").Name("Letters").IconIndex("x9"));
  // No icon file: the shell's own library stands in.
  AddPlugin(Plugin("NoFile").Clsid("{F}").Name("NoFile").IconFile(""));
  // A class identifier too long for any key, and a plugin without a name: no slot.
  AddPlugin(Plugin("Long").Clsid("{" + std::string(300, 'A') + "}").Name("Long"));
  AddPlugin(Plugin("Nameless").Clsid("{M}").Name(""));
  // An enabled value of the wrong type does not enable the plugin.
  AddPlugin(Plugin("Typed").Clsid("{T}").Name("Typed").Enabled(false));
  backend.PutNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck\\Plugins", "Typed.gdp", 1);
  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  EXPECT_EQ(Slot(category::kDesktop, "Junk").defaultIndex, 12);
  EXPECT_EQ(Slot(category::kDesktop, "Empty").defaultIndex, 0);
  EXPECT_EQ(Slot(category::kDesktop, "Letters").defaultIndex, 0);
  EXPECT_EQ(Slot(category::kDesktop, "NoFile").defaultPath, Shell32());
  EXPECT_FALSE(Has(category::kDesktop, "Long"));
  EXPECT_FALSE(Has(category::kDesktop, "Typed"));
  EXPECT_EQ(catalogue().Entries(category::kDesktop).size(), 4u);
  EXPECT_TRUE(prompt.requests.empty());
}

TEST(PluginNumbers, LeadingNumberReadsAsAtoiDoes) {
  EXPECT_EQ(LeadingNumber("17"), 17);
  EXPECT_EQ(LeadingNumber("  -3,4"), -3);
  EXPECT_EQ(LeadingNumber("+8"), 8);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

class RecordingCopier final : public PluginFileCopier {
 public:
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    copies.emplace_back(from, to);
    return succeed;
  }
  bool succeed = true;
  std::vector<std::pair<std::string, std::string>> copies;
};

class PluginManagerTest : public ShellCatalogueFixture {
 protected:
  PluginManager manager{registry, ini, shell, kAppPath};
};

TEST_F(PluginManagerTest, ListsPluginFilesSortedWithTheirTicks) {
  AddPlugin(Plugin("zeta").Enabled(true));
  AddPlugin(Plugin("Alpha").Enabled(false));
  AddPlugin(Plugin("beta").Enabled(true).Extension(".GDP"));
  shell.files.insert(std::string(kPluginDir) + "\\readme.txt");
  shell.files.insert(std::string(kPluginDir) + "\\Sub\\deep.gdp");
  const auto items = manager.ListPlugins();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].title, "Alpha");
  EXPECT_FALSE(items[0].enabled);
  EXPECT_EQ(items[1].title, "beta");
  EXPECT_TRUE(items[1].enabled);
  EXPECT_EQ(items[2].title, "zeta");
  EXPECT_TRUE(items[2].enabled);
}

TEST_F(PluginManagerTest, DescriptionShowsTheCommentsOrNone) {
  AddPlugin(Plugin("Said").Comments("Adds the tool's desktop icon."));
  AddPlugin(Plugin("Silent"));
  EXPECT_EQ(manager.Description("Said"), "Description: Adds the tool's desktop icon.");
  EXPECT_EQ(manager.Description("Silent"), "Description: None");
  EXPECT_EQ(manager.Description("Absent"), "Description: None");
}

TEST_F(PluginManagerTest, InstallCopiesAndTicksTheLineKeepingTheOrder) {
  AddPlugin(Plugin("Alpha").Enabled(false));
  AddPlugin(Plugin("Gamma").Enabled(false));
  auto items = manager.ListPlugins();
  RecordingCopier copier;

  EXPECT_EQ(manager.Install(items, "D:\\Downloads\\Beta.gdp", copier), 1);
  ASSERT_EQ(copier.copies.size(), 1u);
  EXPECT_EQ(copier.copies[0].first, "D:\\Downloads\\Beta.gdp");
  EXPECT_EQ(copier.copies[0].second, std::string(kPluginDir) + "\\Beta.gdp");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].title, "Beta");
  EXPECT_TRUE(items[1].enabled);

  // A plugin already listed (by title, whatever its case) is ticked, not listed twice, even
  // when the copy fails.
  copier.succeed = false;
  EXPECT_EQ(manager.Install(items, "E:\\GAMMA.gdp", copier), 2);
  EXPECT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[2].enabled);
  EXPECT_FALSE(items[0].enabled);
}

TEST_F(PluginManagerTest, SavedChoicesDecideWhichPluginsLoad) {
  AddPlugin(Plugin("Keep").Clsid("{K}").Name("Keep").Enabled(true));
  AddPlugin(Plugin("Drop").Clsid("{D}").Name("Drop").Enabled(true));
  AddPlugin(Plugin("Add").Clsid("{A}").Name("Add").Enabled(false));
  auto items = manager.ListPlugins();
  for (auto& item : items) item.enabled = item.title != "Drop";
  manager.SaveChoices(items);
  EXPECT_TRUE(IsPluginEnabled(registry, "Add.gdp"));
  EXPECT_FALSE(IsPluginEnabled(registry, "Drop.gdp"));
  EXPECT_EQ(registry.ReadText(kHkcu, kPluginsKey, "Keep.gdp"), "");

  Make(6);
  LoadPlugins(catalogue(), "0", category::kDesktop);
  auto names = Names(category::kDesktop);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Add", "Keep"}));
}

}  // namespace
}  // namespace gd
