// The "Cursors" list: the system cursors in order, the hand cursor only where the system has
// one, custom cursors read from "Control Panel\Cursors", and the placeholder defaults.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "support/catalogue_harness.h"

namespace gd {
namespace {

constexpr RegRoot kHKCU = RegRoot::CurrentUser;
constexpr const char* kCursors = "Control Panel\\Cursors";
constexpr const char* kPlaceholder = "C:\\Apps\\Glimmerdeck\\Glimmerdeck.exe";

const std::vector<std::string> kAllCursors{
    "Normal Select",     "Help Select",       "Working In Background", "Busy",
    "Precision Select",  "Text Select",       "Handwriting",           "Unavailable",
    "Vertical Resize",   "Horizontal Resize", "Diagonal Resize 1",     "Diagonal Resize 2",
    "Move",              "Alternate Select",  "Hand"};

class CursorsTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  SlotCatalogue& Build(int os, bool newShell, std::string ieVersion,
                       CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs;
    inputs.osVersion = os;
    inputs.newShell = newShell;
    inputs.ieVersion = std::move(ieVersion);
    inputs.view = view;
    inputs.paths = PathContext{"C:\\WINNT", "C:\\WINNT\\system32", "C:\\Program Files", os};
    inputs.appPath = "C:\\Apps\\Glimmerdeck";
    MakeCatalogue(inputs);
    BuildCursors(*catalogue);
    return *catalogue;
  }
  std::vector<std::string> Names() const { return NamesIn(category::kCursors); }
  const IconSlot& Slot(std::string_view name) { return SlotIn(category::kCursors, name); }
};

TEST_F(CursorsTest, TheHandIsOfferedWithTheNewShellOrABrowserOfVersionFiveOrSix) {
  struct Case {
    int os;
    bool newShell;
    std::string ieVersion;
    bool hand;
  };
  const std::vector<Case> cases{
      {os::kWindows95, false, "4.72.3110.8", false},
      {os::kWindows95, false, "", false},
      {os::kWindows95, false, "5.00.2614.3500", true},
      {os::kWindowsNt4, false, "6.0.2800.1106", true},
      {os::kWindowsNt4, false, "15.0", false},
      {os::kWindows95, true, "4.72.3110.8", true},
      {os::kWindows98, true, "4.72.3110.8", true},
      {os::kWindowsMe, true, "", true},
      {os::kWindows2000, true, "5.00.2920.0000", true},
      {os::kWindowsXp, true, "6.0.2900.2180", true},
      {os::kUnknown, true, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.os) + " " + c.ieVersion + (c.newShell ? " new" : " old"));
    Build(c.os, c.newShell, c.ieVersion);
    std::vector<std::string> expected = kAllCursors;
    if (!c.hand) expected.pop_back();
    EXPECT_EQ(Names(), expected);
  }
}

TEST_F(CursorsTest, WithoutCustomCursorsEverySlotShowsItsPlaceholder) {
  Build(os::kWindowsXp, true, "6.0");
  const std::vector<std::string> values{
      "Arrow",  "Help",   "AppStarting", "Wait",     "Crosshair", "IBeam",   "NWPEN", "No",
      "SizeNS", "SizeWE", "SizeNWSE",    "SizeNESW", "SizeAll",   "UpArrow", "Hand"};
  const auto& entries = catalogue->Entries(category::kCursors);
  ASSERT_EQ(entries.size(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    SCOPED_TRACE(entries[i].name);
    const IconSlot& slot = *entries[i].slot;
    EXPECT_EQ(slot.rootKey, kHKCU);
    EXPECT_EQ(slot.keyPath, kCursors);
    EXPECT_EQ(slot.valueName, values[i]);
    EXPECT_EQ(slot.defaultPath, kPlaceholder);
    EXPECT_EQ(slot.defaultIndex, 69 + static_cast<int>(i));
    EXPECT_EQ(slot.currentPath, kPlaceholder);
    EXPECT_EQ(slot.currentIndex, slot.defaultIndex);
    EXPECT_EQ(slot.iconPath, kPlaceholder);
    EXPECT_EQ(slot.flags, 0u);
  }
}

TEST_F(CursorsTest, CustomCursorsAreReadAsFilesAndBadValuesShowThePlaceholder) {
  const std::string animated = "%SystemRoot%\\Cursors\\hourglas.ani";
  std::vector<std::uint8_t> expandable(animated.begin(), animated.end());
  expandable.push_back(0);
  backend.Put(kHKCU, kCursors, "Wait", regtype::kExpandString, expandable);
  backend.PutText(kHKCU, kCursors, "Arrow", "C:\\Cursors\\arrow.cur");
  backend.PutText(kHKCU, kCursors, "IBeam", "");                // Windows' own cursor
  backend.PutNumber(kHKCU, kCursors, "Help", 32651);             // not a text
  backend.PutText(kHKCU, kCursors, "No", std::string(600, 'n'));  // longer than any path
  backend.Put(kHKCU, kCursors, "SizeAll", regtype::kBinary, {0x43, 0x3a, 0x5c, 0x00});
  Build(os::kWindows2000, true, "5.0");
  EXPECT_EQ(Slot("Busy").currentPath, "C:\\WINNT\\Cursors\\hourglas.ani");
  EXPECT_EQ(Slot("Busy").currentIndex, 0);
  EXPECT_EQ(Slot("Busy").defaultPath, kPlaceholder);
  EXPECT_EQ(Slot("Normal Select").currentPath, "C:\\Cursors\\arrow.cur");
  EXPECT_EQ(Slot("Normal Select").iconPath, "C:\\Cursors\\arrow.cur");
  EXPECT_FALSE(Slot("Normal Select").IsChanged());
  for (const auto& [name, index] : std::vector<std::pair<std::string, int>>{
           {"Text Select", 74}, {"Help Select", 70}, {"Unavailable", 76}, {"Move", 81}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Slot(name).currentPath, kPlaceholder);
    EXPECT_EQ(Slot(name).currentIndex, index);
  }
}

TEST_F(CursorsTest, PackageBuilderHasTheSameSlotsAndPlaces) {
  backend.PutText(kHKCU, kCursors, "Arrow", "C:\\Cursors\\arrow.cur");
  Build(os::kWindows95, false, "4.0", CatalogueView::PackageBuilder);
  std::vector<std::string> expected = kAllCursors;
  expected.pop_back();
  EXPECT_EQ(Names(), expected);
  EXPECT_EQ(Slot("Normal Select").rootKey, kHKCU);
  EXPECT_EQ(Slot("Normal Select").currentPath, "C:\\Cursors\\arrow.cur");
  EXPECT_EQ(Slot("Busy").currentPath, kPlaceholder);
  EXPECT_EQ(Slot("Busy").currentIndex, 72);
}

TEST_F(CursorsTest, AListThatHasItemsIsLeftAsItIs) {
  Build(os::kWindowsXp, true, "");
  backend.PutText(kHKCU, kCursors, "Arrow", "C:\\Cursors\\arrow.cur");
  BuildCursors(*catalogue);
  EXPECT_EQ(Names(), kAllCursors);
  EXPECT_EQ(Slot("Normal Select").currentPath, kPlaceholder);
}

}  // namespace
}  // namespace gd
