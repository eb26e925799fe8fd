// Which slots Smart Load takes as given an icon while a package loads.
#pragma once

#include <unordered_set>

#include "catalogue/slot_catalogue.h"

namespace gd {

// The slots the user had changed before the load began, and those the package (or an earlier
// fill) gave an icon during it. Restoring the defaults first marks slots changed as well, but
// gives them nothing of the package's: were they taken as given, loading a package over
// itself would copy restored defaults onto related slots and keep the fills away from the
// slots that need them.
class FillMarks {
 public:
  // Every slot of categories 0 to 7 that is marked changed now.
  static FillMarks OfChangedSlots(const SlotCatalogue& catalogue);

  void Add(const IconSlot& slot) { slots_.insert(&slot); }
  bool Has(const IconSlot& slot) const { return slots_.contains(&slot); }

 private:
  std::unordered_set<const IconSlot*> slots_;
};

}  // namespace gd
