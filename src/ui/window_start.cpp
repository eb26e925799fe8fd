// The main window's start sequence for silent and interactive starts.
#include "ui/window_start.h"

namespace gd {

WindowStartResult RunWindowStart(const StartFlags& flags, const std::string& packageFile,
                                 bool rememberWindow, SettingsStore& settings,
                                 WindowStartHost& host) {
  host.SelectPage(kPageIconsAndCursors);
  host.ShowSelectedPage();

  // A user who opens the program without naming a package wants no load, and no complaint.
  const bool nothingToLoad = packageFile.empty() && !flags.loadAndClose;
  if (!flags.restoreAndClose && !nothingToLoad) {
    const bool loaded = host.LoadPackage(packageFile);
    if (flags.loadAndClose) {
      // A failed load cancels the window; the OK action then finds Apply disabled, so
      // nothing is applied.
      if (!loaded) host.CancelWindow();
      host.OkAction();
      return WindowStartResult::Closed;
    }
    if (!loaded) host.SelectPage(kPagePackages);
  } else if (flags.restoreAndClose) {
    host.RestoreAllIconsQuietly();
    host.RestoreAllCursorsQuietly();
    host.OkAction();
    return WindowStartResult::Closed;
  }

  host.ShowSelectedPage();
  if (rememberWindow) {
    if (const auto left = settings.ReadCoordinate(TextSetting::WindowLeft)) {
      host.MoveWindowTo(*left, settings.ReadCoordinate(TextSetting::WindowTop).value_or(0));
    }
  }
  return WindowStartResult::Shown;
}

}  // namespace gd
