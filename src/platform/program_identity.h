// The program's name, shown as the caption of its messages.
#pragma once

namespace gd {

inline constexpr const char* kAppTitle = "Glimmerdeck";

}  // namespace gd
