// LoadIcon, LoadAllIcons, ConvertToIconFile and BuildIconLibrary: reader choice and naming.
#include <gtest/gtest.h>

#include "iconfmt/group_naming.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/library_builder.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::Bytes;

Bytes Image(int fill) { return test::BitmapImage({.fill = static_cast<std::uint8_t>(fill)}); }

// A library of count one-image groups, the image of group g filled with g.
Bytes Library(int count, bool named) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < count; ++g) groups.push_back(test::GroupOf({Image(g)}, named ? "Stored " + std::to_string(g) : ""));
  return *EncodeIconLibrary(groups);
}

// Stands in for the system loader: any "*.exe" holds two groups, image fills 100 and 101.
int executableCalls = 0;
std::optional<IconFile> FakeExecutables(const std::string& path, int index) {
  ++executableCalls;
  if (!path.ends_with(".exe") || index < -1 || index > 1) return std::nullopt;
  IconFile file{{}, {"MAINICON", "#5"}};
  for (int g = 0; g < 2; ++g) {
    if (index == -1 || index == g) file.groups.push_back(test::GroupOf({Image(100 + g)}));
  }
  return file;
}

class Loader : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(Loader, LoadIconChoosesTheReaderByExtension) {
  executableCalls = 0;
  auto file = LoadIcon(dir.Write("a.ICO", test::IcoFile({Image(1), Image(2)})), 5, FakeExecutables);
  ASSERT_TRUE(file) << "the index of an icon file is not used";
  EXPECT_EQ(file->groups.at(0).images.size(), 2u);
  EXPECT_EQ(executableCalls, 0);
  EXPECT_FALSE(LoadIcon(dir.Write("a.cur", test::IcoFile({Image(1)}, 2)), 0, FakeExecutables));
  file = LoadIcon(dir.Write("lib.icl", Library(3, true)), 2, FakeExecutables);
  ASSERT_TRUE(file) << "the loader refuses the NE file, the library reader takes it";
  EXPECT_EQ(executableCalls, 2);
  EXPECT_EQ(file->groups.at(0).images.at(0).bytes, Image(2));
  EXPECT_TRUE(file->groups[0].name.empty());
  file = LoadIcon(dir.Path("prog.exe"), 1, FakeExecutables);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups.at(0).images.at(0).bytes, Image(101));
}

TEST_F(Loader, LoadAllIconsNamesGroupsFromTheTitleUnlessNamesAreStored) {
  auto names = [&](const std::string& path, bool browserNames) {
    std::vector<std::string> result;
    if (auto file = LoadAllIcons(path, browserNames, FakeExecutables)) {
      for (const IconGroup& group : file->groups) result.push_back(group.name);
    }
    return result;
  };
  auto twelve = names(dir.Write("twelve.icl", Library(12, false)), false);
  ASSERT_EQ(twelve.size(), 12u);
  EXPECT_EQ(twelve[0], "twelve.01");
  EXPECT_EQ(twelve[11], "twelve.12");
  EXPECT_EQ(names(dir.Write("five.icl", Library(5, false)), true).back(), "five.5");
  std::string stored = dir.Write("named.icl", Library(3, true));
  EXPECT_EQ(names(stored, false), (std::vector<std::string>{"Stored 0", "Stored 1", "Stored 2"}));
  EXPECT_EQ(names(stored, true), (std::vector<std::string>{"named.1", "named.2", "named.3"}));
  EXPECT_EQ(names(dir.Write("one.cur", test::IcoFile({Image(1)}, 2)), false), (std::vector<std::string>{"one.1"}));
  EXPECT_EQ(names(dir.Path("prog.exe"), false), (std::vector<std::string>{"prog.1", "prog.2"}));
  Bytes ani = test::Riff({{"anih", test::AniHeader(1, 2, 5, 1)}, test::FrameList({test::IcoFile({Image(1)}, 2)})});
  EXPECT_EQ(names(dir.Write("busy.ANI", ani), false), (std::vector<std::string>{"busy.1"}));
}

TEST(GroupNames, PaddingFollowsTheCount) {
  EXPECT_EQ(ListedGroupName("s", 5, 9), "s.5");
  EXPECT_EQ(ListedGroupName("s", 9, 10), "s.09");
  EXPECT_EQ(ListedGroupName("s", 1, 100), "s.001");
  EXPECT_EQ(ListedGroupName("s", 42, 150), "s.042");
  EXPECT_EQ(ListedGroupName("s", 150, 150), "s.150");
  EXPECT_EQ(ListedGroupName(std::string(300, 't'), 1, 1).size(), 255u);
}

TEST_F(Loader, ConvertCopiesIconCursorAndAnimationFilesUnchanged) {
  Bytes cursor = test::IcoFile({Image(1)}, 2);
  cursor[10] = 7;  // a hotspot, which the model does not keep
  std::string source = dir.Write("arrow.cur", cursor);
  ASSERT_TRUE(ConvertToIconFile(source, 0, dir.Path("copy.cur"), FakeExecutables));
  EXPECT_EQ(test::ReadAll(dir.Path("copy.cur")), cursor);
  std::string ani = dir.Write("x.ani", Bytes{'n', 'o', 't'});
  ASSERT_TRUE(ConvertToIconFile(ani, 0, dir.Path("y.ani"), FakeExecutables)) << "copied, not read";
  EXPECT_EQ(test::ReadAll(dir.Path("y.ani")), (Bytes{'n', 'o', 't'}));
  EXPECT_TRUE(ConvertToIconFile(source, 0, dir.Path("ARROW.CUR"), FakeExecutables)) << "onto itself";
  EXPECT_FALSE(ConvertToIconFile(dir.Path("gone.ico"), 0, dir.Path("out.ico"), FakeExecutables));
}

TEST_F(Loader, ConvertWritesTheIndexedGroupOfALibraryOrProgram) {
  std::string library = dir.Write("lib.icl", Library(3, false));
  ASSERT_TRUE(ConvertToIconFile(library, 1, dir.Path("out"), FakeExecutables));
  ASSERT_TRUE(ConvertToIconFile(dir.Path("prog.exe"), 0, dir.Path("p.ico"), FakeExecutables));
  EXPECT_EQ(test::ReadAll(dir.Path("out.ico")), *EncodeIconFile(test::GroupOf({Image(1)}), IconFileType::Icon));
  EXPECT_EQ(test::ReadAll(dir.Path("p.ico")), *EncodeIconFile(test::GroupOf({Image(100)}), IconFileType::Icon));
  EXPECT_FALSE(ConvertToIconFile(library, 3, dir.Path("none.ico"), FakeExecutables));
  EXPECT_TRUE(test::ReadAll(dir.Path("none.ico")).empty()) << "no file is created";
}

// The package saver puts each new reference at the head of its list.
std::vector<std::string> NewestFirst(std::vector<std::string> added) { return {added.rbegin(), added.rend()}; }

std::vector<std::string> BuiltNames(const std::string& library, const std::vector<std::string>& added) {
  std::vector<std::string> names;
  if (BuildIconLibrary(library, NewestFirst(added), PathContext{}, FakeExecutables) != BuildLibraryResult::Written) {
    return names;
  }
  auto built = ReadLibraryIcons(library, -1, true);
  for (const IconGroup& group : built ? built->groups : std::vector<IconGroup>{}) names.push_back(group.name);
  return names;
}

TEST_F(Loader, BuildIconLibraryKeepsTheOrderOfAdditionAndNumbersWithoutGaps) {
  std::string source = dir.Write("src.icl", Library(12, false));
  std::vector<std::string> added;
  for (int i = 0; i < 12; ++i) added.push_back(source + "," + std::to_string(i));
  auto names = BuiltNames(dir.Path("Pack.icl"), added);
  ASSERT_EQ(names.size(), 12u);
  EXPECT_EQ(names[0], "Pack 001");
  EXPECT_EQ(names[8], "Pack 009");
  EXPECT_EQ(names[9], "Pack 010");
  added[2] = dir.Path("one.cur") + ",0";  // cursors do not load: skipped without using up a number
  dir.Write("one.cur", test::IcoFile({Image(1)}, 2));
  names = BuiltNames(dir.Path("Pack.icl"), added);
  ASSERT_EQ(names.size(), 11u);
  EXPECT_EQ(names[10], "Pack 011");
  auto third = ReadLibraryIcons(dir.Path("Pack.icl"), 2, false);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->groups.at(0).images.at(0).bytes, Image(3));

  names = BuiltNames(dir.Path("Big.icl"), std::vector<std::string>(150, "\"" + source + "\",4"));
  ASSERT_EQ(names.size(), 150u);
  EXPECT_EQ(names[0], "Big 1");
  EXPECT_EQ(names[149], "Big 150");
  EXPECT_EQ(BuiltNames(dir.Path("Few.icl"), {dir.Path("prog.exe") + ",1"}), (std::vector<std::string>{"Few 1"}));
}

TEST_F(Loader, BuildIconLibraryEdgeCases) {
  EXPECT_EQ(BuildIconLibrary(dir.Path("E.icl"), {}, PathContext{}, FakeExecutables), BuildLibraryResult::NoReferences);
  EXPECT_TRUE(test::ReadAll(dir.Path("E.icl")).empty());
  EXPECT_TRUE(BuiltNames(dir.Path("None.icl"), {dir.Path("gone.ico") + ",0"}).empty());
  EXPECT_TRUE(ReadLibraryIcons(dir.Path("None.icl"), -1, true)) << "a library of no groups";
  EXPECT_EQ(BuildIconLibrary(dir.Path("no-folder/x.icl"), {dir.Path("prog.exe") + ",0"}, PathContext{}, FakeExecutables),
            BuildLibraryResult::WriteFailed);
}

}  // namespace
}  // namespace gd
