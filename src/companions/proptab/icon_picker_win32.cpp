// Calling pickicon.dll's ChangeIcon.
#include "companions/proptab/icon_picker_win32.h"

#include <cstring>

namespace gd::proptab {

IconPicker::IconPicker(const std::string& folder)
    : module_(LoadLibraryA((folder + PICKICON_LIBRARY).c_str())) {
  if (!module_) return;
  choose_ = reinterpret_cast<PickIconChangeIcon>(
      reinterpret_cast<void*>(GetProcAddress(module_.get(), PICKICON_EXPORT)));
  if (choose_ == nullptr) module_.reset();
}

PickedIcon IconPicker::Choose(const IconRef& current, const std::string& slotName) const {
  char file[PICKICON_PATH_SIZE] = {};
  std::strncpy(file, current.file.c_str(), sizeof file - 1);
  int index = current.index;
  PickedIcon picked;
  picked.result = choose_(file, &index, slotName.c_str());
  file[sizeof file - 1] = '\0';  // the picker's answer is trusted no further than its buffer
  if (picked.result == PICKICON_CHOSEN) picked.icon = IconRef{file, index};
  return picked;
}

}  // namespace gd::proptab
