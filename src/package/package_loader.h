// Loading a package file into the pending icons of the catalogue's slots: optionally
// restoring the defaults first, installing a zipped package, registering a package kept
// outside the Themes directory, and filling related slots the package left unset.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"
#include "package/fill_marks.h"
#include "package/package_host.h"

namespace gd {

inline constexpr const char* kRestrictionNoticeText =
    "Glimmerdeck has detected that your current settings restrict some of the icons in this "
    "package from being applied.\n\nWould you like to apply all the icons in this icon package?";
inline constexpr const char* kRestrictionNoticeTitle = "Apply Glimmerkit";

// Names loading accepts: ".gdtheme", ".gdt", and the zipped ".gd" and ".zip", case ignored.
bool IsLoadableName(std::string_view path);
bool IsZippedPackageName(std::string_view path);

// Loads `state.packageFile`. 0 when nothing was loaded because the file is missing, its name
// is no package's, or it is an archive without a package file; 1 otherwise, also when the
// user cancelled at the restriction notice. Shows no message of its own on failure.
int LoadPackage(SlotCatalogue& catalogue, EditState& state, CatalogueEvents& events,
                PackageHost& host);

// The list item of that name in the category: the whole name, case ignored.
std::optional<std::size_t> FindItem(const SlotCatalogue& catalogue, Category category,
                                    std::string_view name);

// Sets the item's pending icon from a package value read against the package directory, and
// tells the page when that changed it. False when the value names no usable reference or
// changed nothing. A usable reference marks the slot as given an icon, changed or not.
bool SetSlotFromValue(SlotCatalogue& catalogue, CatalogueEvents& events, Category category,
                      std::size_t item, std::string_view value,
                      std::string_view packageDirectory, FillMarks* marks = nullptr);

}  // namespace gd
