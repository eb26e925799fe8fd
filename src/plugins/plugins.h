// Plugin files (.gdp) that add application slots to the desktop and folder categories.
#pragma once

#include "catalogue/slot_catalogue.h"

namespace gd {

// Adds the slots of every enabled plugin whose type names this category's plugin type
// ("0" desktop, "1" folders); a broken plugin is refused with its message.
void AddPluginSlots(SlotCatalogue& catalogue, int category);

}  // namespace gd
