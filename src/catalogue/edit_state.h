// What loading, saving, restoring and applying share about the user's edits of the catalogue
// (the loaded package, the include switches, what Apply has left to do), and the events by
// which they tell the window what to show again.
#pragma once

#include <string>

#include "catalogue/categories.h"
#include "settings/settings_store.h"

namespace gd {

struct EditState {
  std::string appPath;      // the application directory, no trailing backslash
  std::string themesDir;    // appPath + "\Themes"
  std::string packageFile;  // the loaded package file; empty for the Windows defaults
  IncludeFlags include = kDefaultIncludeFlags;
  bool loadAndClose = false;      // started only to load, apply and close
  bool pendingChanges = false;    // Apply has something to write
  bool needCacheRebuild = false;  // Apply should rebuild the shell's icon cache
};

// The window draws; tests record; a console run ignores them.
class CatalogueEvents {
 public:
  virtual ~CatalogueEvents() = default;
  virtual void SlotRefreshed(Category /*category*/, int /*item*/) {}
  // Many slots changed: repaint the list on show and the page's status line.
  virtual void ListsChanged() {}
  virtual void TitleChanged() {}
  // The main window's command 1125: Apply becomes available in the Local Update view.
  virtual void ApplyEnabled() {}
  // The Packages page must rebuild its list.
  virtual void PackageListChanged() {}
  virtual void RecentPackageAdded(const std::string& /*packageFile*/) {}
};

}  // namespace gd
