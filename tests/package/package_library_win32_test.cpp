// The library over a real Themes folder tree with real shortcuts: scanning, counting icons,
// removing a dangling shortcut, and deleting a package folder through the shell (Windows,
// Wine).
#include <gtest/gtest.h>

#include <string>

#include "package/package_host_win32.h"
#include "package/package_library.h"
#include "package_fixture.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/shell_queries.h"
#include "platform/ini_win32.h"
#include "support/scratch_folder.h"

namespace gd::package_test {
namespace {

using Names = std::vector<std::string>;

class LibraryWin32 : public ::testing::Test {
 protected:
  std::string Package(const std::string& relative, const std::string& author, int icons) {
    const std::string file = scratch.Write(relative, "[Package Info]\r\nAuthor=" + author + "\r\n");
    for (int i = 0; i < icons; ++i) scratch.Write(FolderOf(relative) + std::to_string(i) + ".ico", "i");
    return file;
  }

  test::ScratchFolder scratch;
  const std::string themes = scratch / "Themes";
  test::MemoryRegistry backend;
  Registry registry{backend};
  test::ScriptedPrompt prompt{{}, PromptAnswer::Yes};
  Win32PackageFiles files;
  LibrarySystem system{SystemShell(), SystemIni(), files, registry, prompt, themes};
};

TEST_F(LibraryWin32, ScansTheTreeAndShortcutsAndDeletesAPackageFolder) {
  const std::string a = Package("Themes\\A\\A.gdtheme", "Zed", 2);
  scratch.Write("Themes\\A\\A.icl", "library");
  scratch.Write("Themes\\A\\Sub\\s.ico", "i");
  const std::string deep = Package("Themes\\x\\y\\Deep.gdtheme", "", 12);
  const std::string red = Package("Elsewhere\\Red\\Red.gdtheme", "Ann", 9);
  const std::string gone = Package("Elsewhere\\Gone\\Gone.gdtheme", "", 0);
  ASSERT_TRUE(WriteShortcut(themes + "\\Red.lnk", red, "", "", 0));
  ASSERT_TRUE(WriteShortcut(themes + "\\Gone.lnk", gone, "", "", 0));
  ASSERT_TRUE(DeleteFileA(gone.c_str()));

  EXPECT_EQ(CountIcons(files, a), 2);
  // Counts compared as text, going down: "9", "2", "12".
  const LibraryList byCount = ScanLibrary(system, PackageSort::ByIconCount, red);
  EXPECT_EQ(byCount.entries, (Names{"Windows Default Icons", red, a, deep}));
  EXPECT_EQ(byCount.selected, 1u);
  EXPECT_FALSE(gd::FileExists(themes + "\\Gone.lnk"));
  EXPECT_TRUE(gd::FileExists(themes + "\\Red.lnk"));
  EXPECT_EQ(ScanLibrary(system, PackageSort::ByAuthor, "").entries,
            (Names{"Windows Default Icons", red, deep, a}));

  LibraryList list = ScanLibrary(system, PackageSort::ByName, "");
  ASSERT_EQ(list.entries, (Names{"Windows Default Icons", a, deep, red}));
  EXPECT_EQ(DeletePackage(system, list, 1), DeleteOutcome::Deleted);
  EXPECT_FALSE(gd::FileExists(themes + "\\A"));
  EXPECT_TRUE(gd::FileExists(deep));
  // The package kept elsewhere loses its own files and its shortcut, not its folder.
  EXPECT_EQ(DeletePackage(system, list, 2), DeleteOutcome::Deleted);
  EXPECT_FALSE(gd::FileExists(red));
  EXPECT_FALSE(gd::FileExists(themes + "\\Red.lnk"));
  EXPECT_TRUE(gd::FileExists(scratch / "Elsewhere\\Red\\0.ico")) << "named by no value";
  EXPECT_EQ(list.entries, (Names{"Windows Default Icons", deep}));
}

}  // namespace
}  // namespace gd::package_test
