// What every category builder reads besides the registry: the Windows version and shell, the
// view, the directories, and the system services they need. Computed once from the system
// (or fixed by tests).
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/categories.h"
#include "platform/ini.h"
#include "platform/notice.h"
#include "platform/path_text.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "platform/shell_queries.h"

namespace gd {

enum class CatalogueView { LocalUpdate, PackageBuilder };

struct CatalogueInputs {
  Os osVersion = Os::Unknown;
  bool newShell = true;
  std::uint32_t shellVersion = 0;  // (major << 16) | minor of shell32.dll; 0 unknown
  std::string ieVersion;           // "Version" of the Internet Explorer key, up to 20 characters
  CatalogueView view = CatalogueView::LocalUpdate;
  PathContext paths;    // Windows, system and program files directories
  std::string appPath;  // the application directory
  bool silentStart = false;  // the window runs a silent operation: no notices
};

class SlotCatalogue;

// Where slots from outside the catalogue's own tables go: applications that put an object of
// their own on the desktop or into My Computer.
enum class ExtraSlotPlace { Desktop, MyComputer };

// Adds those slots to a list being built. The catalogue only asks; the program decides where
// they come from (its plugin files).
class ExtraSlotSource {
 public:
  virtual ~ExtraSlotSource() = default;
  virtual void AddSlots(SlotCatalogue& catalogue, ExtraSlotPlace place, Category category) = 0;
};

// The system as the catalogue reads it.
struct CatalogueSystem {
  Registry& registry;
  IniStore& ini;
  ShellQueries& shell;
  Prompt& prompt;    // the refusal of a broken plugin
  NoticeBox& notice;  // warnings the user may switch off
  ExtraSlotSource* extraSlots = nullptr;  // none: the lists hold the system's slots only
};

// newShell: the shell of Windows 95 and NT 4.0 is old unless a later shell library (one with
// at least 78 icons) was installed.
bool IsNewShell(Os osVersion, int shell32IconCount);

}  // namespace gd
