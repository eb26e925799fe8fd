// Reads the Windows version, shell library version and Internet Explorer version.
#include "catalogue/catalogue_inputs_win32.h"

#include <windows.h>
#include <shlwapi.h>

#include "platform/os_version.h"
#include "platform/system_paths.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

// (major << 16) | minor of the shell library; 0 when it or its version export is missing.
std::uint32_t ShellLibraryVersion() {
  UniqueModule shell32(LoadLibraryA("shell32.dll"));
  if (!shell32) return 0;
  const auto getVersion =
      reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(shell32.get(), "DllGetVersion")));
  if (getVersion == nullptr) return 0;
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  if (FAILED(getVersion(&info))) return 0;
  return (static_cast<std::uint32_t>(info.dwMajorVersion) << 16) | (info.dwMinorVersion & 0xFFFF);
}

}  // namespace

CatalogueInputs SystemCatalogueInputs(Registry& registry, ShellQueries& shell, CatalogueView view,
                                      const std::string& appPath) {
  CatalogueInputs inputs;
  inputs.osVersion = GetOsVersion();
  inputs.paths = SystemPathContext(registry, inputs.osVersion);
  inputs.newShell =
      IsNewShell(inputs.osVersion, shell.IconCount(inputs.paths.systemDir + "\\shell32.dll"));
  inputs.shellVersion = ShellLibraryVersion();
  inputs.ieVersion = registry.ReadText(RegRoot::LocalMachine,
                                       "SOFTWARE\\Microsoft\\Internet Explorer", "Version")
                         .substr(0, 20);
  inputs.view = view;
  inputs.appPath = appPath;
  return inputs;
}

}  // namespace gd
