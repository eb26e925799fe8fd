// The icon cache rebuild over the registry, the shell, the prompt and the companion library.
#include "system/icon_cache.h"

#include "platform/os_version.h"
#include "platform/program_identity.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr std::string_view kInternetExplorerKey = "SOFTWARE\\Microsoft\\Internet Explorer";

// A warning that the user switches off for good by answering Cancel; either answer goes on.
void WarnUnlessSwitchedOff(Registry& registry, Prompt& prompt, Flag warning,
                           std::string_view text) {
  SettingsStore settings(registry);
  if (!settings.IsOn(warning)) return;
  const PromptRequest request{std::string(text), kAppTitle, PromptIcon::Information,
                              PromptButtons::OkCancel};
  if (prompt.Ask(request) == PromptAnswer::Cancel) {
    settings.SetFlag(warning, false);
  }
}

// The Active Desktop shells of NT 4.0 do not show every change at once; the user is told
// which of the two known cases applies.
void WarnOnWindowsNt4(const CatalogueInputs& inputs, const IconCacheServices& services) {
  const std::string ieVersion =
      services.registry.ReadText(RegRoot::LocalMachine, kInternetExplorerKey, "Version");
  if (!ieVersion.empty() && ieVersion[0] == '5') {
    WarnUnlessSwitchedOff(services.registry, services.prompt, Flag::RebuildWarning1,
                          kRebuildWarning1Text);
  } else if (HasNewShell(inputs.osVersion, inputs.paths.systemDir, services.shell)) {
    WarnUnlessSwitchedOff(services.registry, services.prompt, Flag::RebuildWarning2,
                          kRebuildWarning2Text);
  }
}

}  // namespace

bool HasNewShell(Os osVersion, const std::string& systemDir, ShellQueries& shell) {
  if (osVersion != Os::Windows95 && osVersion != Os::WindowsNt4) return true;
  return IsNewShell(osVersion, shell.IconCount(systemDir + "\\shell32.dll"));
}

int RebuildIconCache(const CatalogueInputs& inputs, const IconCacheServices& services) {
  if (inputs.osVersion == Os::WindowsNt4) WarnOnWindowsNt4(inputs, services);

  const auto library =
      services.rebuilder.Load(inputs.appPath + "\\" + std::string(kRefreshHookFileName));
  if (!library) {
    services.prompt.Ask({std::string(kRefreshHookLoadError), kAppTitle, PromptIcon::Exclamation,
                         PromptButtons::Ok});
    return 0;
  }
  // On XP the rebuild only takes when it runs inside the shell's own process.
  if (inputs.osVersion == Os::WindowsXp) {
    library->RunShellHook();
  } else {
    library->CallRebuildIcons();
  }
  return 1;
}

}  // namespace gd
