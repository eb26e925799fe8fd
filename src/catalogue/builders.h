// The category builders: each fills one list of the catalogue for the running Windows version
// and view, and returns at once when the list already has items.
#pragma once

#include "catalogue/slot_catalogue.h"

namespace gd {

void BuildDesktopIcons(SlotCatalogue& catalogue);     // category 0
void BuildStartMenuIcons(SlotCatalogue& catalogue);   // category 1
void BuildFolderIcons(SlotCatalogue& catalogue);      // category 2
void BuildDriveIcons(SlotCatalogue& catalogue);       // category 3, in the mode "Drive Mode" says
void BuildOtherIcons(SlotCatalogue& catalogue);       // category 4
void BuildFileTypeIcons(SlotCatalogue& catalogue);    // category 5
void BuildCursors(SlotCatalogue& catalogue);          // category 6
void BuildQuickLaunchIcons(SlotCatalogue& catalogue); // category 7

// Gives every category of the catalogue its builder (drives in the shared mode).
void InstallBuilders(SlotCatalogue& catalogue);

// The program's own executable, whose icons stand in as placeholders in the Package Builder
// view: "<AppPath>\Glimmerdeck.exe".
std::string PlaceholderFile(const SlotCatalogue& catalogue);

}  // namespace gd
