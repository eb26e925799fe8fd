// Text lines describing slots.
#include "catalogue/slot_listing.h"

#include <cstdio>

#include "platform/path_text.h"

namespace gd {

std::string RootName(const std::optional<RegRoot>& root) {
  if (!root) return "-";
  switch (*root) {
    case RegRoot::ClassesRoot: return "HKCR";
    case RegRoot::CurrentUser: return "HKCU";
    case RegRoot::LocalMachine: return "HKLM";
  }
  return "-";
}

std::string SlotLine(Category category, const CatalogueEntry& entry) {
  const IconSlot& slot = *entry.slot;
  char flags[16];
  std::snprintf(flags, sizeof flags, "%x", static_cast<unsigned>(slot.flags));
  return std::to_string(Index(category)) + "\t" + entry.name + "\t" +
         std::to_string(static_cast<int>(slot.kind)) + "\t" + RootName(slot.rootKey) + "\t" +
         slot.keyPath + "\t" + slot.valueName + "\t" +
         MakeIconRef(slot.currentPath, slot.currentIndex) + "\t" +
         MakeIconRef(slot.defaultPath, slot.defaultIndex) + "\t" + flags;
}

}  // namespace gd
