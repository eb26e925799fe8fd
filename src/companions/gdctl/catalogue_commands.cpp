// "gdctl catalogue": builds the catalogue of the running system (optionally as if it were
// another Windows version, or in the Package Builder view) and lists every slot.
#include "gdctl/catalogue_commands.h"

#include <windows.h>

#include <charconv>
#include <string_view>

#include "app/settings_store.h"
#include "catalogue/builders.h"
#include "catalogue/catalogue_inputs_win32.h"
#include "catalogue/drive_builder.h"
#include "catalogue/slot_listing.h"
#include "gdctl/console_prompt.h"
#include "platform/path_text.h"
#include "platform/win32_ini.h"
#include "platform/win32_registry.h"

namespace gd::gdctl {
namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  gdctl catalogue [--view local|builder] [--os CODE] [--category N]\n"
    "    one line per slot: category, name, kind, root, key, value name, current icon,\n"
    "    default icon, flags (hex); CODE 0-6 builds as if that Windows version ran\n";

bool ParseNumber(std::string_view text, int low, int high, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc{} && end == text.data() + text.size() && !text.empty() &&
         number >= low && number <= high;
}

struct Options {
  CatalogueView view = CatalogueView::LocalUpdate;
  int os = -1;
  int category = -1;
};

bool ParseOptions(Arguments args, Options& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return false;
    const std::string& value = args[++i];
    if (option == "--view") {
      if (value == "local") options.view = CatalogueView::LocalUpdate;
      else if (value == "builder") options.view = CatalogueView::PackageBuilder;
      else return false;
    } else if (option == "--os") {
      if (!ParseNumber(value, 0, 6, options.os)) return false;
    } else if (option == "--category") {
      if (!ParseNumber(value, 0, kCategoryCount - 1, options.category)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// The application directory: the installed one, or else the folder gdctl runs from.
std::string ApplicationDirectory(Registry& registry) {
  SettingsStore settings(registry);
  std::string appPath = settings.AppPath();
  if (appPath != kRegTextSentinel) return appPath;
  char self[kMaxPath] = {};
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return ".";
  return RemoveTrailingBackslash(FolderOf(self));
}

}  // namespace

int RunCatalogueCommand(Arguments args, std::ostream& out, std::ostream& err) {
  Options options;
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (!ParseOptions(args, options)) {
    err << kUsage;
    return 2;
  }
  Registry& registry = SystemRegistry();
  ShellQueries& shell = SystemShell();
  CatalogueInputs inputs =
      SystemCatalogueInputs(registry, shell, options.view, ApplicationDirectory(registry));
  if (options.os >= 0) {
    inputs.osVersion = options.os;
    inputs.paths.osVersion = options.os;
    inputs.newShell =
        IsNewShell(options.os, shell.IconCount(inputs.paths.systemDir + "\\shell32.dll"));
  }
  inputs.silentStart = true;  // a console has no one to show notices to
  ConsolePrompt prompt(err);
  SlotCatalogue catalogue(inputs, CatalogueSystem{registry, SystemIni(), shell, prompt, prompt});
  InstallBuilders(catalogue);
  for (int c = 0; c < kCategoryCount; ++c) {
    if (options.category >= 0 && c != options.category) continue;
    // As the Drives tab shows them: in the mode that "Drive Mode" keeps.
    if (c == category::kDrives) BuildDriveIcons(catalogue);
    catalogue.BuildCategory(c);
    for (const CatalogueEntry& entry : catalogue.Entries(c)) out << SlotLine(c, entry) << "\n";
  }
  return 0;
}

}  // namespace gd::gdctl
