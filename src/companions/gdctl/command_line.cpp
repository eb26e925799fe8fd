// The gdctl command line: the command groups and the dispatch to them.
#include <string_view>

#include "gdctl/command_group.h"
#include "gdctl/icon_commands.h"
#ifdef _WIN32
#include "gdctl/apply_commands_win32.h"
#include "gdctl/catalogue_commands_win32.h"
#include "gdctl/package_commands_win32.h"
#endif

namespace gd::gdctl {
namespace {

constexpr CommandGroup kGroups[] = {
    {"icon", "list, extract and gather icons of icon files, programs and icon libraries", RunIconCommand},
#ifdef _WIN32
    {"catalogue", "list every icon and cursor slot of this system", RunCatalogueCommand},
    {"package", "inspect, check, load, save, install, zip and list icon packages", RunPackageCommand},
    {"apply", "load a package and apply it to this system, listing every place written", RunApplyCommand},
    {"restore", "apply the Windows default icons and cursors, listing every place written", RunRestoreCommand},
#endif
};

void PrintUsage(std::ostream& out) {
  out << "usage: gdctl GROUP COMMAND [ARGUMENTS...]\n\ncommand groups:\n";
  for (const CommandGroup& group : CommandGroups()) out << "  " << group.name << "\t" << group.summary << "\n";
  out << "\n'gdctl GROUP --help' describes the commands of a group.\n";
}

}  // namespace

std::span<const CommandGroup> CommandGroups() { return kGroups; }

int RunCommandLine(Arguments args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    PrintUsage(out);
    return 0;
  }
  for (const CommandGroup& group : CommandGroups()) {
    if (args[0] == group.name) return group.run(args.subspan(1), out, err);
  }
  err << "gdctl: unknown command group '" << args[0] << "' (see gdctl --help)\n";
  return 2;
}

}  // namespace gd::gdctl
