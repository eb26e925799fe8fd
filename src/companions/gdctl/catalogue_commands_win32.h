// The "gdctl catalogue" command: the slot catalogue of this system, one line per slot.
#pragma once

#include "gdctl/command_group.h"

namespace gd::gdctl {

int RunCatalogueCommand(Arguments args, std::ostream& out, std::ostream& err);

}  // namespace gd::gdctl
