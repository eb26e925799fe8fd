// Keyword table and parsing of the command line.
#include "app/command_line.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

constexpr std::array<std::pair<std::string_view, CommandLineMode>, 15> kKeywords{{
    {"install", CommandLineMode::Install},
    {"uninstall", CommandLineMode::Uninstall},
    {"a", CommandLineMode::LegacyLoadAndApply},
    {"e", CommandLineMode::ReservedE},
    {"z", CommandLineMode::ReservedZ},
    {"cache", CommandLineMode::RebuildCache},
    {"rebuild", CommandLineMode::RebuildCache},
    {"backup", CommandLineMode::Backup},
    {"restore", CommandLineMode::Restore},
    {"r", CommandLineMode::RestoreDefaults},
    {"default", CommandLineMode::RestoreDefaults},
    {"install2", CommandLineMode::Install2},
    {"explorer", CommandLineMode::Explorer},
    {"lt", CommandLineMode::LoadAndApply},
    {"default2", CommandLineMode::RestoreDefaultsNoRebuild},
}};

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineInfo info;
  for (const std::string& argument : arguments) {
    if (!argument.empty() && (argument.front() == '/' || argument.front() == '-')) {
      const std::string_view keyword = std::string_view(argument).substr(1);
      for (const auto& [name, mode] : kKeywords) {
        if (EqualsIgnoreCase(keyword, name)) info.mode = mode;
      }
      continue;
    }
    info.fileName = argument;
    info.fileNameTooLong = !FitsPathBuffer(argument);
  }
  return info;
}

bool IsSilentOperation(CommandLineMode mode) {
  return mode == CommandLineMode::LoadAndApply || mode == CommandLineMode::RestoreDefaults ||
         mode == CommandLineMode::RestoreDefaultsNoRebuild;
}

StartFlags StartFlagsFor(CommandLineMode mode) {
  StartFlags flags;
  // Mode "a" would also load and close, but such a start never reaches the window.
  flags.loadAndClose =
      mode == CommandLineMode::LoadAndApply || mode == CommandLineMode::LegacyLoadAndApply;
  flags.restoreAndClose = mode == CommandLineMode::RestoreDefaults ||
                          mode == CommandLineMode::RestoreDefaultsNoRebuild;
  flags.skipCacheRebuild = mode == CommandLineMode::RestoreDefaultsNoRebuild;
  return flags;
}

}  // namespace gd
