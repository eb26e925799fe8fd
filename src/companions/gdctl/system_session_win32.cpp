// Builds the catalogue of the running system for gdctl's commands.
#include "gdctl/system_session_win32.h"

#include <windows.h>

#include <charconv>

#include "settings/settings_store.h"
#include "catalogue/builders.h"
#include "catalogue/catalogue_inputs_win32.h"
#include "platform/path_text.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"

namespace gd::gdctl {
namespace {

RegistryBackend& RealRegistryBackend() {
  static Win32Registry backend;
  return backend;
}

}  // namespace

bool ParseNumber(std::string_view text, int low, int high, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc{} && end == text.data() + text.size() && !text.empty() &&
         number >= low && number <= high;
}

bool ParseSessionOptions(Arguments args, SessionOptions& options, std::vector<std::string>& rest) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--view" && option != "--os") {
      rest.push_back(option);
      continue;
    }
    if (i + 1 >= args.size()) return false;
    const std::string& value = args[++i];
    if (option == "--view") {
      if (value == "local") options.view = CatalogueView::LocalUpdate;
      else if (value == "builder") options.view = CatalogueView::PackageBuilder;
      else return false;
    } else {
      int code = 0;
      if (!ParseNumber(value, static_cast<int>(Os::Unknown), static_cast<int>(Os::WindowsXp),
                       code)) {
        return false;
      }
      options.os = static_cast<Os>(code);
    }
  }
  return true;
}

std::string ApplicationDirectory(Registry& registry) {
  SettingsStore settings(registry);
  std::string appPath = settings.AppPath();
  if (appPath != kRegTextSentinel) return appPath;
  char self[kMaxPath] = {};
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return ".";
  return RemoveTrailingBackslash(FolderOf(self));
}

SystemSession::SystemSession(const SessionOptions& options, std::ostream& err,
                             RegistryBackend* backend, IniStore* ini)
    : registry_(backend ? *backend : RealRegistryBackend()), prompt_(err) {
  ShellQueries& shell = SystemShell();
  page_.appPath = ApplicationDirectory(registry_);
  page_.themesDir = page_.appPath + "\\Themes";
  // The Packages page's Include boxes start as they were left.
  page_.include = SettingsStore(registry_).IncludeSwitches();
  CatalogueInputs inputs = SystemCatalogueInputs(registry_, shell, options.view, page_.appPath);
  if (options.os) {
    inputs.osVersion = *options.os;
    inputs.paths.osVersion = *options.os;
    inputs.newShell =
        IsNewShell(*options.os, shell.IconCount(inputs.paths.systemDir + "\\shell32.dll"));
  }
  inputs.silentStart = true;  // a console has no one to show notices to
  catalogue_ = std::make_unique<SlotCatalogue>(
      inputs,
      CatalogueSystem{registry_, ini ? *ini : SystemIni(), shell, prompt_, prompt_, &plugins_});
  InstallBuilders(*catalogue_);
}

SystemSession::~SystemSession() = default;

}  // namespace gd::gdctl
