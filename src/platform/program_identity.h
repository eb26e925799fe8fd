// The program's name, shown as the caption of its messages, and its registry key under
// HKEY_CURRENT_USER, where every subsystem keeps its settings.
#pragma once

#include <string_view>

namespace gd {

inline constexpr const char* kAppTitle = "Glimmerdeck";
inline constexpr std::string_view kProgramKey = "Software\\Quillmoor\\Glimmerdeck";

}  // namespace gd
