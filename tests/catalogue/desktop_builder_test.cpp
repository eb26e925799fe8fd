// Desktop rules the version listings cannot show whole: the browser object by browser version
// and attributes, and My Documents' key on each version.
#include "support/builder_harness.h"

namespace gd::test {
namespace {

constexpr Category kDesk = Category::Desktop;
const std::string kMyDocs = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";
const std::string kInternet = "{871C5380-42A0-1069-A2EA-08002B30309D}";

TEST_F(BuilderTest, TheDesktopBrowserFollowsItsVersionAndMyDocumentsItsKey) {
  // Versions 5 and 6 are shown unless their class attributes say they were removed; an older
  // browser without its namespace key needs the attributes 0x16 or 0x22.
  backend.PutText(kHklm, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", "D:\\IE\\");
  const std::string html = "C:\\WINDOWS\\SYSTEM\\mshtml.dll,0";
  for (const auto& [ie, attributes, shown] : std::vector<std::tuple<std::string, int, std::string>>{
           {"5.50", 0x10, "D:\\IE\\iexplore.exe,0"},
           {"6.0", 0x00100000, ""},
           {"4.72", 0x16, html},
           {"4.72", 0x22, html},
           {"4.72", 0x20, ""}}) {
    ieVersion = ie;
    backend.PutNumber(kHkcr, "CLSID\\" + kInternet + "\\ShellFolder", "Attributes", attributes);
    Build(kDesk, Os::Windows98);
    EXPECT_EQ(Has(kDesk, "Internet Explorer") ? Default(kDesk, "Internet Explorer") : "", shown)
        << ie;
  }
  // My Documents before ME needs its user class, and Windows 95 never shows it.
  EXPECT_FALSE(Has(kDesk, "My Documents"));
  backend.CreateKey(kHkcu, "Software\\Classes\\CLSID\\" + kMyDocs);
  for (Os os : {Os::Unknown, Os::Windows95, Os::Windows98, Os::WindowsNt4}) {
    Build(kDesk, os);
    EXPECT_EQ(Has(kDesk, "My Documents"), os != Os::Windows95) << os;
  }
}

}  // namespace
}  // namespace gd::test
