// The "Icon" property page of one item.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "companions/proptab/selected_item_win32.h"

namespace gd::proptab {

// A page that frees what it holds when the sheet destroys it; none when the system refuses.
HPROPSHEETPAGE CreateIconPage(const SelectedItem& item);

}  // namespace gd::proptab
