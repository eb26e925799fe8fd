// Real archives made by VFZip.dll, installed into a scratch Themes folder and loaded from
// there, and a package packed back into an archive through a chosen name (Windows, Wine).
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "package/package_host_win32.h"
#include "package/zipped_package_win32.h"
#include "package_fixture.h"
#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/shell.h"
#include "platform/shell_queries.h"
#include "platform/ini_win32.h"
#include "platform/zip_library.h"
#include "support/scratch_folder.h"

namespace gd::package_test {
namespace {

using Files = std::map<std::string, std::string>;

std::string BesideThisProgram(const std::string& name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return FolderOf(path) + name;
}

class ZippedPackageWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gd::FileExists(library)) GTEST_SKIP() << "VFZip.dll is not built";
    GetCurrentDirectoryA(MAX_PATH, workingDir);
    CreateDirectoryA(themes.c_str(), nullptr);
    backend.PutText(RegRoot::LocalMachine, kZipLibraryKey, kZipLibraryValue, library);
    state.appPath = scratch.path();
    state.themesDir = themes;
    catalogue = std::make_unique<SlotCatalogue>(
        InputsFor(os::kWindowsXp),
        CatalogueSystem{registry, SystemIni(), SystemShell(), prompt, notice});
    catalogue->AddSlot(0, "My Computer", std::nullopt, "", "", "C:\\pc.dll", 0,
                       SlotKind::BuiltIn, 0);
  }
  // Packing makes the packed folder the current directory; the scratch folder must be
  // left to be removed.
  void TearDown() override { SetCurrentDirectoryA(workingDir); }

  std::string MakeArchive(const std::string& name, const Files& files) {
    const std::string source = "source " + name;
    for (const auto& [file, bytes] : files) scratch.Write(source + "\\" + file, bytes);
    const std::string archive = scratch / name;
    CreateDirectoryA(FolderOf(archive).c_str(), nullptr);
    EXPECT_TRUE(ZipFolder(library, prompt, archive, scratch / source + "\\*.*"));
    SetCurrentDirectoryA(workingDir);
    return archive;
  }
  int Load(const std::string& file) {
    state.packageFile = file;
    return LoadPackage(*catalogue, state, events, host);
  }
  std::string PackageFolderSlot() { return catalogue->Find(0, "My Computer")->iconPath; }

  test::ScratchFolder scratch;
  const std::string themes = scratch / "Themes";
  const std::string library = BesideThisProgram("VFZip.dll");
  char workingDir[MAX_PATH] = {};
  test::MemoryRegistry backend;
  Registry registry{backend};
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
  std::unique_ptr<SlotCatalogue> catalogue;
  PageState state;
  RecordingEvents events;
  int restores = 0;
  Win32PackageHost host{registry, prompt, scratch.path(), [&](bool) { ++restores; },
                        [&](bool) { ++restores; }};
};

TEST_F(ZippedPackageWin32, ArchiveInstallsWithoutItsCopySuffixAndLoads) {
  const std::string archive = MakeArchive(
      "Blue[1].gd", {{"Blue.gdtheme", "[Desktop Icons]\r\nMy Computer=%ThemeDir%Blue.icl,3\r\n"},
                     {"Blue.icl", "not really a library"}});
  ASSERT_EQ(Load(archive), 1);
  EXPECT_EQ(state.packageFile, themes + "\\Blue\\Blue.gdtheme");
  EXPECT_TRUE(gd::FileExists(themes + "\\Blue\\Blue.icl"));
  EXPECT_EQ(PackageFolderSlot(), themes + "\\Blue\\Blue.icl");
  EXPECT_EQ(catalogue->Find(0, "My Computer")->iconIndex, 3);
  EXPECT_EQ(restores, 1) << "icons restored first, cursors not";
  EXPECT_FALSE(gd::FileExists(themes + "\\Blue.lnk"));
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(ZippedPackageWin32, PackageInASubfolderIsFoundAndASecondArchiveGoesOverTheFirst) {
  MakeArchive("first\\Green.zip", {{"Old.txt", "old"}});
  ASSERT_EQ(Load(scratch / "first\\Green.zip"), 0) << "no package file in it";
  const std::string archive = MakeArchive(
      "Green.zip", {{"Inner\\Green.gdtheme", "[Desktop Icons]\r\nMy Computer=%ThemeDir%g.ico\r\n"}});
  ASSERT_EQ(Load(archive), 1);
  EXPECT_EQ(state.packageFile, themes + "\\Green\\Inner\\Green.gdtheme");
  EXPECT_EQ(PackageFolderSlot(), themes + "\\Green\\Inner\\g.ico");
  EXPECT_TRUE(gd::FileExists(themes + "\\Green\\Old.txt")) << "unpacked into the same folder";
}

TEST_F(ZippedPackageWin32, OutsidePackageLoadsWithAShortcutAndPacksIntoAnArchive) {
  const std::string folder = scratch / "Packs\\Red";
  scratch.Write("Packs\\Red\\Red.gdtheme", "[Desktop Icons]\r\nMy Computer=%ThemeDir%r.ico\r\n");
  scratch.Write("Packs\\Red\\r.ico", "icon");
  const std::string archive = scratch.Write("Out\\Red.gd", "an old archive, not a zip at all");
  ASSERT_EQ(Load(folder + "\\Red.gdtheme"), 1);
  std::string target;
  std::string iconFile;
  int iconIndex = 0;
  ASSERT_TRUE(ReadShortcut(themes + "\\Red.lnk", target, iconFile, iconIndex));
  EXPECT_EQ(target, folder + "\\Red.gdtheme");


  FixedChooser chooser(archive);
  ZipLibraryTool tool(registry, prompt);
  Win32PackageFiles files;
  ASSERT_TRUE(SaveZippedPackage(folder + "\\Red.gdtheme", themes, chooser, tool, files));
  SetCurrentDirectoryA(workingDir);

  ASSERT_EQ(host.InstallZippedPackage(archive), themes + "\\Red");
  EXPECT_TRUE(gd::FileExists(themes + "\\Red\\Red.gdtheme"));
  EXPECT_TRUE(gd::FileExists(themes + "\\Red\\r.ico"));
}

}  // namespace
}  // namespace gd::package_test
