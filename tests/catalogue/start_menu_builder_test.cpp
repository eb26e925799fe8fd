// Start menu rules the version listings cannot show whole: the policies and menu settings that
// hide entries on each version, and XP's notice about the classic menu.
#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kStart = Category::Start;
constexpr const char* kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kTaskbar = "Settings - Taskbar and Start Menu";

TEST_F(BuilderTest, StartMenuPoliciesOfOneHideTheirEntriesAndMeFollowsItsSettings) {
  LoadCase("start-policies.reg");
  EXPECT_EQ(Build(kStart, Os::Windows98), (Names{"Programs", "Settings", "Help", kTaskbar}));
  // The old shell shows Documents whatever the policy says; ME's Run follows its own setting,
  // and on ME and 2000 Favorites and Log Off follow their settings, not the policies.
  EXPECT_EQ(Build(kStart, Os::Windows95, false),
            (Names{"Programs", "Documents", "Settings", "Help", "Suspend"}));
  EXPECT_EQ(Build(kStart, Os::WindowsMe),
            (Names{"Programs", "Settings", "Help", "Run...", kTaskbar}));
  backend.PutNumber(kHkcu, kAdvanced, "StartMenuRun", 0);
  backend.PutNumber(kHkcu, kAdvanced, "StartMenuLogoff", 1);
  backend.PutNumber(kHkcu, kAdvanced, "StartMenuFavorites", 1);
  EXPECT_EQ(Build(kStart, Os::WindowsMe),
            (Names{"Programs", "Favorites", "Settings", "Help", "Log Off...", kTaskbar}));
  EXPECT_EQ(Build(kStart, Os::Windows2000).size(), 6u);
}

TEST_F(BuilderTest, XpStartMenuNoticeShowsUntilTheUserSilencesIt) {
  // None in a silent start, on other versions or in the Package Builder.
  silent = true;
  Build(kStart, Os::WindowsXp);
  silent = false;
  Build(kStart, Os::Windows2000);
  Build(kStart, Os::WindowsXp, true, CatalogueView::PackageBuilder);
  Build(kStart, Os::WindowsXp);
  notice.answer.doNotShowAgain = true;
  Build(kStart, Os::WindowsXp);
  Build(kStart, Os::WindowsXp);
  ASSERT_EQ(notice.shown.size(), 2u);
  EXPECT_EQ(notice.shown[0].text,
            "The icons for the WindowsXP Classic Start Menu cannot be changed.\n\nThis is "
            "currently a limitation within the operating system, and not a problem with the "
            "Glimmerdeck application.");
  EXPECT_EQ(registry.ReadNumber(kHkcu, "Software\\Quillmoor\\Glimmerdeck", "Notice StartMenu"), 0u);
}

}  // namespace
}  // namespace gd::test
