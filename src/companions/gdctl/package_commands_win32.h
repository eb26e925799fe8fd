// The "gdctl package" commands: inspect, check, load, save, install, zip and list packages.
#pragma once

#include "gdctl/command_group.h"

namespace gd::gdctl {

int RunPackageCommand(Arguments args, std::ostream& out, std::ostream& err);

}  // namespace gd::gdctl
