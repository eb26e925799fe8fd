// Smart Load and Quick Launch Load after a package is read: which slots the rows fill, in
// which order, under which include switches and settings, and the Windows XP mail fallback.
#include <gtest/gtest.h>

#include <string>

#include "package/smart_load.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

const std::string kBlue = std::string(kThemes) + "\\Blue\\Blue.gdtheme";
const std::string kBlueDir = std::string(kThemes) + "\\Blue\\";

class SmartLoadTest : public PackageTest {
 protected:
  void SetUp() override {
    Catalogue(os::kWindows2000,
              {{0, "My Documents"}, {1, "Programs"}, {1, "Documents"},
               {1, "Settings - Printers"}, {2, "Program Group"}, {2, "Programs Group"},
               {2, "Printers and Faxes"}, {3, "Hard Drive"}, {3, "Network Drive (connected)"},
               {3, "Network Drive (offline)"}, {3, "CD-ROM Drive"}, {4, "Audio CD"}});
  }
};

TEST_F(SmartLoadTest, RelatedSlotsGetTheIconsThePackageGave) {
  Write(kBlue, "Drive Icons", {{"Hard Drive", "%ThemeDir%Blue.icl,1"},
                                {"Network Drive (offline)", "%ThemeDir%Blue.icl,2"},
                                {"CD-ROM Drive", "%ThemeDir%cd.ico"}});
  Write(kBlue, "Folder Icons", {{"Program Group", "%ThemeDir%Blue.icl,3"}});
  Write(kBlue, "Start Icons", {{"Documents", "%ThemeDir%docs.ico"}});
  ASSERT_EQ(Load(kBlue), 1);

  EXPECT_EQ(Slot(3, "Network Drive (connected)").iconIndex, 1);
  EXPECT_EQ(Slot(3, "Network Drive (offline)").iconIndex, 2) << "the package's own icon stays";
  EXPECT_EQ(Slot(4, "Audio CD").iconPath, kBlueDir + "cd.ico") << "\"CD-Rom Drive\", any case";
  EXPECT_EQ(Slot(0, "My Documents").iconPath, kBlueDir + "docs.ico");
  // Rows run in order: row 5 fills Programs, which row 10 then passes on.
  EXPECT_EQ(Slot(1, "Programs").iconIndex, 3);
  EXPECT_TRUE(Changed(2, "Programs Group"));
  EXPECT_EQ(Slot(2, "Programs Group").iconIndex, 3);
}

TEST_F(SmartLoadTest, LoadingTheAppliedPackageAgainFillsTheSameSlots) {
  Write(kBlue, "Drive Icons", {{"Hard Drive", "%ThemeDir%Blue.icl,1"}});
  const char* const drives[] = {"Hard Drive", "Network Drive (connected)", "Network Drive (offline)"};
  // Applied before: the hard drive and the two drives filled from it show the package's icon.
  for (const char* name : drives) {
    IconSlot& slot = *catalogue->Find(3, name);
    slot.iconPath = slot.currentPath = kBlueDir + "Blue.icl";
    slot.iconIndex = slot.currentIndex = 1;
  }
  // Restoring first gives each drive its default back and marks it changed.
  host.restoreIcons = [&] {
    for (auto& entry : catalogue->Entries(3)) catalogue->RestoreSlot(*entry.slot, false, true);
  };
  ASSERT_EQ(Load(kBlue), 1);
  for (const char* name : drives) {
    EXPECT_EQ(Slot(3, name).iconPath, kBlueDir + "Blue.icl") << name;
    EXPECT_EQ(Slot(3, name).iconIndex, 1) << name;
  }
}

TEST_F(SmartLoadTest, IncludeSwitchesAndTheSettingLimitTheTargets) {
  Write(kBlue, "Folder Icons", {{"Program Group", "%ThemeDir%Blue.icl,3"}});
  Write(kBlue, "Start Icons", {{"Settings - Printers", "%ThemeDir%Blue.icl,4"}});
  state.include[2] = false;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_TRUE(Changed(1, "Programs")) << "row 5 targets the start menu";
  EXPECT_FALSE(Changed(2, "Programs Group"));
  EXPECT_FALSE(Changed(2, "Printers and Faxes"));

  Catalogue(os::kWindows2000, {{1, "Settings - Printers"}, {2, "Printers and Faxes"}});
  state.include[2] = true;
  ASSERT_EQ(Load(kBlue), 1);
  // The target is found by the beginning of its name.
  EXPECT_EQ(Slot(2, "Printers and Faxes").iconIndex, 4);

  Catalogue(os::kWindows2000, {{1, "Settings - Printers"}, {2, "Printers and Faxes"}});
  backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Smart Load", 0);
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(Changed(2, "Printers and Faxes"));
}

TEST_F(SmartLoadTest, FillCopiesWithoutComparingAndKeepsTheMissingMark) {
  IconSlot& source = *catalogue->Find(3, "Hard Drive");
  IconSlot& target = *catalogue->Find(3, "Network Drive (connected)");
  // The source's pending icon is the target's current one; the target's image is missing.
  source.iconPath = target.currentPath;
  source.flags |= slotflag::kChanged;
  target.flags |= slotflag::kMissingImage;
  FillMarks marks = FillMarks::OfChangedSlots(*catalogue);
  EXPECT_EQ(SmartFill(*catalogue, state.include, events, marks, 3, "Network Drive (c", 3,
                      "hard drive"),
            1);
  EXPECT_TRUE(target.IsChanged());
  EXPECT_EQ(target.flags & slotflag::kMissingImage, slotflag::kMissingImage);
  EXPECT_EQ(events.refreshed, (std::vector<std::pair<int, int>>{{3, 1}}));
  // Filled once, never again; an unchanged source fills nothing.
  EXPECT_EQ(SmartFill(*catalogue, state.include, events, marks, 3, "Network Drive (c", 3,
                      "Hard Drive"),
            0);
  EXPECT_EQ(SmartFill(*catalogue, state.include, events, marks, 3, "Network Drive (o", 3,
                      "CD-ROM Drive"),
            0);
}

TEST_F(SmartLoadTest, WindowsXpMailComesFromOutlookOrTheOldInBox) {
  // The XP desktop has Microsoft Outlook, which a package names "In Box".
  Catalogue(os::kWindowsXp, {{0, "Microsoft Outlook"}, {0, "Internet Explorer"},
                             {1, "Internet"}, {1, "E-mail"}});
  Write(kBlue, "Desktop Icons", {{"In Box", "%ThemeDir%mail.ico"},
                                  {"The Internet", "%ThemeDir%web.ico"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(Slot(1, "E-mail").iconPath, kBlueDir + "mail.ico");
  EXPECT_EQ(Slot(1, "Internet").iconPath, kBlueDir + "web.ico");

  // Without a desktop mail slot the package's own "In Box" value still reaches E-mail.
  Catalogue(os::kWindowsXp, {{1, "E-mail"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(Slot(1, "E-mail").iconPath, kBlueDir + "mail.ico");
  // Not with the start menu excluded, and not on other systems.
  Catalogue(os::kWindowsXp, {{1, "E-mail"}});
  state.include[1] = false;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(Changed(1, "E-mail"));
  Catalogue(os::kWindows2000, {{1, "E-mail"}});
  state.include[1] = true;
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_FALSE(Changed(1, "E-mail"));
  // A value of its own keeps it.
  Catalogue(os::kWindowsXp, {{1, "E-mail"}});
  Write(kBlue, "Start Icons", {{"E-mail", "%ThemeDir%own.ico"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(Slot(1, "E-mail").iconPath, kBlueDir + "own.ico");
}

TEST_F(SmartLoadTest, QuickLaunchLoadBuildsAndFillsTheQuickLaunchItems) {
  Catalogue(os::kWindows98, {{0, "My Computer"}, {0, "Internet Explorer"}, {1, "E-mail"}});
  int builds = 0;
  catalogue->SetBuilder(category::kQuickLaunch, [&](SlotCatalogue& c) {
    ++builds;
    for (const char* name : {"Launch Internet Explorer Browser", "Outlook Express",
                             "Windows Explorer"}) {
      c.AddSlot(category::kQuickLaunch, name, std::nullopt, "", "", "C:\\q.exe", 0,
                SlotKind::BuiltIn, 0);
    }
  });
  Write(kBlue, "Desktop Icons", {{"My Computer", "%ThemeDir%pc.ico"},
                                  {"The Internet", "%ThemeDir%web.ico"}});
  Write(kBlue, "Start Icons", {{"E-mail", "%ThemeDir%mail.ico"}});
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(builds, 0) << "off unless the setting is 1";

  backend.PutNumber(RegRoot::CurrentUser, kProgramKey, "Quick Launch Load", 1);
  state.include = {false, false, false, false, false, false, false};
  ASSERT_EQ(Load(kBlue), 1);
  EXPECT_EQ(builds, 1);
  // Quick Launch has no include switch. The browser's item is found by a part of its name.
  EXPECT_EQ(Slot(7, "Windows Explorer").iconPath, kBlueDir + "pc.ico");
  EXPECT_EQ(Slot(7, "Launch Internet Explorer Browser").iconPath, kBlueDir + "web.ico");
  EXPECT_EQ(Slot(7, "Outlook Express").iconPath, kBlueDir + "mail.ico");
}

}  // namespace
}  // namespace gd::package_test
