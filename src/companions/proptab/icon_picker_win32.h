// The icon picker of pickicon.dll, found beside this DLL; without it no icon can be chosen.
#pragma once

#include <string>

#include "companions/include/pickicon.h"
#include "companions/proptab/item_icon_win32.h"
#include "platform/unique_handle.h"

namespace gd::proptab {

struct PickedIcon {
  int result = 0;  // one of the PICKICON_ results
  IconRef icon;    // the chosen icon when result is PICKICON_CHOSEN
};

class IconPicker {
 public:
  // Loads pickicon.dll from `folder`; an unavailable picker when the DLL or its export is missing.
  explicit IconPicker(const std::string& folder);
  bool available() const { return choose_ != nullptr; }
  // Asks the user, starting from `current`. Only for an available picker.
  PickedIcon Choose(const IconRef& current, const std::string& slotName) const;

 private:
  UniqueModule module_;
  PickIconChangeIcon choose_ = nullptr;
};

}  // namespace gd::proptab
