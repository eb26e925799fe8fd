// Slot names between package files and the running system, for every Windows version and
// both views.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "package/slot_aliases.h"

namespace gd {
namespace {

constexpr CatalogueView kLocal = CatalogueView::LocalUpdate;

std::string ToSystem(std::string name, int os, CatalogueView view = kLocal) {
  TranslateSlotName(name, SlotNameDirection::SystemForm, os, view);
  return name;
}

std::string ToPackage(std::string name) {
  // The package form depends on neither the system nor the view.
  std::string other = name;
  TranslateSlotName(name, SlotNameDirection::PackageForm, 6, kLocal);
  TranslateSlotName(other, SlotNameDirection::PackageForm, 2, CatalogueView::PackageBuilder);
  EXPECT_EQ(name, other);
  return name;
}

// A package key and its name on 95/98/NT 4.0, ME, 2000 and XP in the Local Update view.
struct Row {
  const char* key;
  std::array<const char*, 4> on;
};
constexpr std::array<Row, 12> kRows{{
    {"Network Neighborhood",
     {"Network Neighborhood", "My Network Places", "My Network Places", "My Network Places"}},
    {"Find", {"Find", "Search", "Search", "Search"}},
    {"Help", {"Help", "Help", "Help", "Help and Support"}},
    {"Shut Down", {"Shut Down...", "Shut Down...", "Shut Down...", "Turn Off Computer..."}},
    {"Settings - Printers", {"Settings - Printers", "Settings - Printers",
                             "Settings - Printers", "Settings - Printers and Faxes"}},
    {"Printers", {"Printers", "Printers", "Printers", "Printers and Faxes"}},
    {"Dial-Up Networking", {"Dial-Up Networking", "Network and Dial-up Connections",
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

std::size_t Column(int os) { return os == 3 ? 1 : os == 5 ? 2 : os == 6 ? 3 : 0; }

TEST(SlotAliases, PackageKeysBecomeEachSystemsNamesAndGoBack) {
  for (const Row& row : kRows) {
    for (int os = 0; os <= 6; ++os) {
      SCOPED_TRACE(std::string(row.key) + " on " + std::to_string(os));
      EXPECT_EQ(ToSystem(row.key, os), row.on[Column(os)]);
      // The Package Builder lists keep the older names on every system.
      EXPECT_EQ(ToSystem(row.key, os, CatalogueView::PackageBuilder), row.on[0]);
    }
    // Whatever system saved it, a slot gets the same key, and a key stays a key.
    for (const char* name : row.on) EXPECT_EQ(ToPackage(name), row.key) << name;
    EXPECT_EQ(ToPackage(row.key), row.key);
  }
  EXPECT_EQ(ToSystem("Floppy Drive (5.25)", 6), "Floppy Drive 5\xBC");
  EXPECT_EQ(ToPackage("Floppy Drive 5\xBC"), "Floppy Drive (5.25)");
}

TEST(SlotAliases, XpPackageLoadedOn98And2000AndSavedBack) {
  for (const char* xp : {"My Network Places", "Turn Off Computer...", "Printers and Faxes",
                         "Network Connections", "Help and Support", "Search"}) {
    const std::string key = ToPackage(xp);
    for (int os : {2, 5}) EXPECT_EQ(ToSystem(ToPackage(ToSystem(key, os)), 6), xp) << os;
  }
  EXPECT_EQ(ToSystem(ToPackage("Turn Off Computer..."), 5), "Shut Down...");
  EXPECT_EQ(ToSystem(ToPackage("My Network Places"), 2), "Network Neighborhood");
}

TEST(SlotAliases, WholeNamesWithoutRegardToCaseAndJunkUntouched) {
  EXPECT_EQ(ToPackage("MY NETWORK PLACES"), "Network Neighborhood");
  EXPECT_EQ(ToPackage("floppy drive 3\xBD"), "Floppy Drive (3.5)");
  EXPECT_EQ(ToSystem("sHUT dOWN", 6), "Turn Off Computer...");
  EXPECT_EQ(ToSystem("shut down", 2), "Shut Down...");
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  for (const std::string& name : {std::string("Help me"), std::string("Help "),
                                  std::string("My Computer"), std::string(),
                                  std::string("Help\0Run", 8), std::string(300, 'x'), bytes}) {
    EXPECT_EQ(ToPackage(name), name);
    EXPECT_EQ(ToSystem(name, 6), name);
    EXPECT_EQ(ToSystem(name, 99), name);
  }
}

}  // namespace
}  // namespace gd
