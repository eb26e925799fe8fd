// The operations on the slot catalogue that the main window and its pages call on: loading,
// restoring, saving, applying, the cache rebuild and the switch between the two views.
#pragma once

#include <string>

#include "catalogue/edit_state.h"
#include "package/package_saver.h"
#include "platform/path_text.h"
#include "ui/app_state.h"

namespace gd {

class PageOperations {
 public:
  virtual ~PageOperations() = default;
  // Loads `state.page.packageFile` into the slots (an archive is installed first and the
  // package file found in it takes its place); false when nothing was loaded.
  virtual bool LoadPackage(AppState& state, CatalogueEvents& events) = 0;
  // Puts every icon (or cursor) back to the Windows default; asks first unless `quiet`.
  virtual void RestoreAllIcons(AppState& state, CatalogueEvents& events, bool quiet) = 0;
  virtual void RestoreAllCursors(AppState& state, CatalogueEvents& events, bool quiet) = 0;
  // Writes the pending changes to the system.
  virtual void ApplyToSystem(AppState& state, CatalogueEvents& events) = 0;
  // Makes the shell show the written icons instead of its cached ones.
  virtual void RebuildIconCache(AppState& state) = 0;
  // Save (saveAs false) and Save As of the slots as a package.
  virtual void SavePackage(AppState& state, CatalogueEvents& events, SaveHost& host,
                           bool saveAs) = 0;
  // Sets `state.localUpdate` and makes the catalogue show that view from now on.
  virtual void SwitchView(AppState& state, bool localUpdate) = 0;
  // Where icon references of the catalogue point (for writing icon libraries).
  virtual PathContext IconPaths() = 0;
};

}  // namespace gd
