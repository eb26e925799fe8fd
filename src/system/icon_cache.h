// The icon cache rebuild: the Windows NT 4.0 warnings, then loading refreshhook.dll and
// driving it directly or, on Windows XP, through a hook in the shell's thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "catalogue/catalogue_inputs.h"
#include "platform/prompt.h"
#include "platform/registry.h"
#include "platform/shell_queries.h"

namespace gd {

inline constexpr std::string_view kRefreshHookFileName = "refreshhook.dll";

inline constexpr std::string_view kRefreshHookLoadError =
    "Error loading refreshhook.dll file.\n\nPlease reinstall the application to correct this "
    "problem.";

// Before a rebuild on Windows NT 4.0 with Internet Explorer 5.
inline constexpr std::string_view kRebuildWarning1Text =
    "Please note that we are still working around an error on Windows NT4 systems that have "
    "Active Desktop installed. Not all of the icons will immediately change on these systems "
    "(though many will).\n\nA temporary workaround, should you wish to try it, is to kill "
    "EXPLORER.EXE and then use Glimmerdeck to Rebuild Icon Cache. Restart Explorer and all "
    "your icons should now have the correct package applied.";

// Before a rebuild on Windows NT 4.0 with the Active Desktop shell of Internet Explorer 4.
inline constexpr std::string_view kRebuildWarning2Text =
    "Glimmerdeck has detected that you are using Windows NT 4.0 with Internet Explorer 4.0 "
    "Active Desktop installed.\n\nDue to an Internet Explorer bug, this shell will corrupt "
    "your icons after processing some updates on NT. We are working around this bug, but for "
    "the moment only a limited set of icon changes will be applied on NT4 + IE4 systems with "
    "this beta of Glimmerdeck.\n\nWe have tested this beta with the official Internet Explorer "
    "5 release and have not experienced the problem there, so this program will function "
    "fully on NT4 + IE5.\n\nPlease note that this problem should not occur with Windows "
    "95/98 or Windows 2000.";

// The companion library that does the rebuild.
class CacheRebuilder {
 public:
  // The library while it is loaded; destroying it frees the library.
  class Library {
   public:
    virtual ~Library() = default;
    // Calls "RebuildIcons" when the library exports it.
    virtual void CallRebuildIcons() = 0;
    // Hooks "HookMsgProc" into the shell's thread, asks it for the rebuild and waits for it;
    // does nothing when the shell is not running.
    virtual void RunShellHook() = 0;
  };

  virtual ~CacheRebuilder() = default;
  // None when the library cannot be loaded.
  virtual std::unique_ptr<Library> Load(const std::string& path) = 0;
};

struct IconCacheServices {
  Registry& registry;
  ShellQueries& shell;
  Prompt& prompt;
  CacheRebuilder& rebuilder;
};

// True unless the system is Windows 95 or NT 4.0 without a later shell library, which holds
// at least 78 icons.
bool HasNewShell(Os osVersion, const std::string& systemDir, ShellQueries& shell);

// Uses the Windows version, the system directory and the application directory of `inputs`.
// 1 when the library was loaded and driven, 0 when it could not be loaded (after telling the
// user). The wait cursor is the caller's.
int RebuildIconCache(const CatalogueInputs& inputs, const IconCacheServices& services);

}  // namespace gd
