// Storing a new icon for an item, or taking its own icon away, where the shell looks for it.
#pragma once

#include <string>

#include "companions/proptab/item_icon_win32.h"
#include "companions/proptab/selected_item_win32.h"

namespace gd::proptab {

struct IconChange {
  bool restoreDefault = false;
  IconRef icon;  // the new icon unless restoreDefault
};

// Files need a registered type and drives a letter to keep an icon.
bool CanChangeIcon(const SelectedItem& item);
// A file type keeps no default to go back to.
bool CanRestoreDefault(const SelectedItem& item);

// Applies the change and tells the shell. Empty when it was stored; otherwise a message for
// the user naming the item and the cause, and nothing was changed.
std::string ApplyIconChange(const SelectedItem& item, const IconChange& change);

}  // namespace gd::proptab
