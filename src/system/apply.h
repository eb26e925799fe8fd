// Applying: writing the pending icon of every changed slot into the place the shell takes it
// from, with the extra places some slots need, and telling the shell afterwards.
#pragma once

#include <string>

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"
#include "system/system_effects.h"

namespace gd {

struct ApplyOptions {
  // The page's "Individual Drive Mode" box: drive letters set back to their default lose
  // their own DefaultIcon key.
  bool individualDriveMode = false;
};

// The text "Failed to update shortcut file '<name>.lnk'. ..." shown for a shortcut that cannot
// be saved.
std::string ShortcutFailedMessage(const std::string& name);

// Writes every slot marked changed (categories 0 to 7, list order) through the catalogue's
// registry and INI store, the shortcut and image changes through `effects`; then marks the
// slots current, repaints the category on show, notifies the shell, stores `packageFile` as
// "Theme" and clears `pendingChanges`. Does nothing when `pendingChanges` is clear. May set
// `needCacheRebuild`. Writes are not checked (a refused write leaves the place as it was and
// the slot still counts as applied); a shortcut that cannot be updated is reported through
// the catalogue's prompt and the others go on. The AppPath and SystemDir come from the
// catalogue's inputs. Only meant for the Local Update view. Returns the number of slots
// written.
//
// A slot whose pending icon has no file (restoring a slot that has no default leaves one) is
// never written: the place keeps what it has and the slot takes back its current icon. The
// program does not know what such a place held before, so removing its value could take away
// an icon that is not ours, and writing ",<index>" would give the shell a reference to no
// file. Cursors are the exception by design: their empty value is Windows' own cursor.
int ApplyToSystem(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events,
                  SystemEffects& effects, const ApplyOptions& options);

}  // namespace gd
