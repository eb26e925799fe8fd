// ZipFiles and UnZipFiles together: what is packed comes back byte for byte, and the numeric
// switches of both exports do what the library's header promises.
#include "companions/vfzip/recording_prompt.h"
#include "companions/vfzip/scratch.h"
#include "companions/include/vfzip.h"
#include "platform/unique_handle.h"
#include "platform/zip_library.h"

#include <windows.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <set>

namespace gd::test {
namespace {

std::string BinaryBytes(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    bytes[i] = static_cast<char>(seed >> 16);
  }
  return bytes;
}

// A package-like folder: files at the top, in nested folders, an empty folder, a name with a
// character beyond ASCII, binary and empty files.
std::map<std::string, std::string> MakePackage(const std::string& root) {
  std::map<std::string, std::string> files = {
      {"theme.gdtheme", "[Desktop Icons]\r\nMy Computer=%ThemeDir%\\icons\\pc.ico,0\r\n"},
      {"icons\\pc.ico", BinaryBytes(70000, 1)},
      {"icons\\caf\xE9.ico", BinaryBytes(1000, 2)},
      {"cursors\\deep\\arrow.cur", BinaryBytes(326, 3)},
      {"README", ""},
  };
  MakeFolder(root);
  EXPECT_TRUE(FileSystemHoldsName(root, "caf\xE9.ico")) << kNeedsUtf8Locale;
  MakeFolder(root + "\\icons");
  MakeFolder(root + "\\cursors");
  MakeFolder(root + "\\cursors\\deep");
  MakeFolder(root + "\\empty");
  for (const auto& [name, bytes] : files) WriteWholeFile(root + "\\" + name, bytes);
  return ListTree(root);
}

class Library {
 public:
  Library() : module_(LoadLibraryA(BuiltLibraryPath().c_str())) {
    unzip = reinterpret_cast<VfzipUnZipFilesFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "UnZipFiles")));
    zip = reinterpret_cast<VfzipZipFilesFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "ZipFiles")));
    last_error = reinterpret_cast<VfzipLastErrorFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "UnZipLastError")));
  }
  bool Loaded() const { return unzip && zip && last_error; }

  VfzipUnZipFilesFn unzip = nullptr;
  VfzipZipFilesFn zip = nullptr;
  VfzipLastErrorFn last_error = nullptr;

 private:
  UniqueModule module_;
};

std::set<std::string> EntryNames(const std::string& archive_path) {
  std::set<std::string> names;
  int error = 0;
  zip_t* archive = zip_open(archive_path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return names;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    names.insert(zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW));
  }
  zip_discard(archive);
  return names;
}

TEST(vfzipRoundTrip, ZipFolderThenUnzipArchiveGivesIdenticalFiles) {
  ScratchFolder box;
  const auto source = MakePackage(box / "Pack");
  RecordingPrompt prompt;
  ASSERT_TRUE(ZipFolder(BuiltLibraryPath(), prompt, box / "Pack.gd", box / "Pack\\*.*"));
  EXPECT_TRUE(lstrcmpiA(CurrentDirectory().c_str(), (box / "Pack").c_str()) == 0)
      << CurrentDirectory();

  UnzipOutcome outcome;
  ASSERT_TRUE(UnzipArchive(BuiltLibraryPath(), prompt, box / "Pack.gd",
                           box / "Themes\\Pack", &outcome))
      << outcome.reason;
  EXPECT_EQ(ListTree(box / "Themes\\Pack"), source);
  EXPECT_TRUE(prompt.requests.empty());
}

TEST(vfzipRoundTrip, NamesAreStoredRelativeWithSlashesAndUtf8) {
  ScratchFolder box;
  MakePackage(box / "Pack");
  Library library;
  ASSERT_TRUE(library.Loaded());
  ASSERT_TRUE(SetCurrentDirectoryA((box / "Pack").c_str()));
  ASSERT_EQ(library.zip((box / "Pack.gd").c_str(), "*.*", 1, 1, 1), VFZIP_OK)
      << library.last_error();
  EXPECT_STREQ(library.last_error(), "");
  const std::set<std::string> expected = {
      "theme.gdtheme", "icons/", "icons/pc.ico", "icons/caf\xC3\xA9.ico", "cursors/",
      "cursors/deep/", "cursors/deep/arrow.cur", "README", "empty/"};
  EXPECT_EQ(EntryNames(box / "Pack.gd"), expected);
}

TEST(vfzipRoundTrip, AnArchiveInsideTheZippedFolderIsNotPackedIntoItself) {
  ScratchFolder box;
  const auto source = MakePackage(box / "Pack");
  Library library;
  ASSERT_TRUE(library.Loaded());
  ASSERT_TRUE(SetCurrentDirectoryA((box / "Pack").c_str()));
  ASSERT_EQ(library.zip("Pack.gd", "*.*", 1, 1, 1), VFZIP_OK) << library.last_error();
  // A second run finds the first archive in the folder and must still leave it out.
  ASSERT_EQ(library.zip("Pack.gd", "*.*", 1, 1, 1), VFZIP_OK) << library.last_error();
  EXPECT_EQ(EntryNames(box / "Pack\\Pack.gd").count("Pack.gd"), 0u);
  EXPECT_EQ(EntryNames(box / "Pack\\Pack.gd").size(), 9u);
}

TEST(vfzipZipFilesSwitches, ReplaceStartsOverAndAddKeepsOldEntries) {
  ScratchFolder box;
  MakeFolder(box / "a");
  MakeFolder(box / "b");
  WriteWholeFile(box / "a\\one.ico", "one");
  WriteWholeFile(box / "b\\two.ico", "two");
  Library library;
  ASSERT_TRUE(library.Loaded());
  const std::string archive = box / "out.gd";
  ASSERT_EQ(library.zip(archive.c_str(), (box / "a\\*.*").c_str(), 1, 1, 1), VFZIP_OK);
  ASSERT_EQ(library.zip(archive.c_str(), (box / "b\\*.*").c_str(), 1, 0, 1), VFZIP_OK);
  EXPECT_EQ(EntryNames(archive), (std::set<std::string>{"one.ico", "two.ico"}));
  ASSERT_EQ(library.zip(archive.c_str(), (box / "b\\*.*").c_str(), 1, 1, 1), VFZIP_OK);
  EXPECT_EQ(EntryNames(archive), (std::set<std::string>{"two.ico"}));
}

TEST(vfzipZipFilesSwitches, PatternsRecursionAndStoring) {
  ScratchFolder box;
  MakePackage(box / "Pack");
  Library library;
  ASSERT_TRUE(library.Loaded());
  const std::string archive = box / "out.gd";
  // Without recursion only the top folder's files; a narrower pattern picks by name.
  ASSERT_EQ(library.zip(archive.c_str(), (box / "Pack\\*.*").c_str(), 0, 1, 1), VFZIP_OK);
  EXPECT_EQ(EntryNames(archive), (std::set<std::string>{"theme.gdtheme", "README"}));
  ASSERT_EQ(library.zip(archive.c_str(), (box / "Pack\\icons\\*.ico").c_str(), 1, 1, 0),
            VFZIP_OK);
  EXPECT_EQ(EntryNames(archive), (std::set<std::string>{"pc.ico", "caf\xC3\xA9.ico"}));

  int error = 0;
  zip_t* opened = zip_open(archive.c_str(), ZIP_RDONLY, &error);
  ASSERT_NE(opened, nullptr);
  zip_stat_t stat;
  ASSERT_EQ(zip_stat(opened, "pc.ico", 0, &stat), 0);
  EXPECT_EQ(stat.comp_method, ZIP_CM_STORE);
  EXPECT_EQ(stat.size, 70000u);
  zip_discard(opened);

  EXPECT_EQ(library.zip(archive.c_str(), (box / "Pack\\*.none").c_str(), 1, 1, 1),
            VFZIP_NOTHING_MATCHED);
  EXPECT_NE(std::string(library.last_error()).find("*.none"), std::string::npos);
}

class UnzipSwitches : public ::testing::Test {
 protected:
  void SetUp() override {
    source = MakePackage(box / "Pack");
    ASSERT_TRUE(library.Loaded());
    ASSERT_EQ(library.zip(archive.c_str(), (box / "Pack\\*.*").c_str(), 1, 1, 1), VFZIP_OK);
  }
  ScratchFolder box;
  Library library;
  std::map<std::string, std::string> source;
  std::string archive = box / "Pack.gd";
  std::string out = box / "out";
};

using vfzipUnZipFilesSwitches = UnzipSwitches;

TEST_F(vfzipUnZipFilesSwitches, APatternPicksFilesByNameInEveryFolder) {
  ASSERT_EQ(library.unzip(out.c_str(), archive.c_str(), "*.ico", 0, 1, 1), VFZIP_OK);
  std::map<std::string, std::string> tree = ListTree(out);
  EXPECT_EQ(tree.count("icons\\pc.ico"), 1u);
  EXPECT_EQ(tree.count("icons\\caf\xE9.ico"), 1u);
  EXPECT_EQ(tree.count("theme.gdtheme"), 0u);
  EXPECT_EQ(tree.count("cursors\\deep\\arrow.cur"), 0u);
}

TEST_F(vfzipUnZipFilesSwitches, FlattenDropsFolders) {
  ASSERT_EQ(library.unzip(out.c_str(), archive.c_str(), "*.*", 1, 1, 1), VFZIP_OK);
  const std::map<std::string, std::string> tree = ListTree(out);
  EXPECT_EQ(tree.size(), 5u);
  EXPECT_EQ(tree.at("arrow.cur"), source.at("cursors\\deep\\arrow.cur"));
  EXPECT_EQ(tree.at("pc.ico"), source.at("icons\\pc.ico"));
}

TEST_F(vfzipUnZipFilesSwitches, OverwriteDecidesWhetherExistingFilesAreReplaced) {
  MakeFolder(out);
  WriteWholeFile(out + "\\theme.gdtheme", "old");
  ASSERT_EQ(library.unzip(out.c_str(), archive.c_str(), "*.*", 0, 0, 1), VFZIP_OK);
  std::string bytes;
  ReadWholeFile(out + "\\theme.gdtheme", bytes);
  EXPECT_EQ(bytes, "old");
  EXPECT_EQ(ListTree(out).at("icons\\pc.ico"), source.at("icons\\pc.ico"));

  SetFileAttributesA((out + "\\theme.gdtheme").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(library.unzip(out.c_str(), archive.c_str(), "*.*", 0, 1, 1), VFZIP_OK)
      << library.last_error();
  ReadWholeFile(out + "\\theme.gdtheme", bytes);
  EXPECT_EQ(bytes, source.at("theme.gdtheme"));
}

TEST_F(vfzipUnZipFilesSwitches, AMissingDestinationIsMadeOnlyWhenAsked) {
  const std::string deep = out + "\\Themes\\Pack";
  EXPECT_EQ(library.unzip(deep.c_str(), archive.c_str(), "*.*", 0, 1, 0), VFZIP_DESTINATION);
  EXPECT_NE(std::string(library.last_error()).find("does not exist"), std::string::npos);
  EXPECT_EQ(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);

  ASSERT_EQ(library.unzip(deep.c_str(), archive.c_str(), "*.*", 0, 1, 1), VFZIP_OK);
  EXPECT_STREQ(library.last_error(), "");
  EXPECT_EQ(ListTree(deep), source);
}

TEST_F(vfzipUnZipFilesSwitches, AFileWhereAFolderBelongsStopsTheUnpacking) {
  MakeFolder(out);
  WriteWholeFile(out + "\\icons", "in the way");
  EXPECT_EQ(library.unzip(out.c_str(), archive.c_str(), "*.*", 0, 1, 1), VFZIP_WRITE);
  EXPECT_NE(std::string(library.last_error()).find("icons"), std::string::npos)
      << library.last_error();
  std::string bytes;
  ReadWholeFile(out + "\\icons", bytes);
  EXPECT_EQ(bytes, "in the way");
}

TEST_F(vfzipUnZipFilesSwitches, MissingTextArgumentsAreRefused) {
  EXPECT_EQ(library.unzip(nullptr, archive.c_str(), "*.*", 0, 1, 1), VFZIP_BAD_ARGUMENTS);
  EXPECT_EQ(library.unzip(out.c_str(), nullptr, "*.*", 0, 1, 1), VFZIP_BAD_ARGUMENTS);
  EXPECT_EQ(library.unzip(out.c_str(), archive.c_str(), "", 0, 1, 1), VFZIP_BAD_ARGUMENTS);
  EXPECT_EQ(library.zip(nullptr, "*.*", 1, 1, 1), VFZIP_BAD_ARGUMENTS);
  EXPECT_EQ(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace gd::test
