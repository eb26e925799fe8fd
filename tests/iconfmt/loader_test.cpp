// LoadIcon, LoadAllIcons, ConvertToIconFile and BuildIconLibrary: reader choice and naming.
#include <gtest/gtest.h>

#include "iconfmt/icl_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/icon_loader.h"
#include "iconfmt/library_builder.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::BitmapImage;
using test::Bytes;

Bytes Image(std::uint8_t fill) { return BitmapImage({.fill = fill}); }

// A library of count groups, each of one image filled with its number, without stored names
// unless named.
Bytes Library(int count, bool named) {
  std::vector<IconGroup> groups;
  for (int g = 0; g < count; ++g) {
    groups.push_back(test::GroupOf({Image(static_cast<std::uint8_t>(g))}, named ? "Stored " + std::to_string(g) : ""));
  }
  return *EncodeIconLibrary(groups);
}

// Stands in for the system loader: "*.exe" files hold two groups named by resource names.
int executableCalls = 0;
std::optional<IconFile> FakeExecutableReader(const std::string& path, int index) {
  ++executableCalls;
  if (path.size() < 4 || path.substr(path.size() - 4) != ".exe") return std::nullopt;
  IconFile file;
  file.resourceNames = {"MAINICON", "#5"};
  for (int g = 0; g < 2; ++g) {
    if (index == -1 || index == g) file.groups.push_back(test::GroupOf({Image(static_cast<std::uint8_t>(100 + g))}));
  }
  if (file.groups.empty()) return std::nullopt;
  return file;
}

class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { executableCalls = 0; }
  test::TempDir dir;
};

TEST_F(LoaderTest, LoadIconChoosesTheReaderByExtension) {
  Bytes ico = test::IcoFile({Image(1), Image(2)});
  auto file = LoadIcon(dir.Write("a.ICO", ico), 5, FakeExecutableReader);
  ASSERT_TRUE(file) << "the icon reader ignores the index";
  EXPECT_EQ(file->groups[0].images.size(), 2u);
  EXPECT_EQ(executableCalls, 0);

  EXPECT_FALSE(LoadIcon(dir.Write("a.cur", test::IcoFile({Image(1)}, 2)), 0, FakeExecutableReader));
  EXPECT_FALSE(LoadIcon(dir.Write("a.ani", ico), 0, FakeExecutableReader));
  EXPECT_EQ(executableCalls, 2) << "cursors and animations go to the module readers and fail";

  executableCalls = 0;
  file = LoadIcon(dir.Write("lib.icl", Library(3, true)), 2, FakeExecutableReader);
  ASSERT_TRUE(file) << "the loader refuses the NE file, the library reader reads it";
  EXPECT_EQ(executableCalls, 1);
  ASSERT_EQ(file->groups.size(), 1u);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(2));
  EXPECT_TRUE(file->groups[0].name.empty()) << "LoadIcon reads no names";

  file = LoadIcon(dir.Path("prog.exe"), 1, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(101));
  EXPECT_FALSE(LoadIcon(dir.Path("missing.dll"), 0, FakeExecutableReader));
}

TEST_F(LoaderTest, LoadAllIconsNamesGroupsFromTheTitle) {
  auto file = LoadAllIcons(dir.Write("twelve.icl", Library(12, false)), true, FakeExecutableReader);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 12u);
  EXPECT_EQ(file->groups[0].name, "twelve.01");
  EXPECT_EQ(file->groups[11].name, "twelve.12");

  file = LoadAllIcons(dir.Write("five.icl", Library(5, false)), true, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "five.1");
  EXPECT_EQ(file->groups[4].name, "five.5");

  file = LoadAllIcons(dir.Write("one.cur", test::IcoFile({Image(1)}, 2)), false, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "one.1");

  file = LoadAllIcons(dir.Path("prog.exe"), false, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[1].name, "prog.2");
  EXPECT_EQ(file->resourceNames[1], "#5");
}

TEST_F(LoaderTest, LoadAllIconsKeepsStoredNamesUnlessBrowserNamesIsSet) {
  std::string path = dir.Write("named.icl", Library(3, true));
  auto file = LoadAllIcons(path, false, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "Stored 0");
  EXPECT_EQ(file->groups[2].name, "Stored 2");
  file = LoadAllIcons(path, true, FakeExecutableReader);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].name, "named.1");
}

TEST_F(LoaderTest, LoadAllIconsReadsAnimatedCursors) {
  Bytes ani = test::Riff({{"anih", test::AniHeader(1, 2, 5, 3)}, {"seq ", test::Words({0, 0})},
                          test::FrameList({test::IcoFile({Image(1)}, 2)})});
  auto file = LoadAllIcons(dir.Write("busy.ANI", ani), false, FakeExecutableReader);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->groups.size(), 1u);
  EXPECT_EQ(file->groups[0].name, "busy.1");
  EXPECT_EQ(file->groups[0].images.size(), 2u);
  EXPECT_EQ(executableCalls, 0);
}

TEST_F(LoaderTest, ConvertCopiesIconCursorAndAnimationFilesUnchanged) {
  Bytes cursor = test::IcoFile({Image(1)}, 2);
  cursor[10] = 7;  // a hotspot, which the model would not keep
  std::string source = dir.Write("arrow.cur", cursor);
  ASSERT_TRUE(ConvertToIconFile(source, 0, dir.Path("copy.cur"), FakeExecutableReader));
  EXPECT_EQ(test::ReadAll(dir.Path("copy.cur")), cursor);

  Bytes notAnAnimation = {'n', 'o', 't'};
  std::string ani = dir.Write("x.ani", notAnAnimation);
  ASSERT_TRUE(ConvertToIconFile(ani, 0, dir.Path("y.ani"), FakeExecutableReader)) << "copied, not parsed";
  EXPECT_EQ(test::ReadAll(dir.Path("y.ani")), notAnAnimation);

  std::string upper = source.substr(0, source.size() - 9) + "ARROW.CUR";
  EXPECT_TRUE(ConvertToIconFile(source, 0, upper, FakeExecutableReader)) << "onto itself";
  EXPECT_EQ(test::ReadAll(source), cursor);
  EXPECT_FALSE(ConvertToIconFile(dir.Path("gone.ico"), 0, dir.Path("out.ico"), FakeExecutableReader));
}

TEST_F(LoaderTest, ConvertWritesTheIndexedGroupOfALibraryOrProgram) {
  ASSERT_TRUE(ConvertToIconFile(dir.Write("lib.icl", Library(3, false)), 1, dir.Path("out"), FakeExecutableReader));
  auto file = LoadIcon(dir.Path("out.ico"), 0);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(1));

  ASSERT_TRUE(ConvertToIconFile(dir.Path("prog.exe"), 0, dir.Path("p.ico"), FakeExecutableReader));
  file = LoadIcon(dir.Path("p.ico"), 0);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->groups[0].images[0].bytes, Image(100));

  EXPECT_FALSE(ConvertToIconFile(dir.Path("lib.icl"), 3, dir.Path("none.ico"), FakeExecutableReader));
  EXPECT_TRUE(test::ReadAll(dir.Path("none.ico")).empty()) << "no file is created";
}

// The package saver adds each reference at the head of its list.
std::vector<std::string> NewestFirst(std::vector<std::string> added) { return {added.rbegin(), added.rend()}; }

TEST_F(LoaderTest, BuildIconLibraryKeepsTheOrderOfAdditionAndNumbersWithoutGaps) {
  std::string source = dir.Write("src.icl", Library(12, false));
  std::vector<std::string> added;
  for (int i = 0; i < 12; ++i) added.push_back(source + "," + std::to_string(i));
  added[2] = dir.Path("missing.ico") + ",0";
  std::string library = dir.Path("Pack.icl");
  ASSERT_EQ(BuildIconLibrary(library, NewestFirst(added), PathContext{}, FakeExecutableReader),
            BuildLibraryResult::Written);
  auto back = ReadLibraryIcons(library, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 11u);
  EXPECT_EQ(back->groups[0].name, "Pack 001");
  EXPECT_EQ(back->groups[1].name, "Pack 002");
  EXPECT_EQ(back->groups[2].name, "Pack 003");
  EXPECT_EQ(back->groups[2].images[0].bytes, Image(3)) << "the failed third reference used no number";
  EXPECT_EQ(back->groups[8].name, "Pack 009");
  EXPECT_EQ(back->groups[9].name, "Pack 010");
  EXPECT_EQ(back->groups[10].name, "Pack 011");
  EXPECT_EQ(back->groups[10].images[0].bytes, Image(11));
}

TEST_F(LoaderTest, BuildIconLibraryNamesBySizeOfTheReferenceList) {
  std::string icon = dir.Write("one.ico", test::IcoFile({Image(1)}));
  std::string cursor = dir.Write("one.cur", test::IcoFile({Image(1)}, 2));
  std::vector<std::string> refs(150, icon + ",0");
  refs[0] = cursor + ",0";  // skipped: LoadIcon reads no cursors
  std::string library = dir.Path("Big.icl");
  ASSERT_EQ(BuildIconLibrary(library, refs, PathContext{}, FakeExecutableReader), BuildLibraryResult::Written);
  auto back = ReadLibraryIcons(library, -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 149u);
  EXPECT_EQ(back->groups[0].name, "Big 1");
  EXPECT_EQ(back->groups[148].name, "Big 149");

  auto few = CollectLibraryGroups(dir.Path("Few.icl"), {icon + ",0", "\"" + icon + "\",0"}, PathContext{},
                                  FakeExecutableReader);
  ASSERT_EQ(few.size(), 2u);
  EXPECT_EQ(few[1].name, "Few 2");
}

TEST_F(LoaderTest, BuildIconLibraryEdgeCases) {
  EXPECT_EQ(BuildIconLibrary(dir.Path("Empty.icl"), {}, PathContext{}, FakeExecutableReader),
            BuildLibraryResult::NoReferences);
  EXPECT_TRUE(test::ReadAll(dir.Path("Empty.icl")).empty());

  ASSERT_EQ(BuildIconLibrary(dir.Path("None.icl"), {dir.Path("gone.ico") + ",0"}, PathContext{}, FakeExecutableReader),
            BuildLibraryResult::Written);
  auto back = ReadLibraryIcons(dir.Path("None.icl"), -1, true);
  ASSERT_TRUE(back) << "a library of no groups";
  EXPECT_TRUE(back->groups.empty());

  std::string icon = dir.Write("one.ico", test::IcoFile({Image(1)}));
  EXPECT_EQ(BuildIconLibrary(dir.Path("no-folder/x.icl"), {icon + ",0"}, PathContext{}, FakeExecutableReader),
            BuildLibraryResult::WriteFailed);
}

}  // namespace
}  // namespace gd
