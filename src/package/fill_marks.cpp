// The slots that count as given an icon when Smart Load runs.
#include "package/fill_marks.h"

namespace gd {

FillMarks FillMarks::OfChangedSlots(const SlotCatalogue& catalogue) {
  FillMarks marks;
  for (Category category : kAllCategories) {
    for (const CatalogueEntry& entry : catalogue.Entries(category)) {
      if (entry.slot->IsChanged()) marks.Add(*entry.slot);
    }
  }
  return marks;
}

}  // namespace gd
