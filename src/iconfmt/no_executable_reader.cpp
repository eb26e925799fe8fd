// Builds without the Windows loader read no 32-bit executables; NE libraries still load.
#include "iconfmt/icon_loader.h"

namespace gd {

ExecutableIconReader SystemExecutableReader() { return nullptr; }

}  // namespace gd
