// The hourglass for as long as slow work runs, and the cursor before it again afterwards.
#pragma once

#include <windows.h>

namespace gd {

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;  // shared system cursors: never destroyed
};

}  // namespace gd
