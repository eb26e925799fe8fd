// The plugin files in the application's Plugins folder and the list of enabled plugins kept
// in the registry: what the catalogue reads when it adds plugin slots, and what the Plugins
// dialog shows and changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini.h"
#include "platform/registry.h"
#include "platform/shell_queries.h"

namespace gd {

// The section of a plugin file that holds every key.
inline constexpr std::string_view kPluginSection = "Application Info";
inline constexpr std::string_view kPluginPattern = "*.gdp";
// The open-file dialog through which the user installs a plugin file.
inline constexpr std::string_view kPluginFileFilter = "Glimmerdeck Plugins (*.gdp)|*.gdp|";
inline constexpr std::string_view kInstallPluginTitle = "Install Plugin";

// "<AppPath>\Plugins", without a final backslash.
std::string PluginFolder(std::string_view appPath);

// One line of the Plugins dialog: the file title and its tick.
struct PluginItem {
  std::string title;
  bool enabled = false;
};

// Copies a chosen plugin file into the Plugins folder, replacing a file of that name; the
// dialog copies through the platform, tests through a fake.
class PluginFileCopier {
 public:
  virtual ~PluginFileCopier() = default;
  virtual bool CopyReplacing(const std::string& from, const std::string& to) = 0;
};

// How installing a chosen file went, and the line it ticked when it was installed.
enum class PluginInstall { Installed, NotAPlugin, NotCopied };
struct InstalledPlugin {
  PluginInstall result = PluginInstall::NotAPlugin;
  int line = -1;
};

// A plugin file names a place the catalogue knows ("Location" 0, 1 or 2) and a shell object.
bool IsPluginFile(IniStore& ini, const std::string& path);

// The logic behind the Plugins dialog, over the registry, the plugin files and the folder.
class PluginManager {
 public:
  PluginManager(Registry& registry, IniStore& ini, ShellQueries& shell, std::string appPath);

  // The plugin files of the folder as the dialog lists them: sorted by title without regard
  // to case, each ticked when it is enabled.
  std::vector<PluginItem> ListPlugins();
  // "Description: <Comments>" of the plugin with this title, or "Description: None".
  std::string Description(std::string_view title);
  // Copies `chosenFile` into the folder and ticks its line, adding the line when no line has
  // its title (compared without regard to case). A file that is no plugin, or that could not
  // be copied, changes nothing.
  InstalledPlugin Install(std::vector<PluginItem>& items, const std::string& chosenFile,
                          PluginFileCopier& copier);
  // What OK stores: each ticked line writes its value, each unticked line deletes it.
  void SaveChoices(const std::vector<PluginItem>& items);

 private:
  Registry& registry_;
  IniStore& ini_;
  ShellQueries& shell_;
  std::string appPath_;
};

}  // namespace gd
