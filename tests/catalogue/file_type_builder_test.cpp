// File type rules the version listings cannot show whole: shell32 numbers by shell version,
// the types left out, and thousands of added types.
#include <cstdio>

#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kFiles = Category::Files;

TEST_F(BuilderTest, FileTypeDefaultsFollowTheShellVersionWhere98DidNotFixThem) {
  backend.PutText(kHkcr, ".ini", "", "inifile");
  backend.PutText(kHkcr, ".bat", "", "batfile");
  // 98 and an unknown version fixed the batch file number, not the configuration one.
  for (const auto& [os, shell, expected] : std::vector<std::tuple<Os, std::uint32_t, std::string>>{
           {Os::Windows98, 0x40047, "62 65"}, {Os::Unknown, 0x40000, "58 65"}}) {
    shellVersion = shell;
    Build(kFiles, os);
    EXPECT_EQ(std::to_string(SlotIn(kFiles, "Configuration Settings").defaultIndex) + " " +
                  std::to_string(SlotIn(kFiles, "MS-DOS Batch File").defaultIndex),
              expected);
  }
}

TEST_F(BuilderTest, FileTypesWithoutAClassOrDrawnAsThemselvesAreLeftOutAndThousandsAddedAreCut) {
  backend.Put(kHkcr, ".txt", "", regtype::kDword, {1, 0, 0, 0});  // a number is no class
  backend.PutText(kHkcr, ".bat", "", "");                         // nor is an empty text
  backend.PutText(kHkcr, ".bmp", "", "Paint.Picture");
  for (const std::string bitmap : {"%1", "\"%1\"", "%1.ico,0"}) {
    backend.PutText(kHkcr, "Paint.Picture\\DefaultIcon", "", bitmap);
    EXPECT_EQ(Build(kFiles, Os::WindowsXp).size(), bitmap.size() > 4 ? 4u : 3u) << bitmap;
  }
  // Of thousands of added types, the sections that fit the profile buffer, whole and in order.
  const std::string file = std::string(version_test::kAppPath) + "\\file icons.ini";
  char name[24];
  for (int i = 0; i < 3000; ++i) {
    std::snprintf(name, sizeof name, ".t%04d", i);
    ini.WriteString(file, name, "Default", "");
  }
  const Names names = Build(kFiles, Os::WindowsXp);
  ASSERT_GT(names.size(), 4u + 100u);
  EXPECT_LT(names.size(), 4u + 3000u);
  for (std::size_t i = 4; i < names.size(); ++i) {
    std::snprintf(name, sizeof name, "T%04d File (.t%04d)", int(i - 4), int(i - 4));
    ASSERT_EQ(names[i], name);
  }
}

}  // namespace
}  // namespace gd::test
