// The process-wide values of a running program: its directories, the current package, the
// Windows version and the flags that operations leave for Apply.
#pragma once

#include <string>

namespace gd {

struct AppState {
  std::string appPath;
  std::string themesDir;
  std::string systemDir;
  std::string windowsDir;
  std::string packageFile;
  int osVersion = 0;
  bool needCacheRebuild = false;
  bool rememberWindow = true;
  bool localUpdate = true;  // the view: Local Update, or Package Builder when false
};

}  // namespace gd
