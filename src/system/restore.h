// Restoring all icons or all cursors to the Windows defaults: sets the pending icons that the
// next Apply writes; the system itself is not touched here.
#pragma once

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"

namespace gd {

// The questions asked unless quiet (Yes goes on).
inline constexpr const char* kRestoreIconsQuestion =
    "Glimmerdeck will now restore all your icons to the Windows defaults.\n\n"
    "Are you sure you want to continue?";
inline constexpr const char* kRestoreCursorsQuestion =
    "Glimmerdeck will now restore all your cursors to the Windows defaults.\n\n"
    "Are you sure you want to continue?";

// Unless quiet, asks first (No changes nothing; Yes empties `packageFile` and the title
// changes). Builds categories 0 to 5 and restores each slot to its default, marking it
// changed; with `includedOnly` only the categories whose include switch is on. Restores the
// Quick Launch shortcuts too when "Restore Icons Launch" is not 0 (missing counts as on),
// whatever the switches. Repaints the category on show unless it is the cursors, asks for a
// cache rebuild on Windows NT 4.0, 2000 and XP, enables Apply and sets `pendingChanges`.
//
// A slot without a default (an added file type with no backup entry, "Zip File" where
// Windows has no zip icon) is left as it is: there is nothing to give back, and an empty
// pending icon would only be refused by Apply.
void RestoreAllIcons(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events, bool quiet,
                     bool includedOnly);

// The same for the cursors: unless quiet, asks first (`packageFile` stays); with
// `includedOnly` and the Cursors switch off it does nothing at all. Builds the cursor list,
// restores each slot to its default, repaints when the cursors are on show, enables Apply
// and sets `pendingChanges`. Leaves `needCacheRebuild` alone.
void RestoreAllCursors(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events, bool quiet,
                       bool includedOnly);

}  // namespace gd
