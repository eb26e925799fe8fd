// Shortcut round trips through the shell link object, and deleting with the shell.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/shell.h"
#include "support/scratch_folder.h"

namespace gd {
namespace {

TEST(Shortcut, WriteThenReadGivesTargetAndIcon) {
  test::ScratchFolder folder;
  const std::string target = folder.Write("Program\\tool.exe", "MZ");
  const std::string link = folder / "Tool.lnk";
  ASSERT_TRUE(WriteShortcut(link, target, "A tool", folder / "icons.icl", 7));
  std::string readTarget, icon;
  int index = -1;
  ASSERT_TRUE(ReadShortcut(link, readTarget, icon, index));
  EXPECT_TRUE(_stricmp(readTarget.c_str(), target.c_str()) == 0) << readTarget;
  EXPECT_EQ(icon, folder / "icons.icl");
  EXPECT_EQ(index, 7);
}

TEST(Shortcut, WritingOnlyTheIconKeepsTheTarget) {
  test::ScratchFolder folder;
  const std::string target = folder.Write("Program\\tool.exe", "MZ");
  const std::string link = folder / "Tool.lnk";
  ASSERT_TRUE(WriteShortcut(link, target, "", "", 0));
  ASSERT_TRUE(WriteShortcut(link, "", "", folder / "new.ico", 3));
  std::string readTarget, icon;
  int index = 0;
  ASSERT_TRUE(ReadShortcut(link, readTarget, icon, index));
  EXPECT_TRUE(_stricmp(readTarget.c_str(), target.c_str()) == 0) << readTarget;
  EXPECT_EQ(icon, folder / "new.ico");
  EXPECT_EQ(index, 3);
}

TEST(Shortcut, ReadingWhatIsNotAShortcutLeavesTheOutputs) {
  test::ScratchFolder folder;
  std::string target = "t", icon = "i";
  int index = 42;
  EXPECT_FALSE(ReadShortcut(folder / "missing.lnk", target, icon, index));
  EXPECT_FALSE(ReadShortcut(folder.Write("junk.lnk", "not a shortcut at all"), target, icon,
                            index));
  EXPECT_EQ(target, "t");
  EXPECT_EQ(icon, "i");
  EXPECT_EQ(index, 42);
}

TEST(DeleteWithShell, RemovesAWholeFolder) {
  test::ScratchFolder folder;
  folder.Write("pkg\\a.ico", "1");
  folder.Write("pkg\\sub\\b.ico", "2");
  EXPECT_EQ(DeleteWithShell(folder / "pkg", 0), 0);
  EXPECT_FALSE(FileExists(folder / "pkg"));
  EXPECT_NE(DeleteWithShell(folder / "never-there", 0), 0);
}

}  // namespace
}  // namespace gd
