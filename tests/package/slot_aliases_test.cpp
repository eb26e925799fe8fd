// Slot names between package files and the running system, for every Windows version and
// both views.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "package/slot_aliases.h"

namespace gd {
namespace {

constexpr CatalogueView kLocal = CatalogueView::LocalUpdate;
constexpr CatalogueView kBuilder = CatalogueView::PackageBuilder;

std::string ToSystem(std::string name, int os, CatalogueView view) {
  TranslateSlotName(name, SlotNameDirection::SystemForm, os, view);
  return name;
}

std::string ToPackage(std::string name) {
  // The package form does not depend on the system or the view.
  std::string other = name;
  TranslateSlotName(name, SlotNameDirection::PackageForm, 6, kLocal);
  TranslateSlotName(other, SlotNameDirection::PackageForm, 2, kBuilder);
  EXPECT_EQ(name, other);
  return name;
}

// What a key of a package becomes on each system: 95/98/NT 4.0, ME, 2000, XP (Local Update).
struct Expected {
  const char* key;
  std::array<const char*, 4> local;
};
constexpr std::array<Expected, 12> kLoaded{{
    {"Network Neighborhood",
     {"Network Neighborhood", "My Network Places", "My Network Places", "My Network Places"}},
    {"Find", {"Find", "Search", "Search", "Search"}},
    {"Help", {"Help", "Help", "Help", "Help and Support"}},
    {"Shut Down", {"Shut Down...", "Shut Down...", "Shut Down...", "Turn Off Computer..."}},
    {"Settings - Printers",
     {"Settings - Printers", "Settings - Printers", "Settings - Printers",
      "Settings - Printers and Faxes"}},
    {"Printers", {"Printers", "Printers", "Printers", "Printers and Faxes"}},
    {"Dial-Up Networking",
     {"Dial-Up Networking", "Network and Dial-up Connections",
      "Network and Dial-up Connections", "Network Connections"}},
    {"The Internet", {"Internet Explorer", "Internet Explorer", "Internet Explorer",
                      "Internet Explorer"}},
    {"In Box", {"Microsoft Outlook", "Microsoft Outlook", "Microsoft Outlook",
                "Microsoft Outlook"}},
    {"Run", {"Run...", "Run...", "Run...", "Run..."}},
    {"Log Off", {"Log Off...", "Log Off...", "Log Off...", "Log Off..."}},
    {"Floppy Drive (3.5)",
     {"Floppy Drive 3\xBD", "Floppy Drive 3\xBD", "Floppy Drive 3\xBD", "Floppy Drive 3\xBD"}},
}};

int Column(int os) {
  switch (os) {
    case 3: return 1;
    case 5: return 2;
    case 6: return 3;
    default: return 0;  // unknown, 95, 98, NT 4.0
  }
}

TEST(SlotAliases, PackageKeysBecomeEachSystemsNames) {
  for (const Expected& row : kLoaded) {
    for (int os = 0; os <= 6; ++os) {
      SCOPED_TRACE(std::string(row.key) + " on " + std::to_string(os));
      EXPECT_EQ(ToSystem(row.key, os, kLocal), row.local[static_cast<std::size_t>(Column(os))]);
      // The Package Builder lists keep the older names on every system.
      EXPECT_EQ(ToSystem(row.key, os, kBuilder), row.local[0]);
    }
  }
  EXPECT_EQ(ToSystem("Floppy Drive (5.25)", 6, kLocal), "Floppy Drive 5\xBC");
}

TEST(SlotAliases, EverySystemsNamesGoBackToThePackageKeys) {
  // A package saved on any system names its slots as the 98 one does, so it loads the
  // same everywhere: the system names of each column return to the row's key.
  for (const Expected& row : kLoaded) {
    for (const char* name : row.local) EXPECT_EQ(ToPackage(name), row.key) << name;
  }
  EXPECT_EQ(ToPackage("Floppy Drive 5\xBC"), "Floppy Drive (5.25)");
  // A name the package form gives is no name the package form rewrites again.
  for (const Expected& row : kLoaded) EXPECT_EQ(ToPackage(row.key), row.key);
}

TEST(SlotAliases, XpPackageLoadedOn98And2000AndSavedBack) {
  const std::array<const char*, 6> xpNames{"My Network Places", "Turn Off Computer...",
                                           "Printers and Faxes", "Network Connections",
                                           "Help and Support", "Search"};
  for (const char* xp : xpNames) {
    const std::string key = ToPackage(xp);
    for (int os : {2, 5}) {
      const std::string there = ToSystem(key, os, kLocal);
      EXPECT_EQ(ToPackage(there), key) << xp << " on " << os;
      EXPECT_EQ(ToSystem(ToPackage(there), 6, kLocal), xp);
    }
  }
  EXPECT_EQ(ToSystem(ToPackage("Turn Off Computer..."), 5, kLocal), "Shut Down...");
  EXPECT_EQ(ToSystem(ToPackage("My Network Places"), 2, kLocal), "Network Neighborhood");
}

TEST(SlotAliases, NamesMatchWholeWithoutRegardToCase) {
  EXPECT_EQ(ToPackage("MY NETWORK PLACES"), "Network Neighborhood");
  EXPECT_EQ(ToPackage("floppy drive 3\xBD"), "Floppy Drive (3.5)");
  EXPECT_EQ(ToSystem("sHUT dOWN", 6, kLocal), "Turn Off Computer...");
  EXPECT_EQ(ToSystem("shut down", 2, kLocal), "Shut Down...");
  for (const char* untouched : {"Help me", "Helpdesk", "Help ", " Help", "Run.", "My Computer",
                                "", "Search Results"}) {
    EXPECT_EQ(ToPackage(untouched), untouched);
    EXPECT_EQ(ToSystem(untouched, 6, kLocal), untouched);
  }
}

TEST(SlotAliases, JunkPassesThrough) {
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  const std::string withNul = std::string("Help\0Run", 8);
  for (const std::string& junk : {bytes, std::string(300, 'x'), withNul}) {
    EXPECT_EQ(ToPackage(junk), junk);
    EXPECT_EQ(ToSystem(junk, 6, kLocal), junk);
    EXPECT_EQ(ToSystem(junk, 99, kLocal), junk);
  }
}

}  // namespace
}  // namespace gd
