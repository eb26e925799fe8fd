// The system's directories and the values behind the path variables.
#pragma once

#include <string>

#include "platform/path_text.h"
#include "platform/registry.h"

namespace gd {

std::string WindowsDirectory();
std::string SystemDirectory();
// "ProgramFilesDir" of the machine's CurrentVersion key; "ERROR" when it cannot be read.
std::string ProgramFilesDirectory(Registry& registry);
PathContext SystemPathContext(Registry& registry, Os osVersion);

}  // namespace gd
