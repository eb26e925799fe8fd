// Where a zipped package is unpacked, and packing a package's folder into a chosen archive.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "package/zipped_package.h"
#include "package_fixture.h"

namespace gd::package_test {
namespace {

// Records every call in order, so that "delete, then zip" can be checked.
class RecordingTool final : public ArchiveTool, public PackageFiles {
 public:
  bool Unzip(const std::string& archive, const std::string& destination) override {
    calls.push_back("unzip " + archive + " -> " + destination);
    return true;
  }
  bool Zip(const std::string& archive, const std::string& source) override {
    calls.push_back("zip " + archive + " <- " + source);
    return true;
  }
  std::vector<Entry> ListFolder(const std::string&) override { return {}; }
  bool RemoveFile(const std::string& path) override {
    calls.push_back("delete " + path);
    return true;
  }
  bool RemoveTree(const std::string& folder) override {
    calls.push_back("delete tree " + folder);
    return true;
  }
  std::vector<std::string> calls;
};

TEST(ZippedPackage, ArchiveTitleNamesTheFolderLessACopySuffix) {
  const std::string themes = std::string(kAppPath) + "\\Themes\\";
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\Down\\Blue.gd"), themes + "Blue");
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\Down\\Blue[1].gd"), themes + "Blue");
  EXPECT_EQ(InstallFolderFor(kAppPath, "Blue (x).zip"), themes + "Blue (x)");
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\Blue[12].ZIP"), themes + "Blue[12]");
  // Names that leave no folder of their own below Themes.
  for (const char* archive : {"D:\\[1].gd", "D:\\.gd", "D:\\...gd", "D:\\..[1].gd",
                              "D:\\con.gd"}) {
    EXPECT_EQ(InstallFolderFor(kAppPath, archive), std::nullopt) << archive;
  }
  EXPECT_EQ(InstallFolderFor(kAppPath, "D:\\" + std::string(240, 'n') + ".gd"), std::nullopt);

  RecordingTool tool;
  EXPECT_EQ(InstallZippedPackage(kAppPath, "D:\\Blue[1].gd", tool), themes + "Blue");
  EXPECT_EQ(InstallZippedPackage(kAppPath, "D:\\[1].gd", tool), std::nullopt);
  EXPECT_EQ(tool.calls, std::vector<std::string>{"unzip D:\\Blue[1].gd -> " + themes + "Blue"});
}

TEST(ZippedPackage, FirstPackageFileFoundInTheFolderTreeIsTheOne) {
  test::FakeShell shell;
  const std::string folder = std::string(kThemes) + "\\Blue";
  EXPECT_EQ(FindInstalledPackageFile(shell, folder), std::nullopt);
  shell.files = {folder + "\\a.ico", folder + "\\Deep\\Er\\Blue.GDTHEME", folder + "\\Zed.gdtheme"};
  EXPECT_EQ(FindInstalledPackageFile(shell, folder), folder + "\\Deep\\Er\\Blue.GDTHEME");
}

TEST(ZippedPackage, SavingAsksDeletesThenPacksThePackageFolder) {
  const std::string package = std::string(kThemes) + "\\Blue\\Blue.gdtheme";
  RecordingTool tool;
  FixedChooser cancel(std::nullopt);
  EXPECT_FALSE(SaveZippedPackage(package, kThemes, cancel, tool, tool));
  EXPECT_EQ(cancel.asked, (std::vector<std::pair<std::string, std::string>>{{kThemes, "Blue.gd"}}));
  EXPECT_TRUE(tool.calls.empty());

  FixedChooser chosen(std::string("D:\\Out\\Blue.gd"));
  EXPECT_TRUE(SaveZippedPackage(package, kThemes, chosen, tool, tool));
  EXPECT_EQ(tool.calls, (std::vector<std::string>{
                            "delete D:\\Out\\Blue.gd",
                            "zip D:\\Out\\Blue.gd <- " + std::string(kThemes) + "\\Blue\\*.*"}));

  // A package file without a folder would pack whatever the current directory holds.
  tool.calls.clear();
  EXPECT_FALSE(SaveZippedPackage("Blue.gdtheme", kThemes, chosen, tool, tool));
  EXPECT_TRUE(tool.calls.empty());
}

}  // namespace
}  // namespace gd::package_test
