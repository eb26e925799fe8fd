// Which archive entry names the zip library accepts, what path each becomes, and how file
// patterns match.
#include "companions/vfzip/entry_name.h"
#include "companions/include/vfzip.h"
#include "companions/vfzip/wildcard.h"

#include <gtest/gtest.h>

namespace gd::vfzip {
namespace {

struct Accepted {
  const char* name;
  const char* path;
  bool is_folder;
};

TEST(vfzipEntryNames, PlainNamesBecomeRelativeWindowsPaths) {
  const Accepted cases[] = {
      {"theme.gdtheme", "theme.gdtheme", false},
      {"icons/desktop/My Computer.ico", "icons\\desktop\\My Computer.ico", false},
      {"icons\\mixed/slashes.ico", "icons\\mixed\\slashes.ico", false},
      {"./icons/./a.ico", "icons\\a.ico", false},
      {"icons//double.ico", "icons\\double.ico", false},
      {"cursors/", "cursors", true},
      {"..icons/a..b.ico", "..icons\\a..b.ico", false},
      {"CONFIG.ico", "CONFIG.ico", false},
      {"console.cur", "console.cur", false},
      {"COM10.ico", "COM10.ico", false},
      {"LPT0.ico", "LPT0.ico", false},
      {"auxiliary/nullable.ico", "auxiliary\\nullable.ico", false},
      {"caf\xE9.ico", "caf\xE9.ico", false},
  };
  for (const Accepted& item : cases) {
    SCOPED_TRACE(item.name);
    const EntryName checked = CheckEntryName(item.name);
    EXPECT_EQ(checked.code, VFZIP_OK) << checked.reason;
    EXPECT_EQ(checked.path, item.path);
    EXPECT_EQ(checked.is_folder, item.is_folder);
  }
}

struct Refused {
  const char* name;
  int code;
};

TEST(vfzipEntryNames, NamesThatLeaveTheFolderAreRefused) {
  const Refused cases[] = {
      {"..", VFZIP_PARENT_FOLDER},
      {"../escape.ico", VFZIP_PARENT_FOLDER},
      {"..\\escape.ico", VFZIP_PARENT_FOLDER},
      {"icons/../../escape.ico", VFZIP_PARENT_FOLDER},
      {"icons/..", VFZIP_PARENT_FOLDER},
      {"/etc/passwd", VFZIP_ABSOLUTE_PATH},
      {"\\Windows\\win.ini", VFZIP_ABSOLUTE_PATH},
      {"\\\\server\\share\\x.ico", VFZIP_ABSOLUTE_PATH},
      {"C:/escape.ico", VFZIP_ABSOLUTE_PATH},
      {"c:\\escape.ico", VFZIP_ABSOLUTE_PATH},
      {"C:escape.ico", VFZIP_ABSOLUTE_PATH},
  };
  for (const Refused& item : cases) {
    SCOPED_TRACE(item.name);
    const EntryName checked = CheckEntryName(item.name);
    EXPECT_EQ(checked.code, item.code);
    EXPECT_FALSE(checked.reason.empty());
  }
}

TEST(vfzipEntryNames, DevicesAreRefusedInAnyFolderWithAnyExtension) {
  const char* cases[] = {"CON",         "con",          "PRN.txt",      "aux",
                         "NUL.ico",     "icons/nul",    "COM1",         "com9.cur",
                         "LPT1",        "lpt9.ani",     "Lpt5/x.ico",   "AUX .ico",
                         "CONIN$",      "conout$.txt",  "COM\xB9.ico",  "nul.tar.gz"};
  for (const char* name : cases) {
    SCOPED_TRACE(name);
    const EntryName checked = CheckEntryName(name);
    EXPECT_EQ(checked.code, VFZIP_DEVICE_NAME);
    EXPECT_NE(checked.reason.find("device"), std::string::npos) << checked.reason;
  }
}

TEST(vfzipEntryNames, NamesThatWindowsWouldAlterOrRejectAreRefused) {
  const char* cases[] = {"",
                         "./",
                         "file.ico:hidden",
                         "icons/a:b",
                         "what?.ico",
                         "star*.ico",
                         "pipe|.ico",
                         "quote\".ico",
                         "less<.ico",
                         "tab\t.ico",
                         "... /x.ico",
                         ".. /escape.ico",
                         "...\\escape.ico",
                         "trailing.",
                         "icons /x.ico"};
  for (const char* name : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(CheckEntryName(name).code, VFZIP_BAD_NAME);
  }
}

TEST(vfzipPatterns, AllFilesPatternMatchesNamesWithAndWithoutDots) {
  EXPECT_TRUE(MatchesPattern("*.*", "theme.gdtheme"));
  EXPECT_TRUE(MatchesPattern("*.*", "README"));
  EXPECT_TRUE(MatchesPattern("*.*", ".hidden"));
  EXPECT_TRUE(MatchesPattern("*", "a.b.c"));
}

TEST(vfzipPatterns, WildcardsCompareWithoutCase) {
  EXPECT_TRUE(MatchesPattern("*.ico", "Desktop.ICO"));
  EXPECT_FALSE(MatchesPattern("*.ico", "desktop.icon"));
  EXPECT_FALSE(MatchesPattern("*.ico", "ico"));
  EXPECT_TRUE(MatchesPattern("?.cur", "a.cur"));
  EXPECT_FALSE(MatchesPattern("?.cur", "ab.cur"));
  EXPECT_TRUE(MatchesPattern("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(MatchesPattern("a*b*c", "aXXbYYbZ"));
  EXPECT_TRUE(MatchesPattern("theme.gdtheme", "THEME.GDTHEME"));
  EXPECT_FALSE(MatchesPattern("theme.gdtheme", "theme.gdthemes"));
  EXPECT_TRUE(MatchesPattern("*.gd*", "pack.gdtheme"));
}

}  // namespace
}  // namespace gd::vfzip
