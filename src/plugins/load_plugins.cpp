// Plugin slots: each enabled plugin whose object is registered adds one slot to the desktop
// or folder list.
#include <string>

#include "catalogue/icon_slot.h"
#include "platform/path_text.h"
#include "plugins/plugin_manager.h"
#include "plugins/plugins.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr std::string_view kDesktopNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\";
constexpr std::string_view kMyComputerNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\";
constexpr std::string_view kExplorerClsid =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";
constexpr std::string_view kClassesClsid = "Software\\Classes\\CLSID\\";

void RefusePlugin(SlotCatalogue& catalogue, const std::string& fileName) {
  PromptRequest request;
  request.text = "There was an error reading the plugin '" + fileName +
                 "'.\n\nThis plugin will not be installed.";
  request.caption = "Glimmerdeck";
  request.icon = PromptIcon::Exclamation;
  request.buttons = PromptButtons::Ok;
  catalogue.system().prompt.Ask(request);
}

}  // namespace

void LoadPlugins(SlotCatalogue& catalogue, std::string_view location, Category category) {
  CatalogueSystem& system = catalogue.system();
  const Os osVersion = catalogue.inputs().osVersion;
  const std::string section(kPluginSection);
  const auto files = system.shell.FindFiles(PluginFolder(catalogue.inputs().appPath),
                                            std::string(kPluginPattern), false);
  for (const auto& path : files) {
    const std::string fileName = FileName(path);
    if (!SettingsStore(system.registry).IsPluginEnabled(fileName)) continue;

    std::string where;
    ReadIniValue(system.ini, section, "Location", where, path);
    if (where != "0" && where != "1" && where != "2") {
      RefusePlugin(catalogue, fileName);
      continue;
    }
    if (where != location) continue;

    std::string clsid;
    if (!ReadIniValue(system.ini, section, "CLSID", clsid, path)) {
      RefusePlugin(catalogue, fileName);
      continue;
    }

    std::string key;
    if (where == "0") {
      if (!system.registry.RegKeyExists(RegRoot::LocalMachine,
                                        std::string(kDesktopNameSpace) + clsid)) {
        continue;
      }
      // Windows 2000 and XP keep the user's desktop object icons under Explorer's own key.
      const bool explorerKey = osVersion == Os::Windows2000 || osVersion == Os::WindowsXp;
      key = std::string(explorerKey ? kExplorerClsid : kClassesClsid) + clsid;
    } else if (where == "1") {
      if (!system.registry.RegKeyExists(RegRoot::LocalMachine,
                                        std::string(kMyComputerNameSpace) + clsid)) {
        continue;
      }
      key = std::string(kClassesClsid) + clsid;
    } else {
      continue;  // a valid place that no category shows
    }

    std::string name;
    std::string iconFile;
    std::string iconIndex;
    ReadIniValue(system.ini, section, "Name", name, path);
    ReadIniValue(system.ini, section, "IconFile", iconFile, path);
    ReadIniValue(system.ini, section, "IconIndex", iconIndex, path);
    catalogue.AddSlot(category, name, RegRoot::CurrentUser, key, "", iconFile,
                      LeadingNumber(iconIndex), SlotKind::ClsidDefaultIcon, 0);
  }
}

}  // namespace gd
