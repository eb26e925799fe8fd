// The console listing line of a slot.
#include <gtest/gtest.h>

#include "catalogue/slot_listing.h"

namespace gd {
namespace {

TEST(SlotListing, OneTabSeparatedLinePerSlot) {
  CatalogueEntry entry{"Recycle Bin (full)", std::make_unique<IconSlot>()};
  IconSlot& slot = *entry.slot;
  slot.kind = SlotKind::ClsidDefaultIcon;
  slot.rootKey = RegRoot::CurrentUser;
  slot.keyPath = "Software\\Classes\\CLSID\\{X}\\DefaultIcon";
  slot.valueName = "Full";
  slot.currentPath = "C:\\bins.icl";
  slot.currentIndex = 4;
  slot.defaultPath = "C:\\WINDOWS\\system32\\shell32.dll";
  slot.defaultIndex = 32;
  slot.flags = slotflag::kChanged | slotflag::kMissingImage;
  EXPECT_EQ(SlotLine(0, entry),
            "0\tRecycle Bin (full)\t3\tHKCU\tSoftware\\Classes\\CLSID\\{X}\\DefaultIcon\tFull\t"
            "C:\\bins.icl,4\tC:\\WINDOWS\\system32\\shell32.dll,32\t800a");
  slot.rootKey.reset();
  slot.kind = SlotKind::BuiltIn;
  slot.flags = 0;
  const std::string line = SlotLine(6, entry);
  EXPECT_EQ(line.substr(0, 2), "6\t");
  EXPECT_NE(line.find("\t6\t-\t"), std::string::npos);
  EXPECT_EQ(line.back(), '0');
}

}  // namespace
}  // namespace gd
