// The command-line grammar: keyword flags after "/" or "-" set the mode, every other argument
// is the file name, and the last of each wins.
#pragma once

#include <string>
#include <vector>

#include "ui/start_flags.h"

namespace gd {

enum class CommandLineMode : int {
  Install = 0,
  Uninstall = 1,
  None = 2,
  LegacyLoadAndApply = 3,  // "a": taken like "lt", though such a start never opens the window
  ReservedE = 4,           // "e": recognised, carries no action
  ReservedZ = 5,           // "z": recognised, carries no action
  RebuildCache = 6,
  Backup = 7,
  Restore = 8,
  RestoreDefaults = 9,  // "r", "default"
  Install2 = 10,
  Explorer = 11,
  LoadAndApply = 12,  // "lt"
  RestoreDefaultsNoRebuild = 13,  // "default2"
};

struct CommandLineInfo {
  CommandLineMode mode = CommandLineMode::None;
  std::string fileName;
  // Set when a file name did not fit a path buffer: such a start is refused rather than
  // cutting the name into another path.
  bool fileNameTooLong = false;
};

// Parses the arguments after the program name, already split by the platform's rules.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);

// The modes that carry out a silent operation through the main window.
bool IsSilentOperation(CommandLineMode mode);

// The main window's start flags for a mode.
StartFlags StartFlagsFor(CommandLineMode mode);

}  // namespace gd
