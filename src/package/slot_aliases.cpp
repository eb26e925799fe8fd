// The alias tables of the slot names, in the order in which they are tried.
#include "package/slot_aliases.h"

#include <array>
#include <string_view>

#include "platform/os_version.h"
#include "platform/text_case.h"

namespace gd {
namespace {

struct Alias {
  std::string_view name;
  std::string_view becomes;
};

// Every newer name goes back to the one older systems use. Both XP's "Turn Off Computer..."
// and the "Shut Down..." of the others are "Shut Down" in a package.
constexpr std::array<Alias, 15> kPackageForm{{
    {"My Network Places", "Network Neighborhood"},
    {"Internet Explorer", "The Internet"},
    {"Microsoft Outlook", "In Box"},
    {"Help and Support", "Help"},
    {"Search", "Find"},
    {"Run...", "Run"},
    {"Log Off...", "Log Off"},
    {"Shut Down...", "Shut Down"},
    {"Turn Off Computer...", "Shut Down"},
    {"Settings - Printers and Faxes", "Settings - Printers"},
    {"Network and Dial-up Connections", "Dial-Up Networking"},
    {"Network Connections", "Dial-Up Networking"},
    {"Printers and Faxes", "Printers"},
    {"Floppy Drive 5\xBC", "Floppy Drive (5.25)"},
    {"Floppy Drive 3\xBD", "Floppy Drive (3.5)"},
}};

// Names that only ME, 2000 and XP use for the slots the system shows. A row whose XP-only
// name does not apply (an empty `elsewhere`) still ends the search: the name stays as it is.
struct NewerName {
  std::string_view name;
  std::string_view onXp;
  std::string_view elsewhere;  // ME and 2000
};
constexpr std::array<NewerName, 7> kNewerSystemNames{{
    {"Network Neighborhood", "My Network Places", "My Network Places"},
    {"Find", "Search", "Search"},
    {"Help", "Help and Support", ""},
    {"Shut Down", "Turn Off Computer...", ""},
    {"Settings - Printers", "Settings - Printers and Faxes", ""},
    {"Printers", "Printers and Faxes", ""},
    {"Dial-Up Networking", "Network Connections", "Network and Dial-up Connections"},
}};

// Names every system and both views spell differently from a package.
constexpr std::array<Alias, 7> kSystemForm{{
    {"The Internet", "Internet Explorer"},
    {"In Box", "Microsoft Outlook"},
    {"Run", "Run..."},
    {"Log Off", "Log Off..."},
    {"Shut Down", "Shut Down..."},
    {"Floppy Drive (5.25)", "Floppy Drive 5\xBC"},
    {"Floppy Drive (3.5)", "Floppy Drive 3\xBD"},
}};

template <std::size_t N>
void RewriteFirstMatch(std::string& name, const std::array<Alias, N>& table) {
  for (const Alias& alias : table) {
    if (EqualsIgnoreCase(name, alias.name)) {
      name = alias.becomes;
      return;
    }
  }
}

void RewriteToNewerSystemName(std::string& name, Os osVersion) {
  for (const NewerName& row : kNewerSystemNames) {
    if (!EqualsIgnoreCase(name, row.name)) continue;
    const std::string_view becomes = osVersion == Os::WindowsXp ? row.onXp : row.elsewhere;
    if (!becomes.empty()) name = becomes;
    return;
  }
}

}  // namespace

void TranslateSlotName(std::string& name, SlotNameDirection direction, Os osVersion,
                       CatalogueView view) {
  if (direction == SlotNameDirection::PackageForm) {
    RewriteFirstMatch(name, kPackageForm);
    return;
  }
  const bool newerNames = osVersion == Os::WindowsMe || osVersion == Os::Windows2000 ||
                          osVersion == Os::WindowsXp;
  // A name rewritten here matches no row of the common table below, which is how "Shut Down"
  // becomes "Turn Off Computer..." on XP and "Shut Down..." everywhere else.
  if (view == CatalogueView::LocalUpdate && newerNames) RewriteToNewerSystemName(name, osVersion);
  RewriteFirstMatch(name, kSystemForm);
}

}  // namespace gd
