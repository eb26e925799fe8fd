// The part of the main window's initialisation that decides what happens: load or restore,
// close again for the silent operations, or show a page and the remembered position.
#pragma once

#include <string>

#include "settings/settings_store.h"
#include "ui/start_flags.h"

namespace gd {

// The process's exit codes.
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

// Page list entries.
inline constexpr int kPagePackages = 0;
inline constexpr int kPageIconsAndCursors = 1;
inline constexpr int kPageSettings = 2;

// What the initialisation needs from the window and from the operations behind its pages.
class WindowStartHost {
 public:
  virtual ~WindowStartHost() = default;
  virtual void SelectPage(int entry) = 0;  // selects the page list entry only
  virtual void ShowSelectedPage() = 0;
  virtual bool LoadPackage(const std::string& packageFile) = 0;
  virtual void RestoreAllIconsQuietly() = 0;
  virtual void RestoreAllCursorsQuietly() = 0;
  virtual void CancelWindow() = 0;
  virtual void OkAction() = 0;  // Apply when Apply is enabled, then close
  virtual void MoveWindowTo(int left, int top) = 0;
};

enum class WindowStartResult { Closed, Shown };

// Runs the deciding steps of the initialisation, after the frame is built. `rememberWindow`
// says whether the stored window position applies.
WindowStartResult RunWindowStart(const StartFlags& flags, const std::string& packageFile,
                                 bool rememberWindow, SettingsStore& settings,
                                 WindowStartHost& host);

}  // namespace gd
