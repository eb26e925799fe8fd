// The Drives list in its two modes: shared (one slot per kind of drive, from the shell's
// "Shell Icons" list) and individual (one slot per drive letter, from its "DriveIcons" key).
// BuildDriveIcons (builders.h) builds in the mode the user chose last.
#pragma once

#include <string_view>

#include "catalogue/slot_catalogue.h"

namespace gd {

// Per-letter drive icons are offered only with the new shell and not on Windows XP, where the
// list is always the shared one; the Package Builder view always works with the shared names.
bool IndividualDriveModeAllowed(const CatalogueInputs& inputs);

// The remembered mode: the DWORD "Drive Mode" under HKEY_CURRENT_USER
// "Software\Quillmoor\Glimmerdeck" is 1 for individual, and the mode is allowed.
bool ReadDriveModeSetting(SlotCatalogue& catalogue);

// Fills the empty Drives list in the given mode (individual falls back to shared where it is
// not allowed); does nothing when the list already has items.
void BuildDriveIconsInMode(SlotCatalogue& catalogue, bool individual);

// The "Shell Icons" number, and so the shell32.dll default, of a drive type of the platform.
int DriveTypeIconIndex(unsigned driveType);

// The question asked before a switch would throw away changed drive icons.
inline constexpr std::string_view kDriveModeSwitchQuestion =
    "Switching drive modes will lose any changes to drive icons you have made.\n\n"
    "Are you sure you want to continue?";

// Rebuilds the Drives list in the other mode and remembers it in "Drive Mode". When a drive
// slot holds an unapplied change the user is asked first; false when the user declines or the
// mode is not allowed, and then nothing changes.
bool SwitchDriveMode(SlotCatalogue& catalogue, bool individual);

}  // namespace gd
