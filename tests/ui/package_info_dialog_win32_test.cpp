// The real Package Info dialog run modally under Wine: OK stores the owner offered to a package
// without information and the comments on one line, and remembers the author; Cancel writes
// nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "support/dialog_driver_win32.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "ui/package_info_dialog_win32.h"

namespace gd {
namespace {

constexpr const char* kPackage = "C:\\Themes\\Blue\\Blue.gdtheme";

TEST(PackageInfoDialog, OkStoresWhatIsShownAndCancelWritesNothing) {
  for (const bool ok : {false, true}) {
    test::MemoryRegistry backend;
    Registry registry(backend);
    test::MemoryIni ini;
    backend.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "Ada Owner");
    if (!ok) ini.WriteString(kPackage, "Package Info", "Comments", "kept");  // the owner is offered only to a package without information
    char author[100] = {}, comments[100] = {};
    test::DialogDriver driver([] { return FindWindowA("#32770", "Blue Package Info"); }, [&](HWND dialog) {
      GetDlgItemTextA(dialog, 1059, author, sizeof author);
      GetDlgItemTextA(dialog, 1058, comments, sizeof comments);
      SetDlgItemTextA(dialog, 1058, "first\r\nsecond\r\nthird");
      SendMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    }, IDCANCEL);
    EXPECT_EQ(PackageInfoDialog(ini, registry, kPackage).Show(GetModuleHandleA(nullptr), nullptr), ok);
    EXPECT_STREQ(author, ok ? "Ada Owner" : "");
    EXPECT_STREQ(comments, ok ? "" : "kept");
    std::array<char, 100> stored{};
    ini.GetString(kPackage, "Package Info", "Comments", "", stored);
    EXPECT_STREQ(stored.data(), ok ? "first second third" : "kept");
    ini.GetString(kPackage, "Package Info", "Author", "", stored);
    EXPECT_STREQ(stored.data(), ok ? "Ada Owner" : "");
    EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", "Package Author"), ok ? "Ada Owner" : "ERROR");
  }
}

}  // namespace
}  // namespace gd
