// Every reading rule of the settings store, its defaults for a fresh user, and the recent list.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};

  void PutNumber(std::string_view name, std::uint32_t value) {
    backend.PutNumber(RegRoot::CurrentUser, kProgramKey, name, value);
  }
  void PutText(std::string_view name, std::string_view text) {
    backend.PutText(RegRoot::CurrentUser, kProgramKey, name, text);
  }
  std::string Recent(int n) {
    return registry.ReadText(RegRoot::CurrentUser, kRecentKey, "Package" + std::to_string(n));
  }
};

constexpr Flag kAllFlags[] = {
    Flag::Settings,        Flag::QuickLaunch,     Flag::RestoreIcons,       Flag::RestoreCursors,
    Flag::ShowPreview,     Flag::PackageInfo,     Flag::SmartLoad,          Flag::SaveMode,
    Flag::DriveMode,       Flag::NoticeApply,     Flag::NoticeStartMenu,    Flag::RebuildWarning1,
    Flag::RebuildWarning2, Flag::RestoreIconsLaunch, Flag::QuickLaunchLoad, Flag::BrowserNames};

TEST_F(SettingsStoreTest, AFreshUserGetsTheDocumentedDefaults) {
  const Flag onByDefault[] = {Flag::Settings,        Flag::QuickLaunch,     Flag::RestoreIcons,
                              Flag::PackageInfo,     Flag::SmartLoad,       Flag::NoticeApply,
                              Flag::NoticeStartMenu, Flag::RebuildWarning1, Flag::RebuildWarning2,
                              Flag::RestoreIconsLaunch};
  for (Flag flag : kAllFlags) {
    const bool expected = std::find(std::begin(onByDefault), std::end(onByDefault), flag) !=
                          std::end(onByDefault);
    EXPECT_EQ(settings.IsOn(flag), expected) << FlagName(flag);
  }
  EXPECT_EQ(settings.Sort(), PackageSort::ByName);
  for (int n = 1; n <= 6; ++n) EXPECT_TRUE(settings.Include(n)) << n;
  EXPECT_FALSE(settings.Include(7));
  EXPECT_TRUE(settings.ShowExtension());
  EXPECT_EQ(settings.ReadText(TextSetting::Theme), "ERROR");
  EXPECT_FALSE(settings.ReadCoordinate(TextSetting::WindowLeft).has_value());
}

TEST_F(SettingsStoreTest, EachTestReadsZeroOneTenAndOthersAsItShould) {
  for (Flag flag : kAllFlags) {
    const bool nonZero = FlagTest(flag) == NumberTest::NonZero;
    PutNumber(FlagName(flag), 0);
    EXPECT_FALSE(settings.IsOn(flag)) << FlagName(flag);
    PutNumber(FlagName(flag), 1);
    EXPECT_TRUE(settings.IsOn(flag)) << FlagName(flag);
    // A stored 10 behaves exactly like a missing value.
    PutNumber(FlagName(flag), 10);
    EXPECT_EQ(settings.IsOn(flag), nonZero) << FlagName(flag);
    PutNumber(FlagName(flag), 2);
    EXPECT_EQ(settings.IsOn(flag), nonZero) << FlagName(flag);
  }
}

TEST_F(SettingsStoreTest, FlagsOfTheWrongTypeReadAsMissing) {
  PutText("Restore Cursors", "1");  // a text where a number belongs
  PutText("Smart Load", "0");
  EXPECT_FALSE(settings.IsOn(Flag::RestoreCursors));
  EXPECT_TRUE(settings.IsOn(Flag::SmartLoad));
}

TEST_F(SettingsStoreTest, WrittenFlagsReadBack) {
  settings.SetFlag(Flag::NoticeApply, false);
  settings.SetFlag(Flag::DriveMode, true);
  EXPECT_FALSE(settings.IsOn(Flag::NoticeApply));
  EXPECT_TRUE(settings.IsOn(Flag::DriveMode));
  EXPECT_EQ(registry.ReadNumber(RegRoot::CurrentUser, kProgramKey, "Notice Apply"), 0u);
}

TEST_F(SettingsStoreTest, SortReadsUnknownValuesAsByName) {
  PutNumber("Sort", 2);
  EXPECT_EQ(settings.Sort(), PackageSort::ByAuthor);
  PutNumber("Sort", 1);
  EXPECT_EQ(settings.Sort(), PackageSort::ByIconCount);
  PutNumber("Sort", 7);
  EXPECT_EQ(settings.Sort(), PackageSort::ByName);
  settings.SetSort(PackageSort::ByAuthor);
  EXPECT_EQ(settings.Sort(), PackageSort::ByAuthor);
}

TEST_F(SettingsStoreTest, IncludeTextsFollowTheirTwoRules) {
  PutText("Include3", "0");
  PutText("Include4", "anything");
  PutText("Include7", "yes");
  EXPECT_FALSE(settings.Include(3));
  EXPECT_TRUE(settings.Include(4));
  EXPECT_FALSE(settings.Include(7));  // only "1" checks Cursors
  settings.SetInclude(7, true);
  EXPECT_TRUE(settings.Include(7));
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, kProgramKey, "Include7"), "1");
  settings.SetInclude(1, false);
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, kProgramKey, "Include1"), "0");
}

TEST_F(SettingsStoreTest, ShowExtensionIsHiddenOnlyByZero) {
  PutText("Show Extension", "1");
  EXPECT_TRUE(settings.ShowExtension());
  PutText("Show Extension", "0");
  EXPECT_FALSE(settings.ShowExtension());
}

TEST_F(SettingsStoreTest, CoordinatesAreDecimalTexts) {
  settings.WriteCoordinate(TextSetting::WindowLeft, -120);
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, kProgramKey, "Window Left"), "-120");
  EXPECT_EQ(settings.ReadCoordinate(TextSetting::WindowLeft), -120);
  PutText("Window Top", "12px");
  EXPECT_FALSE(settings.ReadCoordinate(TextSetting::WindowTop).has_value());
  PutText("Preview Width", "99999999999");
  EXPECT_FALSE(settings.ReadCoordinate(TextSetting::PreviewWidth).has_value());
}

TEST_F(SettingsStoreTest, InstallationKeysComeFromTheMachine) {
  EXPECT_EQ(settings.AppPath(), "ERROR");
  backend.PutText(RegRoot::LocalMachine, kInstallKey, "Path", "C:\\Program Files\\Glimmerdeck");
  backend.PutText(RegRoot::LocalMachine, kProductFamilyKey, "VFZip", "C:\\VF\\VFZip.dll");
  EXPECT_EQ(settings.AppPath(), "C:\\Program Files\\Glimmerdeck");
  EXPECT_EQ(settings.ZipLibraryPath(), "C:\\VF\\VFZip.dll");
  EXPECT_EQ(settings.InstalledVersion(), "ERROR");
}

TEST_F(SettingsStoreTest, RecentListPutsNewPathsFirstAndDropsTheEleventh) {
  for (int i = 1; i <= 11; ++i) settings.AddRecentPackage("C:\\p" + std::to_string(i));
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(Recent(n), "C:\\p" + std::to_string(12 - n));
  EXPECT_EQ(Recent(11), "ERROR");
  const auto five = settings.RecentPackages(5);
  EXPECT_EQ(five, (std::vector<std::string>{"C:\\p11", "C:\\p10", "C:\\p9", "C:\\p8", "C:\\p7"}));
}

TEST_F(SettingsStoreTest, RecentListKeepsItsOrderForAPathAlreadyThere) {
  for (const char* p : {"C:\\a", "C:\\b", "C:\\c"}) settings.AddRecentPackage(p);
  settings.AddRecentPackage("c:\\A");  // the third entry, in another case
  EXPECT_EQ(Recent(1), "C:\\c");
  EXPECT_EQ(Recent(2), "C:\\b");
  EXPECT_EQ(Recent(3), "C:\\a");
  EXPECT_EQ(Recent(4), "ERROR");
}

TEST_F(SettingsStoreTest, RecentListShiftsOnlyPresentEntries) {
  // An empty entry 2 is not moved, so entry 3 stays and is also copied to 4.
  backend.PutText(RegRoot::CurrentUser, kRecentKey, "Package1", "C:\\one");
  backend.PutText(RegRoot::CurrentUser, kRecentKey, "Package3", "C:\\three");
  backend.PutText(RegRoot::CurrentUser, kRecentKey, "Package2", "");
  settings.AddRecentPackage("C:\\new");
  EXPECT_EQ(Recent(1), "C:\\new");
  EXPECT_EQ(Recent(2), "C:\\one");
  EXPECT_EQ(Recent(3), "C:\\three");
  EXPECT_EQ(Recent(4), "C:\\three");
  EXPECT_EQ(settings.RecentPackages(5),
            (std::vector<std::string>{"C:\\new", "C:\\one", "C:\\three", "C:\\three"}));
}

}  // namespace
}  // namespace gd
