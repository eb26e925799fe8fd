// The application object's start: the installation check, the command line, and whether the
// main window runs (silently for the three silent operations, interactively with no keyword).
#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/settings_store.h"
#include "app/start_flags.h"
#include "platform/program_identity.h"
#include "platform/prompt.h"

namespace gd {

inline constexpr const char* kNotInstalledMessage =
    "Error: Application path not found.\n\nPlease run the Glimmerdeck setup again to correct "
    "this problem.";
inline constexpr const char* kFileNameTooLongMessage =
    "Error: The file name given on the command line is longer than 259 characters.\n\nThe "
    "package cannot be opened.";

enum ExitCode : int {
  kExitOk = 0,
  kExitNotInstalled = 1,
  kExitBadCommandLine = 2,
  kExitWindowFailed = 3,
  kExitCancelled = 4,  // a silent operation that did not go through, e.g. a failed load
};

// What the main window starts with.
struct WindowStart {
  std::string appPath;
  std::string packageFile;
  StartFlags flags;
  bool interactive = false;
};

class MainWindowRunner {
 public:
  virtual ~MainWindowRunner() = default;
  // Runs the main window as a modal dialog; the process's exit code.
  virtual int Run(const WindowStart& start) = 0;
};

// The whole start-up of the application object; the process's exit code.
int RunApplication(const std::vector<std::string>& arguments, SettingsStore& settings,
                   Prompt& prompt, MainWindowRunner& window);

}  // namespace gd
