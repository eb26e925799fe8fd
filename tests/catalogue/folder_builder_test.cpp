// Folder defaults that moved with the shell and browser versions, beyond the version listings.
#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kFolders = Category::Folders;

TEST_F(BuilderTest, FolderDefaultsFollowTheShellLibraryAndTheBrowser) {
  backend.CreateKey(kHkcr, "CLSID\\{1A9BA3A0-143A-11CF-8350-444553540000}\\ShellFolder");
  backend.CreateKey(kHkcr, "CLSID\\{FF393560-C2A7-11CF-BFF4-444553540000}\\ShellFolder");
  // The shell32 numbers of Control Panel, Printers and Favorites and the Url History default by
  // version, shell library (4.71 is 0x40047) and browser; Favorites follows the library even
  // with the old shell.
  using Case = std::tuple<Os, bool, std::uint32_t, std::string, std::string>;
  for (const auto& [os, newShell, shell, ie, expected] :
       std::vector<Case>{{Os::Windows98, true, 0x40047, "4.71.1712.6", "50 51 78 shdocvw.dll,36"},
                         {Os::Windows98, true, 0x40000, "6.0", "51 52 72 shdocvw.dll,24"},
                         {Os::Windows95, false, 0x40048, "4.70", "46 47 79 cachevu.dll,0"},
                         {Os::Unknown, true, 0, "", "51 52 72 shdocvw.dll,36"}}) {
    shellVersion = shell;
    ieVersion = ie;
    Build(kFolders, os, newShell);
    std::string defaults;
    for (const char* name : {"Control Panel", "Printers", "Favorites"}) {
      defaults += std::to_string(SlotIn(kFolders, name).defaultIndex) + " ";
    }
    const std::string history = Default(kFolders, "Url History");
    EXPECT_EQ(defaults + history.substr(history.rfind('\\') + 1), expected) << os;
  }
}

}  // namespace
}  // namespace gd::test
