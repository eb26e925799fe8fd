// The slots that count as given an icon when Smart Load runs.
#include "package/fill_marks.h"

namespace gd {

FillMarks FillMarks::OfChangedSlots(const SlotCatalogue& catalogue) {
  FillMarks marks;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (const CatalogueEntry& entry : catalogue.Entries(c)) {
      if (entry.slot->IsChanged()) marks.Add(*entry.slot);
    }
  }
  return marks;
}

}  // namespace gd
