// Start flags per command-line mode.
#include "app/start_flags.h"

namespace gd {

StartFlags StartFlagsFor(CommandLineMode mode) {
  StartFlags flags;
  // Mode "a" would also load and close, but such a start never reaches the window.
  flags.loadAndClose = mode == CommandLineMode::LoadAndApply || mode == CommandLineMode::A;
  flags.restoreAndClose = mode == CommandLineMode::RestoreDefaults ||
                          mode == CommandLineMode::RestoreDefaultsNoRebuild;
  flags.skipCacheRebuild = mode == CommandLineMode::RestoreDefaultsNoRebuild;
  return flags;
}

}  // namespace gd
