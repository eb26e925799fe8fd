// The "Cursors" list: the system's mouse cursors, kept by Windows as file paths under
// "Control Panel\Cursors" of the current user.
#include <array>
#include <string_view>

#include "catalogue/builders.h"

namespace gd {
namespace {

constexpr std::string_view kCursorsKey = "Control Panel\\Cursors";

struct CursorSlot {
  std::string_view name;
  std::string_view valueName;
  int placeholderIndex;
};

constexpr std::array<CursorSlot, 15> kCursorSlots{{
    {"Normal Select", "Arrow", 69},
    {"Help Select", "Help", 70},
    {"Working In Background", "AppStarting", 71},
    {"Busy", "Wait", 72},
    {"Precision Select", "Crosshair", 73},
    {"Text Select", "IBeam", 74},
    {"Handwriting", "NWPEN", 75},
    {"Unavailable", "No", 76},
    {"Vertical Resize", "SizeNS", 77},
    {"Horizontal Resize", "SizeWE", 78},
    {"Diagonal Resize 1", "SizeNWSE", 79},
    {"Diagonal Resize 2", "SizeNESW", 80},
    {"Move", "SizeAll", 81},
    {"Alternate Select", "UpArrow", 82},
    {"Hand", "Hand", 83},
}};

// The hand cursor came with the newer shell and with Internet Explorer 5 and 6; an older
// system has no such cursor to replace.
bool HasHandCursor(const CatalogueInputs& inputs) {
  return inputs.newShell || inputs.ieVersion.starts_with('5') ||
         inputs.ieVersion.starts_with('6');
}

}  // namespace

void BuildCursors(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(Category::Cursors).empty()) return;
  // Windows keeps no file for its own cursors (the value is empty), so the default of every
  // slot is one of the program's placeholder icons: a slot showing it has no custom cursor.
  // Both views read the same places; the placeholders show wherever no cursor is set.
  const std::string placeholder = PlaceholderFile(catalogue);
  const bool hand = HasHandCursor(catalogue.inputs());
  for (const CursorSlot& slot : kCursorSlots) {
    if (slot.valueName == "Hand" && !hand) continue;
    catalogue.AddSlot(Category::Cursors, slot.name, RegRoot::CurrentUser, kCursorsKey,
                      slot.valueName, placeholder, slot.placeholderIndex,
                      SlotKind::RegistryValue, 0);
  }
}

}  // namespace gd
