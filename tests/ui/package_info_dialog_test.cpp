// The real Package Info dialog run modally under Wine: what it offers a package without
// information, and that OK writes the package file and the remembered values while Cancel
// writes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "platform/ini.h"
#include "support/dialog_driver_win32.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "ui/package_info_dialog_win32.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

constexpr const char* kPackage = "C:\\Themes\\Blue\\Blue.gdtheme";

HWND FindPackageInfo() { return FindWindowA("#32770", "Blue Package Info"); }

std::string EditText(HWND dialog, int id) {
  char text[400] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

class PackageInfoDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                    "RegisteredOwner", "Ada Owner");
  }
  bool Run(std::function<void(HWND)> act) {
    test::DialogDriver driver(FindPackageInfo, std::move(act), IDCANCEL);
    PackageInfoDialog dialog(ini, registry, kPackage);
    return dialog.Show(GetModuleHandleA(nullptr), nullptr);
  }
  std::string Stored(const char* key) {
    std::string value;
    ReadIniValue(ini, "Package Info", key, value, kPackage);
    return value;
  }

  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
};

TEST_F(PackageInfoDialogTest, OfferedOwnerAndThreeLinesOfCommentsAreStoredOnOk) {
  std::string offeredAuthor;
  const bool ok = Run([&](HWND dialog) {
    offeredAuthor = EditText(dialog, 1059);
    SetDlgItemTextA(dialog, 1058, "first\r\nsecond\r\nthird");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(offeredAuthor, "Ada Owner");
  EXPECT_EQ(Stored("Author"), "Ada Owner");
  EXPECT_EQ(Stored("Comments"), "first second third");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck",
                              "Package Author"),
            "Ada Owner");
}

TEST_F(PackageInfoDialogTest, CancelAfterEditingWritesNothing) {
  ini.WriteString(kPackage, "Package Info", "Comments", "kept");
  std::string shownComments;
  const bool ok = Run([&](HWND dialog) {
    shownComments = EditText(dialog, 1058);
    SetDlgItemTextA(dialog, 1059, "Somebody Else");
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(shownComments, "kept");
  EXPECT_EQ(Stored("Author"), "");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck",
                              "Package Author"),
            "ERROR");
}

}  // namespace
}  // namespace gd
