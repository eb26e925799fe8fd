// The Add File Format dialog's rules: which registered types it lists and how, what a new or
// dropped extension becomes, and which types it refuses to add.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/catalogue_harness.h"
#include "ui/file_types.h"

namespace gd {
namespace {

class FileTypes : public test::CatalogueHarness, public testing::Test {};

TEST_F(FileTypes, RegisteredTypesAreListedWithTheirNameAndIcon) {
  backend.PutText(RegRoot::ClassesRoot, ".txt", "", "txtfile");
  backend.PutText(RegRoot::ClassesRoot, "txtfile", "", "Text Document");
  backend.PutText(RegRoot::ClassesRoot, "txtfile\\DefaultIcon", "", "%SystemRoot%\\notepad.exe,1");
  backend.PutText(RegRoot::ClassesRoot, ".gd", "", "gdfile");  // a class without a name
  backend.PutText(RegRoot::ClassesRoot, "gdfile\\DefaultIcon", "", "\"%1\"");
  backend.PutText(RegRoot::ClassesRoot, ".nothing", "", "");  // no class: left out
  backend.PutText(RegRoot::ClassesRoot, "txtfile2", "", "not an extension");
  const auto rows = ListFileTypes(registry, "C:\\WINDOWS");
  ASSERT_EQ(rows.size(), 2u);
  const FileTypeRow& gd = rows[0].extension == "GD" ? rows[0] : rows[1];
  const FileTypeRow& txt = rows[0].extension == "TXT" ? rows[0] : rows[1];
  EXPECT_EQ(gd.typeName, "GD File");
  EXPECT_FALSE(gd.iconFile) << "the file's own picture: the generic icon";
  EXPECT_EQ(txt.typeName, "Text Document");
  EXPECT_EQ(txt.iconFile.value_or("") + "," + std::to_string(txt.iconIndex), "C:\\WINDOWS\\notepad.exe,1");
}

TEST_F(FileTypes, NewAndDroppedExtensionsAndTheRefusalsOfAdding) {
  EXPECT_EQ(MakeNewExtension("", "x").refusal.value_or(""), "You must enter a file extension to continue.");
  EXPECT_EQ(MakeNewExtension("abc", "").refusal.value_or(""), "You must enter a description to continue.");
  const NewExtension made = MakeNewExtension(".glim", "Glimmer Notes");
  EXPECT_EQ(made.row.extension + "|" + made.row.typeName, "GLIM|Glimmer Notes");
  EXPECT_EQ(DroppedFileType("D:\\Get\\tool-1.2.tar.gz").value().extension, "2.tar.gz") << "after the first dot";
  EXPECT_EQ(DroppedFileType("D:\\Get\\tool-1.2.tar.gz").value().typeName, "2.TAR.GZ File");
  EXPECT_FALSE(DroppedFileType("D:\\Get\\README"));

  CatalogueInputs inputs;
  inputs.appPath = "C:\\Glimmerdeck";
  SlotCatalogue& catalogue = MakeCatalogue(inputs);
  EXPECT_EQ(AddFileType("LNK", catalogue), AddRefusal::Protected);
  EXPECT_EQ(AddFileType("txt", catalogue), AddRefusal::None);
  EXPECT_EQ(SettingsStore(registry).ReadText(TextSetting::FileType), ".txt");
  EXPECT_EQ(AddFileType("TXT", catalogue), AddRefusal::AlreadyListed);
  backend.PutText(RegRoot::ClassesRoot, ".bmp", "", "Paint.Picture");
  ASSERT_GE(catalogue.AddSlot(Category::Files, "Bitmap", RegRoot::ClassesRoot, ".bmp", "", "", 0, SlotKind::ClassDefaultIcon, 0), 0);
  EXPECT_EQ(AddFileType("bmp", catalogue), AddRefusal::AlreadyListed) << "the Files list has it already";
}

}  // namespace
}  // namespace gd
