// The state of the Icons & Cursors page that loading, saving, restoring and applying share:
// the loaded package, the include switches and the flags they leave for Apply.
#pragma once

#include <string>

#include "catalogue/categories.h"
#include "settings/settings_store.h"

namespace gd {

struct PageState {
  std::string appPath;      // the application directory, no trailing backslash
  std::string themesDir;    // appPath + "\Themes"
  std::string packageFile;  // the loaded package file; empty for the Windows defaults
  IncludeFlags include = kDefaultIncludeFlags;
  bool loadAndClose = false;      // started only to load, apply and close
  bool pendingChanges = false;    // Apply has something to write
  bool needCacheRebuild = false;  // Apply should rebuild the shell's icon cache
  Category categoryOnShow = Category::Desktop;        // the category the Icons & Cursors page lists
};

// What the page and the main window are told when loading, restoring or applying changes
// what they show. The window draws; tests record; a console run ignores them.
class PageEvents {
 public:
  virtual ~PageEvents() = default;
  virtual void SlotRefreshed(Category /*category*/, int /*item*/) {}
  // Repaint the category's list and the page's status line.
  virtual void CategoryRepainted(Category /*category*/) {}
  virtual void TitleChanged() {}
  // The main window's command 1125: Apply becomes available in the Local Update view.
  virtual void ApplyEnabled() {}
  // The Packages page must rebuild its list.
  virtual void PackageListChanged() {}
  virtual void RecentPackageAdded(const std::string& /*packageFile*/) {}
};

}  // namespace gd
