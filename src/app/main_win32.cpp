// Entry point of glimmerdeck.exe: wires the real registry, prompt, catalogue and window to
// start-up.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/catalogue_operations.h"
#include "catalogue/builders.h"
#include "catalogue/catalogue_inputs_win32.h"
#include "package/package_host_win32.h"
#include "package/zipped_package_win32.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "plugins/plugins.h"
#include "settings/property_tab_library_win32.h"
#include "system/icon_cache_win32.h"
#include "system/system_effects_win32.h"
#include "ui/file_choosers_win32.h"
#include "ui/handover_block_win32.h"
#include "ui/icon_picker_win32.h"
#include "ui/main_window_win32.h"
#include "ui/message_box_prompt_win32.h"
#include "ui/notice_box_win32.h"
#include "ui/resource_ids.h"

namespace {

// Runs the real main window as the main loop of the program, over the catalogue of this
// system in the Local Update view. A user's start while a window is open goes to that window.
class DialogRunner final : public gd::MainWindowRunner {
 public:
  DialogRunner(gd::SettingsStore& settings, gd::Prompt& prompt)
      : settings_(settings), prompt_(prompt) {}

  int Run(const gd::WindowStart& start) override {
    if (start.interactive && gd::HandOverToRunningWindow(start.packageFile)) return gd::kExitOk;
    gd::Registry& registry = gd::SystemRegistry();
    gd::ShellQueries& shell = gd::SystemShell();
    gd::CatalogueInputs inputs = gd::SystemCatalogueInputs(
        registry, shell, gd::CatalogueView::LocalUpdate, start.appPath);
    inputs.silentStart = !start.interactive;
    gd::NoticeBoxDialog notice;
    gd::PluginSlots plugins;
    gd::SlotCatalogue catalogue(
        inputs, gd::CatalogueSystem{registry, gd::SystemIni(), shell, prompt_, notice, &plugins});
    gd::InstallBuilders(catalogue);
    // Restoring before a load is done by the operations themselves, on the page they load.
    gd::Win32PackageHost files(registry, prompt_, start.appPath, {}, {});
    gd::CatalogueOperations operations(catalogue, files, gd::SystemEffectsOfWindows(),
                                       gd::SystemCacheRebuilder());
    gd::Win32PackageFiles packageFiles;
    gd::LibrarySystem library{shell, gd::SystemIni(), packageFiles, registry, prompt_,
                              start.appPath + "\\Themes"};
    gd::ZipLibraryTool zip(registry, prompt_);
    gd::SystemFileChoosers choosers;
    gd::PropertyTabLibrary propertyTab(start.appPath);
    gd::PickIconLibrary picker(start.appPath);
    gd::MainWindow window(start, settings_, prompt_, operations,
                          gd::WindowServices{library, files, zip, choosers, registry, propertyTab, catalogue, picker});
    return window.Run(GetModuleHandleA(nullptr));
  }

 private:
  gd::SettingsStore& settings_;
  gd::Prompt& prompt_;
};

// The arguments after the program name, split by the C runtime's usual rules.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i] ? __argv[i] : "");
  return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  gd::SettingsStore settings(gd::SystemRegistry());
  gd::MessageBoxPrompt prompt;
  DialogRunner runner(settings, prompt);
  return gd::RunApplication(Arguments(), settings, prompt, runner);
}
