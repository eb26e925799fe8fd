// The "gdctl icon" commands run in-process: output lines, files written, exit status, errors.
#include <gtest/gtest.h>

#include <sstream>

#include "gdctl/command_group.h"
#include "iconfmt/icl_writer.h"
#include "iconfmt/ico_writer.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ne_reader.h"

namespace gd {
namespace {

using test::Bytes;

struct CommandResult {
  int status;
  std::string out, err;
};

CommandResult Gdctl(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = gdctl::RunCommandLine(args, out, err);
  return {status, out.str(), err.str()};
}

class GdctlIcon : public ::testing::Test {
 protected:
  test::TempDir dir;
  const Bytes big = test::BitmapImage({.width = 32, .height = 32, .bitCount = 4, .fill = 1});
  const Bytes small = test::BitmapImage({.width = 16, .height = 16, .bitCount = 8, .fill = 2});
  const Bytes png = test::PngImage(256, 256, 8, 6);
};

TEST_F(GdctlIcon, ListPrintsIndexNameAndFormatsOfEveryGroup) {
  std::vector<IconGroup> groups = {test::GroupOf({big, small}, "First"), test::GroupOf({png}, "Second")};
  CommandResult run = Gdctl({"icon", "list", dir.Write("lib.icl", *EncodeIconLibrary(groups))});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0\tFirst\t32 x 32,  16 colors; 16 x 16,  256 colors\n1\tSecond\t256 x 256,  Windows XP\n");
  Bytes ani = test::Riff({{"anih", test::AniHeader(2, 2, 5, 1)},
                          test::FrameList({test::IcoFile({big}, 2), test::IcoFile({small}, 2)})});
  EXPECT_EQ(Gdctl({"icon", "list", dir.Write("busy.ani", ani)}).out,
            "0\tbusy.1\t32 x 32,  16 colors; 16 x 16,  256 colors\n");
  run = Gdctl({"icon", "list", dir.Path("missing.ico")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line";
}

TEST_F(GdctlIcon, ExtractWritesTheGroupAsAnIconFile) {
  std::vector<IconGroup> groups = {test::GroupOf({big}, "a"), test::GroupOf({small, png}, "b")};
  std::string library = dir.Write("lib.icl", *EncodeIconLibrary(groups));
  EXPECT_EQ(Gdctl({"icon", "extract", library, "1", dir.Path("out.ico")}).status, 0);
  EXPECT_EQ(test::ReadAll(dir.Path("out.ico")), *EncodeIconFile(groups[1], IconFileType::Icon));
  CommandResult run = Gdctl({"icon", "extract", library, "2", dir.Path("none.ico")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot write icon 2"), std::string::npos);
  EXPECT_EQ(Gdctl({"icon", "extract", library, "x1", dir.Path("o.ico")}).status, 2);
}

TEST_F(GdctlIcon, LibraryKeepsTheReferencesInTheOrderGiven) {
  std::string a = dir.Write("a.ico", test::IcoFile({big})), b = dir.Write("b.ico", test::IcoFile({small}));
  CommandResult run = Gdctl({"icon", "library", dir.Path("Pack.icl"), b + ",0", a + ",0", dir.Path("x.ico") + ",0"});
  EXPECT_EQ(run.status, 0) << run.err;
  auto back = ReadLibraryIcons(dir.Path("Pack.icl"), -1, true);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->groups.size(), 2u);
  EXPECT_EQ(back->groups[0].name, "Pack 1");
  EXPECT_EQ(back->groups[0].images.at(0).bytes, small);
  EXPECT_EQ(back->groups[1].images.at(0).bytes, big);
  run = Gdctl({"icon", "library", dir.Path("no-folder/x.icl"), a + ",0"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("error saving icl file"), std::string::npos);
}

TEST(Gdctl, HelpAndUsageErrors) {
  EXPECT_EQ(Gdctl({"--help"}).status, 0);
  CommandResult run = Gdctl({"icon", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("gdctl icon library"), std::string::npos);
  for (auto args : std::vector<std::vector<std::string>>{{}, {"paint"}, {"icon"}, {"icon", "draw"}, {"icon", "list"},
                                                         {"icon", "library", "x.icl"}}) {
    EXPECT_EQ(Gdctl(args).status, 2) << args.size();
  }
}

}  // namespace
}  // namespace gd
