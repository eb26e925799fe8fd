// The Plugins dialog (277): the plugin files of the Plugins folder with a tick each, the
// description of the selected one, and Browse to install another; OK keeps the ticks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog_win32.h"
#include "platform/prompt.h"
#include "plugins/plugin_manager.h"
#include "ui/file_choosers.h"
#include "ui/help_topics.h"
#include "ui/image_list_win32.h"

namespace gd {

class PluginsDialog final : public Dialog {
 public:
  PluginsDialog(PluginManager& manager, FileChoosers& choosers, Prompt& prompt, std::string pluginFolder)
      : manager_(manager), choosers_(choosers), prompt_(prompt), pluginFolder_(std::move(pluginFolder)) {}

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  const char* HelpTopic() const override { return help::kPlugins; }

  void FillList();
  void Select(int line);
  void ShowDescription(int line);
  void ReadTicks();
  void Browse();
  void SaveAndClose();

  PluginManager& manager_;
  FileChoosers& choosers_;
  Prompt& prompt_;
  std::string pluginFolder_;
  std::vector<PluginItem> items_;
  UniqueImageList icons_;
};

}  // namespace gd
