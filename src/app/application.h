// The application object's start: the installation check, the command line, and whether the
// main window runs (silently for the three silent operations, interactively with no keyword).
#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/program_identity.h"
#include "platform/prompt.h"
#include "settings/settings_store.h"
#include "ui/window_start.h"

namespace gd {

inline constexpr const char* kNotInstalledMessage =
    "Error: Application path not found.\n\nPlease run the Glimmerdeck setup again to correct "
    "this problem.";
inline constexpr const char* kFileNameTooLongMessage =
    "Error: The file name given on the command line is longer than 259 characters.\n\nThe "
    "package cannot be opened.";

// The whole start-up of the application object; the process's exit code.
int RunApplication(const std::vector<std::string>& arguments, SettingsStore& settings,
                   Prompt& prompt, MainWindowRunner& window);

}  // namespace gd
