// The part of the main window's initialisation that decides what happens: load or restore,
// close again for the silent operations, or show a page and the remembered position.
#pragma once

#include <string>

#include "app/settings_store.h"
#include "app/start_flags.h"

namespace gd {

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
