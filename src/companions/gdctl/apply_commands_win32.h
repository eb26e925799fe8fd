// The "gdctl apply" and "gdctl restore" commands: apply a package, or the Windows defaults,
// to this system and list every place written.
#pragma once

#include "gdctl/command_group.h"

namespace gd::gdctl {

int RunApplyCommand(Arguments args, std::ostream& out, std::ostream& err);
int RunRestoreCommand(Arguments args, std::ostream& out, std::ostream& err);

}  // namespace gd::gdctl
