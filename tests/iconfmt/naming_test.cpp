// Group names of listed files and of built libraries.
#include <gtest/gtest.h>

#include "iconfmt/group_naming.h"

namespace gd {
namespace {

TEST(ListedGroupName, PadsToTheDigitsOfTheGroupCount) {
  EXPECT_EQ(ListedGroupName("shell", 1, 1), "shell.1");
  EXPECT_EQ(ListedGroupName("shell", 5, 9), "shell.5");
  EXPECT_EQ(ListedGroupName("shell", 1, 10), "shell.01");
  EXPECT_EQ(ListedGroupName("shell", 9, 12), "shell.09");
  EXPECT_EQ(ListedGroupName("shell", 12, 12), "shell.12");
  EXPECT_EQ(ListedGroupName("shell", 99, 99), "shell.99");
  EXPECT_EQ(ListedGroupName("shell", 1, 100), "shell.001");
  EXPECT_EQ(ListedGroupName("shell", 42, 150), "shell.042");
  EXPECT_EQ(ListedGroupName("shell", 100, 150), "shell.100");
  EXPECT_EQ(ListedGroupName("shell", 1234, 2000), "shell.1234");
}

TEST(LibraryGroupName, ZerosOnlyForTenToNinetyNineReferences) {
  EXPECT_EQ(LibraryGroupName("Pack", 1, 1), "Pack 1");
  EXPECT_EQ(LibraryGroupName("Pack", 9, 9), "Pack 9");
  EXPECT_EQ(LibraryGroupName("Pack", 1, 12), "Pack 001");
  EXPECT_EQ(LibraryGroupName("Pack", 9, 12), "Pack 009");
  EXPECT_EQ(LibraryGroupName("Pack", 10, 12), "Pack 010");
  EXPECT_EQ(LibraryGroupName("Pack", 11, 99), "Pack 011");
  EXPECT_EQ(LibraryGroupName("Pack", 1, 100), "Pack 1");
  EXPECT_EQ(LibraryGroupName("Pack", 150, 150), "Pack 150");
}

TEST(GroupNames, AreCutTo255Characters) {
  std::string title(300, 't');
  EXPECT_EQ(ListedGroupName(title, 1, 1).size(), 255u);
  EXPECT_EQ(LibraryGroupName(title, 1, 1).size(), 255u);
}

}  // namespace
}  // namespace gd
