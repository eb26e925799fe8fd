// Slot names between Windows versions: packages always carry the older names, so that a
// package written on one system names its slots as one written on any other does.
#pragma once

#include <string>

#include "catalogue/catalogue_inputs.h"

namespace gd {

enum class SlotNameDirection {
  PackageForm = 0,  // the name written into package files
  SystemForm = 1,   // the name of the slot on the running system
};

// Rewrites `name` in place. Names are matched whole and without regard to case; a name that
// no row names is left as it is. The system form depends on the Windows version (OsVersion
// code) and the view: the Package Builder view keeps the older names of the start menu and
// desktop so that its lists read the same on every system.
void TranslateSlotName(std::string& name, SlotNameDirection direction, Os osVersion,
                       CatalogueView view);

}  // namespace gd
