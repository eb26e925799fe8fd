// The "Icon" page in a real property sheet for a shortcut, a folder and a file, driven by
// its window messages with a stand-in picker; each change is read back from where the shell
// reads it, only after Apply.
#include "companions/proptab/proptab_harness_win32.h"

#include "companions/proptab/proptab_ids.h"
#include "iconfmt/icon_bytes.h"
#include "platform/shell.h"
#include "support/dialog_driver_win32.h"
#include "support/scratch_folder.h"

#include <shlwapi.h>

namespace gd::test {
namespace {

class ProptabPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dll.module);
    ASSERT_TRUE(CopyFileA(BesideTests("fake_pickicon.dll").c_str(), picker.c_str(), FALSE));
    moon = scratch.Write("moon.ico", AsText(IcoFile({BitmapImage({.width = 16, .height = 16}),
                                                     BitmapImage({.width = 48, .height = 48}),
                                                     BitmapImage({.width = 32, .height = 32})})));
    SetEnvironmentVariableA("GD_FAKE_PICK_ASKED", nullptr);
  }
  void TearDown() override { DeleteFileA(picker.c_str()); }
  static std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }
  static void Pick(const std::string& answer) { SetEnvironmentVariableA("GD_FAKE_PICK", answer.c_str()); }
  static std::string Asked() {
    char text[600] = {};
    GetEnvironmentVariableA("GD_FAKE_PICK_ASKED", text, sizeof text);
    return text;
  }
  static std::string Profile(const std::string& ini, const char* key) {
    char text[MAX_PATH] = {};
    GetPrivateProfileStringA(".ShellClassInfo", key, "(missing)", text, MAX_PATH, ini.c_str());
    return text;
  }

  ComScope com;
  ProptabDll dll;
  ScratchFolder scratch;
  std::string picker = BesideTests("pickicon.dll");
  std::string moon;
};

TEST_F(ProptabPage, ShortcutTakesTheChosenIconOnApplyAndGivesItBackForItsTargets) {
  const std::string target = scratch.Write("notes.txt", "x");
  const std::string link = scratch / "Notes.lnk";
  ASSERT_TRUE(WriteShortcut(link, target, "", "", 0));
  {
    const Sheet sheet(dll, scratch.path(), {"Notes.lnk"});
    ASSERT_NE(sheet.window(), nullptr);
    EXPECT_EQ(sheet.Text(IDC_ORIGIN), "The icon of the shortcut's target.");
    Pick("1|" + moon + "|0");
    sheet.Click(IDC_CHANGE_ICON);
    EXPECT_EQ(Asked().substr(Asked().rfind('|')), "|" + link) << "the picker is told which item";
    EXPECT_EQ(sheet.Text(IDC_ICON_FILE), moon);
    EXPECT_EQ(sheet.Text(IDC_PREVIEW), "16 x 16, 32 x 32, 48 x 48");
    std::string stored, file;
    int index = -1;
    ASSERT_TRUE(ReadShortcut(link, stored, file, index));
    EXPECT_EQ(file, "") << "nothing is stored before Apply";
    EXPECT_TRUE(sheet.Apply());
    ASSERT_TRUE(ReadShortcut(link, stored, file, index));
    EXPECT_EQ(file + "," + std::to_string(index), moon + ",0");
    EXPECT_EQ(stored, target);

    EXPECT_EQ(dll.Call("DllCanUnloadNow"), S_FALSE) << "the open page holds the DLL";
    Pick("10|x|0");
    sheet.Click(IDC_CHANGE_ICON);
    EXPECT_EQ(Asked(), moon + "|0|" + link);
    EXPECT_TRUE(sheet.Apply());
    ASSERT_TRUE(ReadShortcut(link, stored, file, index));
    EXPECT_EQ(file, "");
  }
  EXPECT_EQ(dll.Call("DllCanUnloadNow"), S_OK);
}

TEST_F(ProptabPage, FolderWritesAHiddenSystemDesktopIniTwiceRestoresAndRefusesAReadOnlyOne) {
  CreateDirectoryA((scratch / "Night").c_str(), nullptr);
  const std::string folder = scratch / "Night", ini = folder + "\\desktop.ini";
  const Sheet sheet(dll, scratch.path(), {"Night"});
  ASSERT_NE(sheet.window(), nullptr);
  EXPECT_EQ(sheet.Text(IDC_ICON_INDEX), "3") << "the system's folder icon";
  for (const char* index : {"1", "2"}) {  // the second write meets a hidden system file
    Pick("1|" + moon + "|" + index);
    sheet.Click(IDC_CHANGE_ICON);
    EXPECT_TRUE(sheet.Apply());
    EXPECT_EQ(Profile(ini, "IconFile") + "," + Profile(ini, "IconIndex"), moon + "," + index);
  }
  const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(GetFileAttributesA(ini.c_str()) & hiddenSystem, hiddenSystem);
  EXPECT_NE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM, 0u);
  Pick("11|x|0");  // keeping the current icon changes nothing
  sheet.Click(IDC_CHANGE_ICON);
  EXPECT_EQ(sheet.Text(IDC_ICON_INDEX), "2");
  Pick("10|x|0");
  sheet.Click(IDC_CHANGE_ICON);
  EXPECT_TRUE(sheet.Apply());
  EXPECT_EQ(Profile(ini, "IconFile") + Profile(ini, "IconIndex"), "(missing)(missing)");

  WritePrivateProfileStringA(".ShellClassInfo", "IconResource", "keep.dll,4", ini.c_str());
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string before = ReadFile(ini);
  Pick("1|" + moon + "|0");
  sheet.Click(IDC_CHANGE_ICON);
  std::string told;
  const DialogDriver driver([] { return FindWindowA("#32770", "Icon"); },
                            [&](HWND box) {
                              for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                                char text[512] = {};
                                GetWindowTextA(child, text, sizeof text);
                                if (std::string(text).starts_with("Could not")) told = text;
                              }
                              SendMessageA(box, WM_COMMAND, IDOK, 0);
                            },
                            IDOK);
  EXPECT_FALSE(sheet.Apply()) << "the sheet stays open";
  EXPECT_EQ(told, "Could not change the icon of the folder " + folder + ": its desktop.ini is read-only.");
  EXPECT_EQ(ReadFile(ini), before);
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ProptabPage, FileTypeIconGoesToDefaultIconAndNoPickerMeansNoButton) {
  const std::string file = scratch.Write("a.gdtest", "x");
  SHSetValueA(HKEY_CLASSES_ROOT, ".gdtest", nullptr, REG_SZ, "GdTest.File", 12);
  SHSetValueA(HKEY_CLASSES_ROOT, "GdTest.File\\DefaultIcon", nullptr, REG_SZ, "%1", 3);
  DeleteFileA(picker.c_str());
  {
    const Sheet sheet(dll, scratch.path(), {"a.gdtest"});
    ASSERT_NE(sheet.window(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(sheet.Item(IDC_CHANGE_ICON))) << "no picker, no choosing";
    EXPECT_EQ(sheet.Text(IDC_ICON_FILE), file) << "\"%1\": the file itself";
  }
  ASSERT_TRUE(CopyFileA(BesideTests("fake_pickicon.dll").c_str(), picker.c_str(), FALSE));
  {
    const Sheet sheet(dll, scratch.path(), {"a.gdtest"});
    ASSERT_TRUE(IsWindowEnabled(sheet.Item(IDC_CHANGE_ICON)));
    Pick("1|" + moon + "|5");
    sheet.Click(IDC_CHANGE_ICON);
    EXPECT_TRUE(sheet.Apply());
  }
  char text[MAX_PATH] = {};
  DWORD size = sizeof text;
  SHGetValueA(HKEY_CLASSES_ROOT, "GdTest.File\\DefaultIcon", nullptr, nullptr, text, &size);
  EXPECT_EQ(std::string(text), moon + ",5");
  SHDeleteKeyA(HKEY_CLASSES_ROOT, ".gdtest");
  SHDeleteKeyA(HKEY_CLASSES_ROOT, "GdTest.File");
}

TEST_F(ProptabPage, OnlyASingleItemGetsTheTab) {
  scratch.Write("one.txt", "1");
  scratch.Write("two.txt", "2");
  EXPECT_EQ(Sheet(dll, scratch.path(), {"one.txt", "two.txt"}).pageCount(), 0u);
  EXPECT_EQ(Sheet(dll, scratch.path(), {"one.txt"}).pageCount(), 1u);
}

}  // namespace
}  // namespace gd::test
