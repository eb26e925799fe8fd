// A group of gdctl commands ("icon", and later others): its name, usage and entry point.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace gd::gdctl {

using Arguments = std::span<const std::string>;

struct CommandGroup {
  const char* name;
  const char* summary;  // one line for "gdctl --help"
  // Runs the group with the arguments after its name; returns the exit status.
  int (*run)(Arguments args, std::ostream& out, std::ostream& err);
};

// Every command group, in the order "gdctl --help" lists them.
std::span<const CommandGroup> CommandGroups();

// Runs a whole command line (without the program name).
int RunCommandLine(Arguments args, std::ostream& out, std::ostream& err);

}  // namespace gd::gdctl
