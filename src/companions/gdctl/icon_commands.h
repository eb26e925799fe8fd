// The "gdctl icon" commands: list, extract and library.
#pragma once

#include "gdctl/command_group.h"

namespace gd::gdctl {

int RunIconCommand(Arguments args, std::ostream& out, std::ostream& err);

}  // namespace gd::gdctl
