// Quick Launch beyond the version listings: no usable folder, and hundreds of shortcuts.
#include <algorithm>
#include <cstdio>

#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kQuick = Category::QuickLaunch;
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kAppData = "C:\\Documents and Settings\\Ann\\Application Data";

class QuickLaunchIcons : public BuilderTest {
 protected:
  QuickLaunchIcons() { backend.PutText(kHkcu, kShellFolders, "AppData", kAppData); }
  void Shortcut(const std::string& file, const std::string& target, const std::string& icon = {},
                int index = 0, const std::string& appData = kAppData) {
    shell.shortcuts[appData + "\\Microsoft\\Internet Explorer\\Quick Launch\\" + file] = {
        target, icon, index};
  }
};

TEST_F(QuickLaunchIcons, NoUsableApplicationDataFolderGivesNoSlots) {
  Shortcut("Anything.lnk", "C:\\a.exe");
  EXPECT_EQ(Build(kQuick, Os::WindowsXp), Names{"Anything"});
  // Missing, not a text, empty (the root of the current drive), or too long for any path.
  Shortcut("Rooted.lnk", "C:\\r.exe", "", 0, "");
  Shortcut("Far.lnk", "C:\\far.exe", "", 0, "C:\\" + std::string(240, 'a'));
  backend.DeleteValue(kHkcu, kShellFolders, "AppData");
  EXPECT_TRUE(Build(kQuick, Os::WindowsXp).empty());
  backend.PutNumber(kHkcu, kShellFolders, "AppData", 26);
  EXPECT_TRUE(Build(kQuick, Os::WindowsXp).empty());
  for (const std::string& appData : {std::string(), "C:\\" + std::string(240, 'a')}) {
    backend.PutText(kHkcu, kShellFolders, "AppData", appData);
    EXPECT_TRUE(Build(kQuick, Os::WindowsXp).empty()) << appData.size();
  }
}

TEST_F(QuickLaunchIcons, HundredsOfShortcutsAreAllListedInOrder) {
  Names expected;
  for (int i = 599; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "Program %03d", i);
    expected.push_back(name);
    Shortcut(std::string(name) + ".lnk", std::string("C:\\Apps\\") + name + ".exe");
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Build(kQuick, Os::WindowsXp), expected);
}

}  // namespace
}  // namespace gd::test
