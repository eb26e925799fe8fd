// The "Others" list: the overlays, the desktop and the network objects that the shell takes
// from its "Shell Icons" replacement list.
#include <array>
#include <string_view>

#include "catalogue/builders.h"
#include "platform/os_version.h"

namespace gd {
namespace {

constexpr std::string_view kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

struct OtherSlot {
  std::string_view name;
  std::string_view valueName;  // also the slot's icon number in shell32.dll
  int placeholderIndex;
  bool onlyNetworkServiceSystems;
};

constexpr std::array<OtherSlot, 8> kOtherSlots{{
    {"Shortcut Overlay", "29", 44, false},
    {"Sharing Overlay", "28", 45, false},
    {"Desktop", "34", 46, false},
    {"Entire Network", "13", 47, false},
    {"Network Service", "14", 89, true},
    {"Workgroup", "18", 48, false},
    {"Computer", "15", 49, false},
    {"Audio CD", "40", 50, false},
}};

// Only the shells of Windows 2000 and XP draw a separate icon for a network service.
bool HasNetworkService(Os osVersion) {
  return osVersion == Os::Windows2000 || osVersion == Os::WindowsXp;
}

}  // namespace

void BuildOtherIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(Category::Others).empty()) return;
  const CatalogueInputs& inputs = catalogue.inputs();
  if (inputs.view == CatalogueView::PackageBuilder) {
    // A package may carry every slot, whatever system it is later applied on.
    const std::string placeholder = PlaceholderFile(catalogue);
    for (const OtherSlot& slot : kOtherSlots) {
      catalogue.AddSlot(Category::Others, slot.name, std::nullopt, "", "", placeholder,
                        slot.placeholderIndex, SlotKind::BuiltIn, 0);
    }
    return;
  }
  for (const OtherSlot& slot : kOtherSlots) {
    if (slot.onlyNetworkServiceSystems && !HasNetworkService(inputs.osVersion)) continue;
    // An empty default with index -1: the shell32.dll icon of the value's number.
    catalogue.AddSlot(Category::Others, slot.name, RegRoot::LocalMachine, kShellIconsKey,
                      slot.valueName, "", -1, SlotKind::RegistryValue, 0);
  }
}

}  // namespace gd
