// The system's own words for an error code, for messages to the user.
#pragma once

#include <windows.h>

#include <string>

namespace gd::proptab {

// "Access denied." and the like; the code in hex when the system has no text for it.
std::string SystemErrorText(DWORD code);

}  // namespace gd::proptab
