// File existence and the file search's order, pattern and recursion rules.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/scratch_folder.h"

namespace gd {
namespace {

TEST(FileExists, ExactPathsOnly) {
  test::ScratchFolder folder;
  const std::string file = folder.Write("a.ico", "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(folder.path()));
  EXPECT_FALSE(FileExists(folder / "b.ico"));
  EXPECT_FALSE(FileExists(folder / "*.ico"));  // a wildcard would find some other file
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(folder.path() + "\\" + std::string(300, 'a')));
}

TEST(FindFiles, FindsMatchesAnyCaseWithTheFirstFoundLast) {
  test::ScratchFolder folder;
  folder.Write("one.gdtheme", "");
  folder.Write("Two.GDTHEME", "");
  folder.Write("notes.txt", "");
  folder.Write("sub\\three.gdtheme", "");
  folder.Write(".hidden\\four.gdtheme", "");

  std::string dir = folder.path();
  TextList flat;
  int count = 5;  // the count is added to, not reset
  FindFiles(dir, "*.gdtheme", false, flat, count);
  EXPECT_EQ(dir, folder.path() + "\\");
  EXPECT_EQ(count, 7);
  ASSERT_EQ(flat.size(), 2u);

  TextList deep;
  count = 0;
  FindFiles(dir, "*.GDTHEME", true, deep, count);
  EXPECT_EQ(count, 3);  // folders starting with "." are not searched
  EXPECT_NE(std::find(deep.begin(), deep.end(), folder / "sub\\three.gdtheme"), deep.end());

  // Whatever order the system lists in, the list holds it reversed.
  TextList all;
  count = 0;
  FindFiles(dir, "*.*", false, all, count);
  EXPECT_EQ(count, 3);
  TextList again;
  FindFiles(dir, "*.*", false, again, count);
  EXPECT_EQ(all, again);

  TextList exact;
  count = 0;
  FindFiles(dir, "NOTES.TXT", true, exact, count);
  EXPECT_EQ(exact, TextList{folder / "notes.txt"});
}

TEST(FindFiles, MissingFolderFindsNothing) {
  test::ScratchFolder folder;
  std::string dir = folder / "absent";
  TextList list;
  int count = 0;
  FindFiles(dir, "*.*", true, list, count);
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace gd
