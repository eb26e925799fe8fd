// Plugins beyond the tuned version listings: where a plugin's slot lives on each Windows
// version, the refusal of broken plugin files, and the Plugins dialog's logic.
#include "plugins/plugins.h"

#include <algorithm>
#include <map>

#include "plugins/plugin_manager.h"
#include "settings/settings_store.h"
#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kDesk = Category::Desktop;
constexpr const char* kEnabledKey = "Software\\Quillmoor\\Glimmerdeck\\Plugins";
const std::string kPluginDir = "C:\\Program Files\\Glimmerdeck\\Plugins\\";

class Plugins : public BuilderTest {
 protected:
  // Writes a plugin file (empty keys left out), enables it and registers its object in the
  // namespace of its location, unless told otherwise.
  void Add(const std::string& file, std::map<std::string, std::string> keys, bool enabled = true,
           bool registered = true) {
    keys.insert({{"Name", file.substr(0, file.find('.'))},
                 {"Location", "0"},
                 {"CLSID", "{P}"},
                 {"IconFile", "C:\\Tools\\tool.exe"},
                 {"IconIndex", "2"}});
    shell.files.insert(kPluginDir + file);
    for (const auto& [key, value] : keys) {
      if (!value.empty()) ini.WriteString(kPluginDir + file, "Application Info", key, value);
    }
    if (enabled) backend.PutText(kHkcu, kEnabledKey, file, "");
    const std::string where = keys["Location"] == "1" ? "MyComputer" : "Desktop";
    if (registered) {
      backend.CreateKey(kHklm, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\" + where +
                                   "\\NameSpace\\" + keys["CLSID"]);
    }
  }
  Names Load(Os os, const char* location = "0", Category category = kDesk) {
    LoadPlugins(MakeCatalogue(VersionInputs(os)), location, category);
    Names names = NamesIn(category);
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(Plugins, TheSlotLivesWhereTheVersionKeepsDesktopObjects) {
  Add("Tool.gdp", {});
  Add("Comp.gdp", {{"Location", "1"}, {"CLSID", "{C}"}});
  for (int code = 0; code <= 6; ++code) {
    const Os os = static_cast<Os>(code);
    ASSERT_EQ(Load(os), Names{"Tool"});
    EXPECT_EQ(Place(kDesk, "Tool"), os >= Os::Windows2000
                                        ? "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Expl"
                                          "orer\\CLSID\\{P}\\DefaultIcon"
                                        : "HKCU\\Software\\Classes\\CLSID\\{P}\\DefaultIcon")
        << os;
    // My Computer plugins stay under the classes key on every version.
    ASSERT_EQ(Load(os, "1", Category::Folders), Names{"Comp"});
    EXPECT_EQ(Place(Category::Folders, "Comp"),
              "HKCU\\Software\\Classes\\CLSID\\{C}\\DefaultIcon");
  }
  std::string numbers;  // icon indexes read as atoi reads them
  for (const char* text : {"17", "  -3,4", "+8", "", "abc", "99999999999", "-99999999999"}) {
    numbers += std::to_string(LeadingNumber(text)) + " ";
  }
  EXPECT_EQ(numbers, "17 -3 8 0 0 2147483647 -2147483648 ");
}

TEST_F(Plugins, BrokenPluginsAreRefusedByFileNameWhenTheirLocationIsBuilt) {
  Add("BadPlace.gdp", {{"Location", "7"}});
  Add("NoPlace.gdp", {{"Location", ""}});
  Add("NoClsid.gdp", {{"CLSID", ""}}, true, false);
  Add("CompNoClsid.gdp", {{"Location", "1"}, {"CLSID", ""}}, true, false);
  Add("Nowhere.gdp", {{"Location", "2"}, {"CLSID", "{N}"}}, true, false);  // valid, never built
  Add("Good.gdp", {{"CLSID", "{G}"}});
  EXPECT_EQ(Load(Os::WindowsXp), Names{"Good"});
  Names texts;
  for (const auto& request : prompt.requests)
    texts.push_back(request.caption + ": " + request.text);
  std::sort(texts.begin(), texts.end());
  const auto refusal = [](const std::string& file) {
    return "Glimmerdeck: There was an error reading the plugin '" + file +
           "'.\n\nThis plugin will not be installed.";
  };
  EXPECT_EQ(texts,
            (Names{refusal("BadPlace.gdp"), refusal("NoClsid.gdp"), refusal("NoPlace.gdp")}));
  EXPECT_TRUE(prompt.requests[0].icon == PromptIcon::Exclamation &&
              prompt.requests[0].buttons == PromptButtons::Ok);
  EXPECT_TRUE(Load(Os::WindowsXp, "1", Category::Folders).empty());
  EXPECT_EQ(prompt.requests.size(), 3u + 3u);  // BadPlace and NoPlace again, CompNoClsid
}

class RecordingCopier final : public PluginFileCopier {
 public:
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    copies.push_back(from + " -> " + to);
    return copies.size() == 1;  // the second copy fails
  }
  Names copies;
};

TEST_F(Plugins, TheDialogListsInstallsAndSavesTheChoices) {
  PluginManager manager{registry, ini, shell, version_test::kAppPath};
  Add("zeta.gdp", {{"Comments", "Adds the tool's desktop icon."}});
  Add("Alpha.gdp", {}, false);
  Add("beta.GDP", {});
  shell.files.insert(kPluginDir + "Sub\\deep.gdp");  // not in the folder itself
  auto items = manager.ListPlugins();
  const auto listed = [&items] {
    std::string text;
    for (const PluginItem& item : items) text += item.title + (item.enabled ? "+ " : "- ");
    return text;
  };
  EXPECT_EQ(listed(), "Alpha- beta+ zeta+ ");
  EXPECT_EQ(manager.Description("zeta") + manager.Description("Alpha"),
            "Description: Adds the tool's desktop icon.Description: None");
  // Installing copies the file and ticks its line, added in order or found by its title; a
  // file that is no plugin or could not be copied changes nothing.
  RecordingCopier copier;
  for (const char* chosen : {"D:\\Downloads\\Beta2.gdp", "E:\\Gamma.gdp"}) {
    ini.WriteString(chosen, "Application Info", "Location", "1");
    ini.WriteString(chosen, "Application Info", "CLSID", "{B}");
  }
  ini.WriteString("E:\\Notes.gdp", "Application Info", "Location", "1");
  EXPECT_EQ(manager.Install(items, "D:\\Downloads\\Beta2.gdp", copier).line, 2);
  EXPECT_EQ(manager.Install(items, "E:\\Notes.gdp", copier).result, PluginInstall::NotAPlugin) << "no CLSID";
  EXPECT_EQ(manager.Install(items, kPluginDir + "beta.GDP", copier).line, 1) << "already in the folder";
  EXPECT_EQ(manager.Install(items, "E:\\Gamma.gdp", copier).result, PluginInstall::NotCopied);
  EXPECT_EQ(copier.copies, (Names{"D:\\Downloads\\Beta2.gdp -> " + kPluginDir + "Beta2.gdp",
                                  "E:\\Gamma.gdp -> " + kPluginDir + "Gamma.gdp"}));
  EXPECT_EQ(listed(), "Alpha- beta+ Beta2+ zeta+ ");
  items[0].enabled = true;
  items[3].enabled = false;
  manager.SaveChoices(items);
  SettingsStore settings(registry);
  EXPECT_TRUE(settings.IsPluginEnabled("Alpha.gdp") && settings.IsPluginEnabled("Beta2.gdp"));
  EXPECT_FALSE(settings.IsPluginEnabled("zeta.gdp"));
}

}  // namespace
}  // namespace gd::test
