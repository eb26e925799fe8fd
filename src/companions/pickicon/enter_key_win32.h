// Enter in the file field: it must reach the dialog even while OK is disabled, because there
// it means "look in the file just typed".
#pragma once

#include <windows.h>

namespace gd::pickicon {

// Makes Enter in `edit` send IDOK to its dialog whatever state the OK button is in; the
// dialog's OK handler tells a changed file from a choice. Undone when the edit is destroyed.
bool SendEnterAsOk(HWND edit);

}  // namespace gd::pickicon
