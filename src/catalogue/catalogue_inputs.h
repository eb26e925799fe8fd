// What every category builder reads besides the registry: the Windows version and shell, the
// view, the directories, and the system services they need. Computed once from the system
// (or fixed by tests).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ini.h"
#include "platform/path_text.h"
#include "platform/registry.h"

namespace gd {

enum class CatalogueView { LocalUpdate, PackageBuilder };

struct CatalogueInputs {
  int osVersion = 0;
  bool newShell = true;
  std::uint32_t shellVersion = 0;  // (major << 16) | minor of shell32.dll; 0 unknown
  std::string ieVersion;           // "Version" of the Internet Explorer key, up to 20 characters
  CatalogueView view = CatalogueView::LocalUpdate;
  PathContext paths;    // Windows, system and program files directories
  std::string appPath;  // the application directory
};

// The system as the catalogue reads it.
struct CatalogueSystem {
  Registry& registry;
  IniStore& ini;
  std::function<bool(const std::string&)> fileExists;
};

// newShell: the shell of Windows 95 and NT 4.0 is old unless a later shell library (one with
// at least 78 icons) was installed.
bool IsNewShell(int osVersion, int shell32IconCount);

}  // namespace gd
