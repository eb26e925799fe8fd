// The Package Info dialog's logic: what it offers for a package with and without information,
// and what OK writes into the package file and remembers.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "package/package_format.h"
#include "package/package_info_form.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

const std::string kFile = "C:\\App\\Themes\\Blue\\Blue.gdtheme";
constexpr std::string_view kWindowsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class PackageInfoFormTest : public ::testing::Test {
 protected:
  std::string Remembered(const char* name) {
    return registry.ReadText(RegRoot::CurrentUser, kProgramKey, name);
  }
  std::string Info(const char* key) {
    std::string value;
    ReadIniValue(ini, "Package Info", key, value, kFile);
    return value;
  }

  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  PackageInfoForm form{ini, registry, kFile};
};

TEST_F(PackageInfoFormTest, ANewPackageOffersTheRegisteredOwnerAndOkRemembersTheAuthor) {
  registry.WriteRegString(RegRoot::LocalMachine, kWindowsKey, "RegisteredOwner", "Ann Owner");
  EXPECT_EQ(form.Title(), "Blue Package Info");
  const PackageInfoFields shown = form.Start();
  EXPECT_EQ(shown.author, "Ann Owner");
  EXPECT_EQ(shown.email, "");
  EXPECT_EQ(shown.website, "");
  EXPECT_TRUE(form.changed());  // filling the author's edit is a change

  form.Accept(shown);
  EXPECT_EQ(ReadSectionKeys(ini, kFile, "Package Info"),
            (std::vector<std::string>{"Author", "Email", "Website", "Comments"}));
  EXPECT_EQ(Info("Author"), "Ann Owner");
  EXPECT_EQ(Remembered("Package Author"), "Ann Owner");
  EXPECT_EQ(Remembered("Package Email"), "");
}

TEST_F(PackageInfoFormTest, RememberedValuesComeBeforeTheOwnerOnlyForPackagesWithoutInformation) {
  registry.WriteRegString(RegRoot::LocalMachine, kWindowsKey, "RegisteredOwner", "Ann Owner");
  registry.WriteRegString(RegRoot::CurrentUser, kProgramKey, "Package Author", "Bea");
  registry.WriteRegString(RegRoot::CurrentUser, kProgramKey, "Package Website", "http://b.example");
  PackageInfoFields shown = form.Start();
  EXPECT_EQ(shown.author, "Bea");
  EXPECT_EQ(shown.email, "");  // missing, not "ERROR"
  EXPECT_EQ(shown.website, "http://b.example");

  ini.WriteString(kFile, "Package Info", "Comments", "Only words");
  PackageInfoForm again(ini, registry, kFile);
  shown = again.Start();
  EXPECT_EQ(shown.comments, "Only words");
  EXPECT_EQ(shown.author, "");
  EXPECT_EQ(shown.website, "");
}

TEST_F(PackageInfoFormTest, LinesBecomeOneAndFieldsAreCutAsTheDialogTakesThem) {
  form.Start();
  form.MarkChanged();
  form.Accept({std::string(250, 'a'), "ann@example.org", "", "First\r\nsecond\r\nthird"});
  EXPECT_EQ(Info("Comments"), "First second third");
  EXPECT_EQ(Info("Author"), std::string(199, 'a'));
  EXPECT_EQ(Remembered("Package Author"), std::string(199, 'a'));
  EXPECT_EQ(Remembered("Package Email"), "ann@example.org");

  PackageInfoForm again(ini, registry, kFile);
  EXPECT_EQ(again.Start().comments, "First second third");
}

TEST_F(PackageInfoFormTest, OkWithoutAnyChangeWritesNothing) {
  // Nothing to offer: no information, nothing remembered, no registered owner.
  const PackageInfoFields shown = form.Start();
  EXPECT_FALSE(form.changed());
  form.Accept(shown);
  EXPECT_TRUE(ReadSectionKeys(ini, kFile, "Package Info").empty());
  EXPECT_EQ(Remembered("Package Author"), "ERROR");
}

}  // namespace
}  // namespace gd
