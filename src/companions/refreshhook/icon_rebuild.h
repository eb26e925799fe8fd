// The rebuild of the shell's icon cache, run in whichever process calls it.
#pragma once

namespace gd::refreshhook {

// Deletes the cache file that the shell keeps in the Windows directory, then moves the shell
// icon size one pixel down and back, telling every top-level window each time, so that the
// shell throws its cached icons away and loads them afresh. The stored size is left exactly
// as it was (a missing value is deleted again). Never waits on one window longer than the
// broadcast timeout.
void RebuildShellIcons() noexcept;

}  // namespace gd::refreshhook
