// One line of text per slot, for the console listing of the catalogue: category, name, kind,
// root, key, value name, current and default references and flags, tab-separated.
#pragma once

#include <string>

#include "catalogue/slot_catalogue.h"

namespace gd {

std::string RootName(const std::optional<RegRoot>& root);  // "HKCR", "HKCU", "HKLM" or "-"
std::string SlotLine(Category category, const CatalogueEntry& entry);

}  // namespace gd
