// How the program's named types read in test failure messages: by their numbers.
#pragma once

#include <ostream>

#include "catalogue/categories.h"
#include "platform/os_version.h"

namespace gd {

inline std::ostream& operator<<(std::ostream& out, Category category) {
  return out << "category " << static_cast<int>(category);
}
inline std::ostream& operator<<(std::ostream& out, Os os) {
  return out << "Windows code " << static_cast<int>(os);
}

}  // namespace gd
