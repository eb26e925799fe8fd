// Glintview's portable logic: the start argument, what opening a file shows and tells, the
// image rows, saving and gathering read back through the readers, and the kept place.
#include <gtest/gtest.h>

#include <filesystem>

#include "glintview/browsed_file.h"
#include "glintview/icon_output.h"
#include "glintview/image_rows.h"
#include "glintview/start_argument.h"
#include "glintview/window_place.h"
#include "iconfmt/icon_bytes.h"
#include "iconfmt/ico_reader.h"
#include "iconfmt/ne_reader.h"
#include "support/memory_registry.h"

namespace gd::glintview {
namespace {

using namespace test;

// Each group's name and image bytes.
using Contents = std::vector<std::pair<std::string, std::vector<Bytes>>>;
Contents ContentsOf(const std::vector<IconGroup>& groups) {
  Contents contents;
  for (const IconGroup& group : groups) {
    contents.emplace_back(group.name, std::vector<Bytes>{});
    for (const IconImage& image : group.images) contents.back().second.push_back(image.bytes);
  }
  return contents;
}

Bytes Image(std::uint8_t fill, std::int32_t size = 32, std::uint16_t bits = 4) {
  return BitmapImage({.width = size, .height = size, .bitCount = bits, .fill = fill});
}

// A library of three groups, the first two named: images 1 and 2, image 3, image 4 (16 pixels).
// Its group directories claim 744 bytes an image, which all of these fit.
Bytes ThreeGroupLibrary() {
  return NeModule({.groups = {{0x8001, GroupDirectory({1, 2})}, {0x8002, GroupDirectory({3})}, {0x8003, GroupDirectory({4})}},
                   .icons = {{0x8001, Image(1)}, {0x8002, Image(2)}, {0x8003, Image(3)}, {0x8004, Image(4, 16)}},
                   .names = {"ICL", "Folder", "Drive"}});
}

std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(StartArgument, TakesTheWholeLineQuotedOrNotWithTheIndexAfterTheLastComma) {
  const auto plain = ParseStartArgument("  C:\\My Icons\\a,b.icl,12 \r\n");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->path + "|" + std::to_string(plain->index), "C:\\My Icons\\a,b.icl|12");
  const auto quoted = ParseStartArgument("\"C:\\My Icons\\pack.ico\"");
  ASSERT_TRUE(quoted);
  EXPECT_EQ(quoted->path + "|" + std::to_string(quoted->index), "C:\\My Icons\\pack.ico|0");
  const auto quotedPath = ParseStartArgument("\"C:\\Programs\\tool.exe\",3");
  ASSERT_TRUE(quotedPath);
  EXPECT_EQ(quotedPath->path + "|" + std::to_string(quotedPath->index), "C:\\Programs\\tool.exe|3");
  EXPECT_FALSE(ParseStartArgument(" \t"));
  EXPECT_FALSE(ParseStartArgument("\"\""));
}

TEST(OpenIconSource, LabelsGroupsByStoredNameElseIndexAndCountsThem) {
  ScratchFolder folder;
  const OpenResult library = OpenIconSource(folder.Write("Pack.icl", Text(ThreeGroupLibrary())));
  ASSERT_TRUE(library.file) << library.status;
  EXPECT_EQ(library.file->labels, (std::vector<std::string>{"Folder", "Drive", "2"}));
  EXPECT_EQ(library.status, "Pack.icl: 3 groups, 4 images");
  EXPECT_FALSE(library.file->animation);

  const OpenResult icon = OpenIconSource(folder.Write("One.ico", Text(IcoFile({Image(5)}))));
  ASSERT_TRUE(icon.file);
  EXPECT_EQ(icon.file->labels, std::vector<std::string>{"0"}) << "the loader's numbered name is no stored name";
  EXPECT_EQ(icon.status, "One.ico: 1 group, 1 image");

  const Bytes frame = IcoFile({Image(6)}, 2);
  const OpenResult animation =
      OpenIconSource(folder.Write("Spin.ani", Text(Riff({AniHeader(2, 2, 1), FrameList({frame, frame})}))));
  ASSERT_TRUE(animation.file);
  EXPECT_TRUE(animation.file->animation);
  EXPECT_EQ(animation.status, "Spin.ani: 1 group, 2 images") << "one image per step";
}

TEST(OpenIconSource, TellsWhyAFileShowsNothing) {
  ScratchFolder folder;
  EXPECT_EQ(OpenIconSource(folder / "Gone.ico").status,
            "Gone.ico could not be read: the file is missing, cannot be opened or is too large.");
  Bytes truncated = IcoFile({Image(1)});
  truncated.resize(100);
  EXPECT_EQ(OpenIconSource(folder.Write("Cut.ico", Text(truncated))).status,
            "Cut.ico could not be read: it is no icon, cursor or icon library, or it is damaged.");
  Bytes library = ThreeGroupLibrary();
  library[64 + 0x24] = library[64 + 0x25] = 0xFF;  // the resource table now lies outside the file
  EXPECT_EQ(OpenIconSource(folder.Write("Broken.icl", Text(library))).status,
            "Broken.icl could not be read: it is no icon, cursor or icon library, or it is damaged.");
  // A program file that the system loader would read: "MZ", the header's place, "PE".
  Bytes program(64, 0);
  program[0] = 'M', program[1] = 'Z', program[60] = 64;
  program.insert(program.end(), {'P', 'E', 0, 0});
  program.resize(512, 0);
  const OpenResult none = OpenIconSource(folder.Write("Plain.dll", Text(program)));
  EXPECT_FALSE(none.file);
  EXPECT_EQ(none.status, "The file Plain.dll holds no icons.");
}

TEST(ImageRows, WordFormatsAsTheIconLibraryAndTellHowEachImageIsStored) {
  IconGroup group = GroupOf({Image(1, 48, 8), PngImage(256, 256, 8, 6)});
  EXPECT_EQ(ImageRows(group, false)[0].format, "48 x 48,  256 colors");
  EXPECT_EQ(ImageRows(group, false)[0].stored, "bitmap, " + std::to_string(Image(1, 48, 8).size()) + " bytes");
  EXPECT_EQ(ImageRows(group, false)[1].number + " " + ImageRows(group, false)[1].format, "2 256 x 256,  Windows XP");
  EXPECT_EQ(ImageRows(group, false)[1].stored.substr(0, 5), "PNG, ");
  group.images[0].displayRate = 8;
  group.images[1] = IconImage{};  // a step whose frame is missing
  const auto steps = ImageRows(group, true);
  EXPECT_EQ(steps[0].stored, "bitmap, " + std::to_string(Image(1, 48, 8).size()) + " bytes; shows 8/60 s");
  EXPECT_EQ(steps[1].format + " " + steps[1].stored, "- no image: its frame is missing");
}

TEST(GridImage, NearestToTheWantedSizeThenDeepestAndNeverAnEmptyStep) {
  const IconGroup group = GroupOf({Image(1, 16), Image(2, 48, 8), Image(3, 32), Image(4, 32, 8), Image(5, 32, 1)});
  EXPECT_EQ(GridImage(group, 32), 3u);
  EXPECT_EQ(GridImage(group, 40), 1u) << "48 is nearer than 32";
  IconGroup steps;
  steps.images.resize(2);
  EXPECT_FALSE(GridImage(steps, 32));
}

TEST(SaveGroupAsIcon, WritesTheGroupThatReadsBackEqual) {
  ScratchFolder folder;
  const OpenResult opened = OpenIconSource(folder.Write("Pack.icl", Text(ThreeGroupLibrary())));
  ASSERT_TRUE(opened.file);
  EXPECT_EQ(ProposedIconName(*opened.file, 0), "Pack Folder.ico");
  const WriteResult saved = SaveGroupAsIcon(*opened.file, 0, folder / "Saved");
  EXPECT_EQ(saved.status, "Group Folder saved as " + folder / "Saved.ico" + ".");
  const auto back = ReadIcoFile(folder / "Saved.ico");
  ASSERT_TRUE(back);
  EXPECT_EQ(ContentsOf(back->groups), (Contents{{"", {Image(1), Image(2)}}}));

  // Steps without an image are left out; a folder that is not there is told.
  BrowsedFile steps{"Spin.ani", {{GroupOf({Image(7)})}, {}}, {"0"}, true};
  steps.icons.groups[0].images.emplace_back();
  EXPECT_TRUE(SaveGroupAsIcon(steps, 0, folder / "Spin.ico").written);
  EXPECT_EQ(ContentsOf(ReadIcoFile(folder / "Spin.ico")->groups), (Contents{{"", {Image(7)}}}));
  std::filesystem::create_directory(folder / "Busy.ico");
  const WriteResult failed = SaveGroupAsIcon(steps, 0, folder / "Busy");
  EXPECT_FALSE(failed.written);
  EXPECT_EQ(failed.status, "Group 0 could not be saved: " + folder / "Busy.ico" + " could not be written.");
}

TEST(GatherIntoLibrary, WritesTheChosenGroupsInFileOrderNamedAfterTheLibrary) {
  ScratchFolder folder;
  const OpenResult opened = OpenIconSource(folder.Write("Pack.icl", Text(ThreeGroupLibrary())));
  ASSERT_TRUE(opened.file);
  const std::vector<std::size_t> chosen{2, 0, 2};
  const WriteResult gathered = GatherIntoLibrary(*opened.file, chosen, folder / "Mine.icl");
  EXPECT_EQ(gathered.status, "2 groups gathered into " + folder / "Mine.icl" + ".");
  const auto back = ReadLibraryIcons(folder / "Mine.icl", -1, true);
  ASSERT_TRUE(back);
  EXPECT_EQ(ContentsOf(back->groups), (Contents{{"Mine 1", {Image(1), Image(2)}}, {"Mine 2", {Image(4, 16)}}}));

  // More images than a library takes: nothing is written.
  BrowsedFile large{"Large.icl", {}, {}, false};
  large.icons.groups.assign(2, GroupOf(std::vector<Bytes>(501, Image(1))));
  const std::vector<std::size_t> both{0, 1};
  const WriteResult refused = GatherIntoLibrary(large, both, folder / "Large.icl");
  EXPECT_FALSE(refused.written);
  EXPECT_EQ(refused.status, "A library holds at most 1000 groups and 1000 images; choose fewer groups.");
  EXPECT_FALSE(ReadLibraryIcons(folder / "Large.icl", -1, true));
}

TEST(WindowPlace, KeptAsFourDecimalTextsAndIgnoredWhenAnyIsNoNumber) {
  MemoryRegistry backend;
  Registry registry(backend);
  EXPECT_FALSE(ReadWindowPlace(registry));
  WriteWindowPlace(registry, {-8, 40, 640, 480});
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck\\Glintview", "Left"), "-8");
  const auto place = ReadWindowPlace(registry);
  ASSERT_TRUE(place);
  EXPECT_EQ(std::vector<int>({place->left, place->top, place->width, place->height}), std::vector<int>({-8, 40, 640, 480}));
  registry.WriteRegString(RegRoot::CurrentUser, kPlaceKey, "Height", "480px");
  EXPECT_FALSE(ReadWindowPlace(registry));
}

}  // namespace
}  // namespace gd::glintview
