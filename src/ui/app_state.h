// The process-wide values of a running program: the page state that loading, restoring and
// applying share, the system directories, the Windows version and the view.
#pragma once

#include <string>

#include "catalogue/edit_state.h"
#include "platform/os_version.h"

namespace gd {

struct AppState {
  EditState page;  // appPath, themesDir, packageFile, include switches, pending flags
  std::string systemDir;
  std::string windowsDir;
  Os osVersion = Os::Unknown;
  bool newShell = true;     // the shell of Windows 98 and later, or one installed over 95 or NT 4.0
  bool rememberWindow = true;
  bool localUpdate = true;  // the view: Local Update, or Package Builder when false
};

}  // namespace gd
