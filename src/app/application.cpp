// Start-up of the application object.
#include "app/application.h"

namespace gd {

int RunApplication(const std::vector<std::string>& arguments, SettingsStore& settings,
                   Prompt& prompt, MainWindowRunner& window) {
  const CommandLineInfo commandLine = ParseCommandLine(arguments);

  WindowStart start;
  start.appPath = settings.AppPath();
  if (start.appPath == kRegTextSentinel) {
    prompt.Ask({kNotInstalledMessage, kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
    return kExitNotInstalled;
  }

  // Keywords that carry no action of their own (install, backup, explorer, ...) end at once,
  // as an installer or script expects; a start without any keyword is a user opening the
  // program, which gets the window.
  const bool silent = IsSilentOperation(commandLine.mode);
  const bool interactive = commandLine.mode == CommandLineMode::None;
  if (!silent && !interactive) return kExitOk;

  if (commandLine.fileNameTooLong) {
    prompt.Ask({kFileNameTooLongMessage, kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
    return kExitBadCommandLine;
  }
  start.packageFile = commandLine.fileName;
  start.flags = StartFlagsFor(commandLine.mode);
  start.interactive = interactive;
  return window.Run(start);
}

}  // namespace gd
