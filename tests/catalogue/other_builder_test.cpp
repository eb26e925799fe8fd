// The "Others" list: which "Shell Icons" slots each Windows version offers, where their current
// icons come from, and the placeholders of the Package Builder view.
#include <gtest/gtest.h>

#include <algorithm>

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

constexpr RegRoot kHKLM = RegRoot::LocalMachine;
constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr const char* kAppPath = "D:\\Tools\\Glimmerdeck";

// A text value as the registry stores it, with its final NUL.
std::vector<std::uint8_t> Bytes(std::string_view text) {
  std::vector<std::uint8_t> bytes(text.size() + 1, 0);
  std::copy(text.begin(), text.end(), bytes.begin());
  return bytes;
}

class OtherIconsTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  SlotCatalogue& Build(int os, bool newShell = true,
                       CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs;
    inputs.osVersion = os;
    inputs.newShell = newShell;
    inputs.view = view;
    inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\Program Files", os};
    inputs.appPath = kAppPath;
    MakeCatalogue(inputs);
    BuildOtherIcons(*catalogue);
    return *catalogue;
  }
  std::vector<std::string> Names() const { return NamesIn(category::kOthers); }
  const IconSlot& Slot(std::string_view name) { return SlotIn(category::kOthers, name); }
};

const std::vector<std::string> kWithoutNetworkService{
    "Shortcut Overlay", "Sharing Overlay", "Desktop", "Entire Network",
    "Workgroup",        "Computer",        "Audio CD"};
const std::vector<std::string> kWithNetworkService{
    "Shortcut Overlay", "Sharing Overlay", "Desktop",  "Entire Network", "Network Service",
    "Workgroup",        "Computer",        "Audio CD"};

TEST_F(OtherIconsTest, OnlyWindows2000AndXpOfferTheNetworkService) {
  for (int os = os::kUnknown; os <= os::kWindowsXp; ++os) {
    for (const bool newShell : {true, false}) {
      SCOPED_TRACE("OsVersion " + std::to_string(os) + (newShell ? " new shell" : " old shell"));
      Build(os, newShell);
      const bool networkService = os == os::kWindows2000 || os == os::kWindowsXp;
      EXPECT_EQ(Names(), networkService ? kWithNetworkService : kWithoutNetworkService);
    }
  }
}

TEST_F(OtherIconsTest, EverySlotIsItsShellIconsValueWithTheShell32IconOfThatNumber) {
  Build(os::kWindowsXp);
  const std::vector<std::pair<std::string, int>> numbers{
      {"Shortcut Overlay", 29}, {"Sharing Overlay", 28}, {"Desktop", 34}, {"Entire Network", 13},
      {"Network Service", 14},  {"Workgroup", 18},       {"Computer", 15}, {"Audio CD", 40}};
  for (const auto& [name, number] : numbers) {
    SCOPED_TRACE(name);
    const IconSlot& slot = Slot(name);
    EXPECT_EQ(slot.rootKey, kHKLM);
    EXPECT_EQ(slot.keyPath, kShellIcons);
    EXPECT_EQ(slot.valueName, std::to_string(number));
    // Nothing replaced: the shell shows its own icon of that number, which is also the default.
    EXPECT_EQ(slot.defaultPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
    EXPECT_EQ(slot.defaultIndex, number);
    EXPECT_EQ(slot.currentPath, slot.defaultPath);
    EXPECT_EQ(slot.currentIndex, number);
    EXPECT_EQ(slot.flags, 0u);
  }
}

TEST_F(OtherIconsTest, ReplacedIconsShowAndBadValuesFallBackToTheDefault) {
  backend.PutText(kHKLM, kShellIcons, "29", "\"C:\\My Icons\\arrows.icl\",3");
  backend.Put(kHKLM, kShellIcons, "34", regtype::kExpandString, Bytes("%SystemRoot%\\d.ico"));
  backend.PutNumber(kHKLM, kShellIcons, "13", 7);                 // not a text
  backend.PutText(kHKLM, kShellIcons, "18", std::string(400, 'x'));  // longer than any path
  backend.PutText(kHKLM, kShellIcons, "15", "");
  Build(os::kWindows98);
  EXPECT_EQ(Slot("Shortcut Overlay").currentPath, "C:\\My Icons\\arrows.icl");
  EXPECT_EQ(Slot("Shortcut Overlay").currentIndex, 3);
  EXPECT_EQ(Slot("Shortcut Overlay").defaultIndex, 29);
  EXPECT_EQ(Slot("Desktop").currentPath, "C:\\WINDOWS\\d.ico");
  EXPECT_EQ(Slot("Desktop").currentIndex, 0);
  for (const auto& [name, number] :
       std::vector<std::pair<std::string, int>>{{"Entire Network", 13}, {"Workgroup", 18},
                                                {"Computer", 15}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Slot(name).currentPath, "C:\\WINDOWS\\SYSTEM\\shell32.dll");
    EXPECT_EQ(Slot(name).currentIndex, number);
  }
}

TEST_F(OtherIconsTest, PackageBuilderOffersEveryPlaceholderOnEveryVersion) {
  const std::vector<int> indexes{44, 45, 46, 47, 89, 48, 49, 50};
  backend.PutText(kHKLM, kShellIcons, "29", "C:\\ignored.ico,1");
  for (const int os : {os::kWindows95, os::kWindows98, os::kWindowsXp}) {
    SCOPED_TRACE(os);
    Build(os, os != os::kWindows95, CatalogueView::PackageBuilder);
    ASSERT_EQ(Names(), kWithNetworkService);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
      const IconSlot& slot = *catalogue->Entries(category::kOthers)[i].slot;
      EXPECT_EQ(slot.currentPath, "D:\\Tools\\Glimmerdeck\\Glimmerdeck.exe");
      EXPECT_EQ(slot.currentIndex, indexes[i]);
      EXPECT_EQ(slot.defaultPath, slot.currentPath);
      EXPECT_EQ(slot.defaultIndex, indexes[i]);
      EXPECT_FALSE(slot.rootKey.has_value());
      EXPECT_EQ(slot.keyPath, "");
    }
  }
}

TEST_F(OtherIconsTest, AListThatHasItemsIsLeftAsItIs) {
  Build(os::kWindowsXp);
  catalogue->SetSlotIcon(*catalogue->Find(category::kOthers, "Desktop"), "C:\\new.ico", 0);
  BuildOtherIcons(*catalogue);
  EXPECT_EQ(Names(), kWithNetworkService);
  EXPECT_TRUE(Slot("Desktop").IsChanged());
}

}  // namespace
}  // namespace gd
