// The enabled list and the Plugins dialog's lines, descriptions and installation.
#include "plugins/plugin_manager.h"

#include <algorithm>

#include "platform/path_text.h"
#include "platform/text_case.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

bool TitleBefore(const PluginItem& a, const PluginItem& b) {
  return FoldCase(a.title) < FoldCase(b.title);
}

}  // namespace

bool IsPluginFile(IniStore& ini, const std::string& path) {
  const std::string section(kPluginSection);
  std::string where;
  std::string clsid;
  ReadIniValue(ini, section, "Location", where, path);
  return (where == "0" || where == "1" || where == "2") && ReadIniValue(ini, section, "CLSID", clsid, path);
}

std::string PluginFolder(std::string_view appPath) {
  return RemoveTrailingBackslash(appPath) + "\\Plugins";
}

PluginManager::PluginManager(Registry& registry, IniStore& ini, ShellQueries& shell,
                             std::string appPath)
    : registry_(registry), ini_(ini), shell_(shell), appPath_(std::move(appPath)) {}

std::vector<PluginItem> PluginManager::ListPlugins() {
  std::vector<PluginItem> items;
  for (const auto& path : shell_.FindFiles(PluginFolder(appPath_), std::string(kPluginPattern),
                                           false)) {
    items.push_back({FileTitle(path), SettingsStore(registry_).IsPluginEnabled(FileName(path))});
  }
  std::stable_sort(items.begin(), items.end(), TitleBefore);
  return items;
}

std::string PluginManager::Description(std::string_view title) {
  std::string comments;
  const std::string file = PluginFolder(appPath_) + "\\" + std::string(title) + ".gdp";
  if (!ReadIniValue(ini_, std::string(kPluginSection), "Comments", comments, file)) {
    comments = "None";
  }
  return "Description: " + comments;
}

InstalledPlugin PluginManager::Install(std::vector<PluginItem>& items, const std::string& chosenFile,
                                       PluginFileCopier& copier) {
  if (!IsPluginFile(ini_, chosenFile)) return {PluginInstall::NotAPlugin};
  const std::string target = PluginFolder(appPath_) + "\\" + FileName(chosenFile);
  // A file chosen in the folder itself is there already.
  if (!EqualsIgnoreCase(chosenFile, target) && !copier.CopyReplacing(chosenFile, target)) {
    return {PluginInstall::NotCopied};
  }
  const std::string title = FileTitle(chosenFile);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualsIgnoreCase(items[i].title, title)) {
      items[i].enabled = true;
      return {PluginInstall::Installed, static_cast<int>(i)};
    }
  }
  // The list keeps its sort order: the new line goes where the sorted list puts it.
  PluginItem item{title, true};
  const auto at = std::upper_bound(items.begin(), items.end(), item, TitleBefore);
  const auto inserted = items.insert(at, std::move(item));
  return {PluginInstall::Installed, static_cast<int>(inserted - items.begin())};
}

void PluginManager::SaveChoices(const std::vector<PluginItem>& items) {
  SettingsStore settings(registry_);
  for (const auto& item : items) settings.SetPluginEnabled(item.title + ".gdp", item.enabled);
}

}  // namespace gd
