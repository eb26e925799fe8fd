// The real companion library: refreshhook.dll loaded from the application directory.
#pragma once

#include "system/icon_cache.h"

namespace gd {

// Loads with LoadLibraryA; on Windows XP hooks the thread of the shell's "Progman" window for
// the 2,000 ms that the shell is given to rebuild.
CacheRebuilder& SystemCacheRebuilder();

}  // namespace gd
