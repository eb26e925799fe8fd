// Smart Load: after a package is read, slots it left unset get the icon it gave a related
// slot (the start menu's Documents from the desktop's My Documents, and so on), and the
// Quick Launch items get the icons of their desktop and start menu counterparts.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"
#include "package/fill_marks.h"

namespace gd {

// Gives the target the source's pending icon when the target's category is included (Quick
// Launch always is), the target is not marked as given an icon and the source is; the filled
// target is marked in turn. The target is the
// first item whose name begins with `targetName`; the source the item named `sourceName`;
// both case ignored. 1 when the target was set, else 0.
int SmartFill(SlotCatalogue& catalogue, const IncludeFlags& include, CatalogueEvents& events,
              FillMarks& marks, Category targetCategory, std::string_view targetName,
              Category sourceCategory, std::string_view sourceName);

// The Smart Load table in its order, with the Windows XP fallback that gives the start
// menu's E-mail the package's own desktop "In Box" value.
void RunSmartLoad(SlotCatalogue& catalogue, const IncludeFlags& include, CatalogueEvents& events,
                  FillMarks& marks, const std::string& packageFile);

// Builds the Quick Launch list and fills its Explorer, browser and mail items.
void RunQuickLaunchLoad(SlotCatalogue& catalogue, const IncludeFlags& include,
                        CatalogueEvents& events, FillMarks& marks);

}  // namespace gd
