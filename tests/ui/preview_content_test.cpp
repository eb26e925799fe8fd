// The Preview window's content: which categories a package has, what a category lists and
// which format is shown first.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "iconfmt/icon_bytes.h"
#include "support/memory_ini.h"
#include "ui/preview_content.h"

namespace gd {
namespace {

using Texts = std::vector<std::string>;

TEST(PreviewContent, CategoriesAreTheIconSectionsAndEntriesKeepTheirOrderAndFormats) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "gd-preview-test";
  std::filesystem::create_directories(folder);
  const std::string package = (folder / "Night.gdtheme").string();
  {
    const test::Bytes ico = test::IcoFile({test::BitmapImage({.width = 16, .height = 16, .bitCount = 8}),
                                     test::BitmapImage({.width = 32, .height = 32, .bitCount = 4})});
    std::ofstream((folder / "Night.ico").string(), std::ios::binary).write(reinterpret_cast<const char*>(ico.data()),
                                                                          static_cast<std::streamsize>(ico.size()));
  }
  test::MemoryIni ini;
  ini.WriteString(package, "Package Info", "Author", "A. Tester");
  ini.WriteString(package, "Folder Icons", "Closed Folder", "%ThemeDir%Night.ico,0");
  ini.WriteString(package, "Software Info", "Version", "1");
  ini.WriteString(package, "Desktop Icons", "My Computer", "%ThemeDir%Night.ico");
  ini.WriteString(package, "Desktop Icons", "Recycle Bin (empty)", "%ThemeDir%Missing.ico,3");
  ini.WriteString(package, "Desktop Icons", "In Box", "");
  ini.WriteString(package, "INCLUDE", "Desktop", "1");
  EXPECT_EQ(PreviewCategories(ini, package), (Texts{"General Icons", "Folder Icons", "Desktop Icons"}));

  const auto general = PreviewEntries(ini, package, "General Icons");
  ASSERT_EQ(general.size(), 2u);
  EXPECT_EQ(general[0].key + " " + general[1].key, "My Computer Closed Folder") << "in the fixed order";
  EXPECT_EQ(general[0].file, (folder / "Night.ico").string());
  const auto desktop = PreviewEntries(ini, package, "Desktop Icons");
  ASSERT_EQ(desktop.size(), 2u) << "an empty value adds nothing";
  EXPECT_EQ(desktop[1].key + "," + std::to_string(desktop[1].index), "Recycle Bin (empty),3");
  // A missing icon adds no format; each format once.
  EXPECT_EQ(PreviewFormats(desktop), (Texts{"32 x 32,  16 colors", "16 x 16,  256 colors"}));
  std::filesystem::remove_all(folder);
}

TEST(PreviewContent, TheFormatShownIsTheOneBeforeOrTheShellsOwn) {
  const Texts formats{"16 x 16,  256 colors", "32 x 32,  16 colors", "32 x 32,  256 colors",
                      "32 x 32,  True colors (24-bit)", "48 x 48,  Windows XP"};
  const ShellIconLook standard{"ERROR", "ERROR"};
  EXPECT_EQ(ChooseFormat(formats, "48 X 48,  windows xp", standard), 4u) << "kept across categories";
  EXPECT_EQ(ChooseFormat(formats, "64 x 64,  Windows XP", standard), 2u);
  EXPECT_EQ(ChooseFormat(formats, "", {"32", "32"}), 3u);
  EXPECT_EQ(ChooseFormat(formats, "", {"32", "24"}), 1u) << "no colour word: the first of the size";
  EXPECT_EQ(ChooseFormat(formats, "", {"48", "16"}), 2u) << "no true-colour 48: the standard format";
  EXPECT_EQ(ChooseFormat({"16 x 16,  16 colors", "48 x 48,  16 colors"}, "", {"48", "16"}), 1u);
  EXPECT_EQ(ChooseFormat({"16 x 16,  16 colors", "32 x 32,  16 colors"}, "", {"48", "ERROR"}), 0u)
      << "no icon of the shell's size";
}

}  // namespace
}  // namespace gd
