// The operations of the pages that the main window's start-up and Apply call on.
#pragma once

#include <string>

#include "ui/app_state.h"

namespace gd {

class PageOperations {
 public:
  virtual ~PageOperations() = default;
  // Loads `state.packageFile` into the slots; false when nothing was loaded.
  virtual bool LoadPackage(AppState& state) = 0;
  // Puts every icon (or cursor) back to the Windows default without asking.
  virtual void RestoreAllIconsQuietly(AppState& state) = 0;
  virtual void RestoreAllCursorsQuietly(AppState& state) = 0;
  // Writes the pending changes to the system.
  virtual void ApplyToSystem(AppState& state) = 0;
  // Makes the shell show the written icons instead of its cached ones.
  virtual void RebuildIconCache(AppState& state) = 0;
};

}  // namespace gd
