// The recent packages at the end of the File menu, made anew each time the menu opens.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"

namespace gd {

inline constexpr const char* kNoRecentPackages = "No Recent Packages";
// The File menu shows this many of the recent packages.
inline constexpr int kRecentShown = 5;

// Takes out the entries of the last opening, then puts recent entries 1 to 5 before "Exit"
// as "&n name.gdtheme" (a missing entry leaves a gap in the numbers) with a separator after
// them, or the disabled "No Recent Packages" when there are none.
void FillRecentEntries(HMENU fileMenu, SettingsStore& settings);

}  // namespace gd
