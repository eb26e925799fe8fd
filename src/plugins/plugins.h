// Plugin files (.gdp) that add application slots to the desktop and folder categories.
#pragma once

#include <string_view>

#include "catalogue/slot_catalogue.h"

namespace gd {

// Adds one slot per enabled plugin whose "Location" is `location` ("0" desktop, "1" My
// Computer) to `category`; a broken plugin is refused with its message.
void LoadPlugins(SlotCatalogue& catalogue, std::string_view location, Category category);

// The plugin files as the catalogue's source of extra slots.
class PluginSlots : public ExtraSlotSource {
 public:
  void AddSlots(SlotCatalogue& catalogue, ExtraSlotPlace place, Category category) override {
    LoadPlugins(catalogue, place == ExtraSlotPlace::Desktop ? "0" : "1", category);
  }
};

}  // namespace gd
