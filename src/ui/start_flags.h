// The main window's start flags, set from the command-line mode before the window runs.
#pragma once

namespace gd {

struct StartFlags {
  bool loadAndClose = false;     // "lt": load the package, apply it, close
  bool restoreAndClose = false;  // "r", "default", "default2": restore all, apply, close
  bool skipCacheRebuild = false;  // "default2"
  bool restartNeeded = false;    // set later by settings that need a restart of Windows
};

}  // namespace gd
