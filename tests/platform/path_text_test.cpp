// Icon reference splitting, path variables and path parts.
#include <gtest/gtest.h>

#include "platform/path_text.h"

namespace gd {
namespace {

PathContext Context(int os = 6) {
  return PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "D:\\Apps", os};
}

struct RefCase {
  std::string input;
  std::string windowsDirArg;
  std::string path;
  int index;
};

class ParseIconRefCases : public ::testing::TestWithParam<RefCase> {};

TEST_P(ParseIconRefCases, SplitsPathAndIndex) {
  const RefCase& c = GetParam();
  std::string text = c.input;
  EXPECT_EQ(ParseIconRef(text, c.windowsDirArg, Context()), c.index) << c.input;
  EXPECT_EQ(text, c.path) << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    IconRefs, ParseIconRefCases,
    ::testing::Values(
        RefCase{"\"C:\\Program Files\\x.dll\",-3", "", "C:\\Program Files\\x.dll", -3},
        RefCase{"\"C:\\no closing quote.dll,4", "", "C:\\no closing quote.dll", 4},
        RefCase{"C:\\plain.ico", "", "C:\\plain.ico", 0},
        RefCase{"%SystemRoot%\\system32\\shell32.dll,12", "", "C:\\WINDOWS\\system32\\shell32.dll",
                12},
        RefCase{"%SystemRoot%\\a.dll,1", "E:\\WinNT", "E:\\WinNT\\a.dll", 1},
        // The variable is matched with its case; another spelling stays in the path.
        RefCase{"%systemroot%\\a.dll,1", "", "%systemroot%\\a.dll", 1},
        RefCase{"%ProgramFiles%\\b.exe,2", "", "D:\\Apps\\b.exe", 2},
        RefCase{"C:\\a,b\\c.dll,7", "", "C:\\a,b\\c.dll", 7},
        RefCase{"C:\\x.dll,", "", "C:\\x.dll", 0},
        RefCase{"C:\\x.dll,abc", "", "C:\\x.dll", 0},
        RefCase{"C:\\x.dll, 12tail", "", "C:\\x.dll", 12},
        RefCase{"C:\\x.dll,+5", "", "C:\\x.dll", 5},
        RefCase{"C:\\x.dll,99999999999999", "", "C:\\x.dll", 2147483647},
        RefCase{"C:\\x.dll,-99999999999999", "", "C:\\x.dll", -2147483647 - 1},
        RefCase{"", "", "", 0},
        RefCase{"\"\"", "", "", 0}));

TEST(ParseIconRef, MissingProgramFilesValueStaysVisibleAsError) {
  PathContext context = Context();
  context.programFilesDir = "ERROR";
  std::string text = "%ProgramFiles%\\b.exe,2";
  EXPECT_EQ(ParseIconRef(text, "", context), 2);
  EXPECT_EQ(text, "ERROR\\b.exe");
}

TEST(ExpandCatalogueVariables, KnownVariablesInAnyCase) {
  EXPECT_EQ(ExpandCatalogueVariables("%WinPath%\\explorer.exe", Context()),
            "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(ExpandCatalogueVariables("%winpath%\\explorer.exe", Context()),
            "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(ExpandCatalogueVariables("%WinSysPath%\\shell32.dll", Context()),
            "C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(ExpandCatalogueVariables("%PROGRAMFILES%\\x.exe", Context()), "D:\\Apps\\x.exe");
  EXPECT_EQ(ExpandCatalogueVariables("C:\\plain\\path.dll", Context()), "C:\\plain\\path.dll");
}

TEST(ExpandCatalogueVariables, AccessoriesDependOnTheWindowsFamily) {
  EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\wordpad.exe", Context(6)),
            "D:\\Apps\\Windows NT\\Accessories\\wordpad.exe");
  EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\wordpad.exe", Context(4)),
            "D:\\Apps\\Windows NT\\Accessories\\wordpad.exe");
  for (int os : {1, 2, 3}) {
    EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\wordpad.exe", Context(os)),
              "D:\\Apps\\Accessories\\wordpad.exe");
  }
  PathContext missing = Context(2);
  missing.programFilesDir = "ERROR";
  EXPECT_EQ(ExpandCatalogueVariables("%Accessories%\\mspaint.exe", missing),
            "c:\\program files\\Accessories\\mspaint.exe");
  missing.programFilesDir = "";
  EXPECT_EQ(ExpandCatalogueVariables("%Accessories%", missing),
            "c:\\program files\\Accessories");
}

TEST(ExpandCatalogueVariables, UnknownVariableStandsForTheSystemFolder) {
  // The first twelve characters are replaced whatever they were.
  EXPECT_EQ(ExpandCatalogueVariables("%Unknown1234\\x.dll", Context()),
            "C:\\WINDOWS\\system32\\x.dll");
  EXPECT_EQ(ExpandCatalogueVariables("%Short", Context()), "C:\\WINDOWS\\system32");
}

TEST(PathParts, SplitLikeThePlatform) {
  EXPECT_EQ(FileTitle("C:\\Themes\\Blue Sky\\Blue Sky.gdtheme"), "Blue Sky");
  EXPECT_EQ(FileName("C:\\Themes\\Blue Sky\\Blue Sky.gdtheme"), "Blue Sky.gdtheme");
  EXPECT_EQ(FolderOf("C:\\Themes\\Blue Sky\\Blue Sky.gdtheme"), "C:\\Themes\\Blue Sky\\");
  EXPECT_EQ(ExtensionOf("C:\\Themes\\pack.v2\\icons.tar.gz"), ".gz");
  EXPECT_EQ(ExtensionOf("C:\\dir.d\\noext"), "");
  EXPECT_EQ(FileTitle("archive.zip"), "archive");
  EXPECT_EQ(FolderOf("archive.zip"), "");
  EXPECT_EQ(FolderOf("D:file.ico"), "D:");
  EXPECT_EQ(FolderOf("C:/mixed/slashes\\file.ico"), "C:/mixed/slashes\\");
  EXPECT_EQ(FileName("C:\\folder\\"), "");
}

TEST(PathParts, LastFolderName) {
  EXPECT_EQ(LastFolderName("C:\\Themes\\Blue Sky\\Blue Sky.gdtheme"), "Blue Sky");
  EXPECT_EQ(LastFolderName("C:\\file.ico"), "C:\\file.ico");  // no folder left: whole input
  EXPECT_EQ(LastFolderName("file.ico"), "file.ico");
}

TEST(PathParts, TrailingBackslashes) {
  EXPECT_EQ(AddTrailingBackslash("C:\\Themes"), "C:\\Themes\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\Themes\\"), "C:\\Themes\\");
  EXPECT_EQ(AddTrailingBackslash(""), "\\");
  EXPECT_EQ(RemoveTrailingBackslash("C:\\Themes\\"), "C:\\Themes");
  EXPECT_EQ(RemoveTrailingBackslash("C:\\Themes\\\\"), "C:\\Themes");
  EXPECT_EQ(RemoveTrailingBackslash("C:\\Themes"), "C:\\Themes");
}

TEST(PathParts, OverLongComponentsAreCutToTheirBuffers) {
  const std::string longName(300, 'n');
  const PathParts parts = SplitPath("C:\\" + longName + "." + longName);
  EXPECT_EQ(parts.title.size(), 255u);
  EXPECT_EQ(parts.extension.size(), 255u);
  EXPECT_FALSE(FitsPathBuffer(std::string(260, 'a')));
  EXPECT_TRUE(FitsPathBuffer(std::string(259, 'a')));
}

TEST(FilePattern, MatchesAsFindFilesDoes) {
  EXPECT_TRUE(MatchesFilePattern("anything", "*.*"));
  EXPECT_TRUE(MatchesFilePattern("noext", "*.*"));
  EXPECT_TRUE(MatchesFilePattern("Blue.gdtheme", "*.GDTHEME"));
  EXPECT_TRUE(MatchesFilePattern("PLUGIN.GDP", "*.gdp"));
  EXPECT_FALSE(MatchesFilePattern("Blue.gdtheme.bak", "*.gdtheme"));
  EXPECT_TRUE(MatchesFilePattern("Exact.Name", "exact.name"));
  EXPECT_FALSE(MatchesFilePattern("Exact.Names", "exact.name"));
  EXPECT_TRUE(MatchesFilePattern("\xC9t\xE9.ico", "\xE9T\xC9.ICO"));  // accented letters fold
}

TEST(IconRef, MakeAndSplitRoundTrip) {
  const std::string made = MakeIconRef("C:\\Icons\\set.icl", -12);
  EXPECT_EQ(made, "C:\\Icons\\set.icl,-12");
  std::string text = made;
  EXPECT_EQ(ParseIconRef(text, "", Context()), -12);
  EXPECT_EQ(text, "C:\\Icons\\set.icl");
}

}  // namespace
}  // namespace gd
