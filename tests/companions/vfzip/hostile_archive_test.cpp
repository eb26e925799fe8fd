// Untrusted archives through the program's UnzipArchive and the built VFZip.dll: every kind
// of hostile entry is refused before anything is written, and the outcome says which and why.
#include "companions/vfzip/raw_zip.h"
#include "companions/vfzip/recording_prompt.h"
#include "companions/vfzip/scratch.h"
#include "companions/include/vfzip.h"
#include "platform/zip_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace gd::test {
namespace {

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ArchiveSandbox {
 public:
  ArchiveSandbox() { MakeFolder(sandbox / "in"); }

  UnzipOutcome Unzip(const std::vector<RawEntry>& entries) {
    EXPECT_TRUE(WriteWholeFile(archive, BuildZip(entries)));
    UnzipOutcome outcome;
    const bool ok = UnzipArchive(BuiltLibraryPath(), prompt, archive, destination, &outcome);
    EXPECT_EQ(ok, outcome.code == 0);
    EXPECT_TRUE(prompt.requests.empty());
    return outcome;
  }

  // The sandbox holds the archive and nothing else: not even the destination folder.
  void ExpectNothingWritten() {
    std::map<std::string, std::string> tree = ListTree(sandbox.path());
    tree.erase("in\\package.gd");
    tree.erase("in\\");
    EXPECT_TRUE(tree.empty()) << "first stray: " << tree.begin()->first;
  }

  ScratchFolder sandbox;
  RecordingPrompt prompt;
  std::string archive = sandbox / "in\\package.gd";
  std::string destination = sandbox / "Themes\\package";
};

struct HostileName {
  const char* label;
  const char* name;
  std::uint16_t made_by;
  std::uint32_t external_attributes;
  std::uint16_t flags;
  int code;
  const char* why;  // a piece of the explanation
};

const HostileName kHostileNames[] = {
    {"ParentFolder", "../vfzip-escape.txt", 20, 0, 0, VFZIP_PARENT_FOLDER, "\"..\""},
    {"ParentFolderInside", "icons/../../vfzip-escape.txt", 20, 0, 0, VFZIP_PARENT_FOLDER, "\"..\""},
    {"ParentFolderBackslash", "..\\vfzip-escape.txt", 20, 0, 0, VFZIP_PARENT_FOLDER, "\"..\""},
    {"RootSlash", "/vfzip-escape.txt", 20, 0, 0, VFZIP_ABSOLUTE_PATH, "absolute"},
    {"RootBackslash", "\\vfzip-escape.txt", 20, 0, 0, VFZIP_ABSOLUTE_PATH, "absolute"},
    {"UncPath", "\\\\localhost\\c$\\vfzip-escape.txt", 20, 0, 0, VFZIP_ABSOLUTE_PATH, "absolute"},
    {"DriveAndSlash", "C:/vfzip-escape.txt", 20, 0, 0, VFZIP_ABSOLUTE_PATH, "drive letter"},
    {"DriveRelative", "C:vfzip-escape.txt", 20, 0, 0, VFZIP_ABSOLUTE_PATH, "drive letter"},
    {"DeviceCon", "CON", 20, 0, 0, VFZIP_DEVICE_NAME, "device"},
    {"DeviceNulInFolder", "icons/nul.ico", 20, 0, 0, VFZIP_DEVICE_NAME, "device"},
    {"DeviceCom1", "Com1.cur", 20, 0, 0, VFZIP_DEVICE_NAME, "device"},
    {"DeviceLpt9", "LPT9", 20, 0, 0, VFZIP_DEVICE_NAME, "device"},
    {"DeviceAuxBlank", "aux .ani", 20, 0, 0, VFZIP_DEVICE_NAME, "device"},
    {"Stream", "theme.gdtheme:hidden", 20, 0, 0, VFZIP_BAD_NAME, "stream"},
    {"DotsAndBlank", ".. /vfzip-escape.txt", 20, 0, 0, VFZIP_BAD_NAME, "dot or blank"},
    // Full-width dots must not be turned into real ones by a best-fit conversion.
    {"FullWidthDots", "\xEF\xBC\x8E\xEF\xBC\x8E/vfzip-escape.txt", 20, 0, 0x800, VFZIP_BAD_NAME,
     "code page"},
    {"SymlinkFile", "link.ico", 0x0314, 0120777u << 16, 0, VFZIP_LINK, "symbolic link"},
    {"SymlinkInFolder", "icons/link", 0x0314, 0120755u << 16, 0, VFZIP_LINK, "symbolic link"},
    {"Fifo", "fifo.ico", 0x0314, 0010644u << 16, 0, VFZIP_LINK, "special file"},
    {"ReparsePoint", "junction.ico", 0x0A14, FILE_ATTRIBUTE_REPARSE_POINT, 0, VFZIP_LINK,
     "reparse point"},
    {"Encrypted", "secret.ico", 20, 0, 1, VFZIP_ENCRYPTED, "encrypted"},
};

class vfzipHostileNames : public ::testing::TestWithParam<HostileName> {};

TEST_P(vfzipHostileNames, AreRefusedAndNothingIsWritten) {
  const HostileName& param = GetParam();
  ArchiveSandbox box;
  RawEntry hostile = StoredEntry(param.name, "../../../../Windows/win.ini");
  hostile.made_by = param.made_by;
  hostile.external_attributes = param.external_attributes;
  hostile.flags = param.flags;
  // A harmless entry first: it must not be written either, since the archive is refused.
  const UnzipOutcome outcome = box.Unzip({StoredEntry("good.ico", "GOOD"), hostile});

  EXPECT_EQ(outcome.code, param.code) << outcome.reason;
  EXPECT_NE(outcome.reason.find(param.why), std::string::npos) << outcome.reason;
  if (param.flags != 0x800) {
    EXPECT_NE(outcome.reason.find(std::string("\"") + param.name + "\""), std::string::npos)
        << outcome.reason;
  }
  box.ExpectNothingWritten();
  EXPECT_FALSE(Exists("C:\\vfzip-escape.txt"));
  EXPECT_FALSE(Exists("\\vfzip-escape.txt"));
}

INSTANTIATE_TEST_SUITE_P(All, vfzipHostileNames, ::testing::ValuesIn(kHostileNames),
                         [](const auto& info) { return std::string(info.param.label); });

std::vector<RawEntry> ManyEntries(size_t count) {
  std::vector<RawEntry> entries;
  for (size_t i = 0; i < count; ++i) {
    entries.push_back(StoredEntry("icons/" + std::to_string(i) + ".ico", std::to_string(i)));
  }
  return entries;
}

TEST(vfzipHostileArchives, MoreEntriesThanTheBoundAreRefused) {
  ArchiveSandbox box;
  const UnzipOutcome outcome = box.Unzip(ManyEntries(VFZIP_MAX_ENTRIES + 1));
  EXPECT_EQ(outcome.code, VFZIP_TOO_MANY_ENTRIES);
  EXPECT_NE(outcome.reason.find(std::to_string(VFZIP_MAX_ENTRIES + 1) + " entries"),
            std::string::npos)
      << outcome.reason;
  box.ExpectNothingWritten();
}

TEST(vfzipHostileArchives, EntriesUpToTheBoundAreUnpacked) {
  ArchiveSandbox box;
  const UnzipOutcome outcome = box.Unzip(ManyEntries(VFZIP_MAX_ENTRIES));
  ASSERT_EQ(outcome.code, VFZIP_OK) << outcome.reason;
  std::string last;
  ASSERT_TRUE(ReadWholeFile(
      box.destination + "\\icons\\" + std::to_string(VFZIP_MAX_ENTRIES - 1) + ".ico", last));
  EXPECT_EQ(last, std::to_string(VFZIP_MAX_ENTRIES - 1));
}

TEST(vfzipHostileArchives, AnEntryDeclaringMoreThanTheEntryBoundIsRefused) {
  ArchiveSandbox box;
  RawEntry huge = StoredEntry("huge.ico", "tiny");
  huge.size = static_cast<std::uint32_t>(VFZIP_MAX_ENTRY_BYTES + 1);
  const UnzipOutcome outcome = box.Unzip({StoredEntry("good.ico", "GOOD"), huge});
  EXPECT_EQ(outcome.code, VFZIP_TOO_LARGE);
  EXPECT_NE(outcome.reason.find("\"huge.ico\""), std::string::npos) << outcome.reason;
  box.ExpectNothingWritten();
}

TEST(vfzipHostileArchives, EntriesDeclaringMoreThanTheTotalBoundAreRefused) {
  ArchiveSandbox box;
  std::vector<RawEntry> entries;
  for (int i = 0; i < 3; ++i) {
    RawEntry big = StoredEntry("big" + std::to_string(i) + ".ico", "tiny");
    big.size = static_cast<std::uint32_t>(VFZIP_MAX_TOTAL_BYTES / 3 + 1);
    entries.push_back(big);
  }
  const UnzipOutcome outcome = box.Unzip(entries);
  EXPECT_EQ(outcome.code, VFZIP_TOO_LARGE);
  EXPECT_NE(outcome.reason.find("in all"), std::string::npos) << outcome.reason;
  box.ExpectNothingWritten();
}

TEST(vfzipHostileArchives, AMemberThatInflatesPastItsDeclaredSizeIsCutOffAndRemoved) {
  ArchiveSandbox box;
  const std::uint64_t real_size = 64ull << 20;
  RawEntry bomb = ZeroBombEntry("icons/bomb.ico", 1000, real_size);
  ASSERT_LT(bomb.data.size(), 200u * 1024) << "the bomb should stay small on disk";
  const UnzipOutcome outcome = box.Unzip({StoredEntry("good.ico", "GOOD"), bomb});

  EXPECT_EQ(outcome.code, VFZIP_INFLATES_TOO_FAR);
  EXPECT_NE(outcome.reason.find("bomb.ico"), std::string::npos) << outcome.reason;
  EXPECT_NE(outcome.reason.find("1000 bytes"), std::string::npos) << outcome.reason;
  EXPECT_FALSE(Exists(box.destination + "\\icons\\bomb.ico"));
  size_t written = 0;
  for (const auto& [path, bytes] : ListTree(box.destination)) written += bytes.size();
  EXPECT_LT(written, 1u << 20);
}

TEST(vfzipHostileArchives, APathTooLongForTheAnsiApiIsRefused) {
  ArchiveSandbox box;
  std::string name;
  while (name.size() < 240) name += "deeper/";
  name += "icon.ico";
  const UnzipOutcome outcome = box.Unzip({StoredEntry("good.ico", "GOOD"), StoredEntry(name, "x")});
  EXPECT_EQ(outcome.code, VFZIP_BAD_NAME);
  EXPECT_NE(outcome.reason.find("259 characters"), std::string::npos) << outcome.reason;
  box.ExpectNothingWritten();
}

TEST(vfzipHostileArchives, DamagedDataLeavesNoPartialFile) {
  ArchiveSandbox box;
  RawEntry damaged = StoredEntry("damaged.ico", std::string(5000, 'x'));
  damaged.crc ^= 0x1234;
  const UnzipOutcome outcome = box.Unzip({damaged});
  EXPECT_EQ(outcome.code, VFZIP_BAD_DATA);
  EXPECT_NE(outcome.reason.find("damaged.ico"), std::string::npos) << outcome.reason;
  EXPECT_FALSE(Exists(box.destination + "\\damaged.ico"));
}

TEST(vfzipHostileArchives, SomethingThatIsNoArchiveIsRefused) {
  ArchiveSandbox box;
  ASSERT_TRUE(WriteWholeFile(box.archive, std::string(4096, '\x5A')));
  UnzipOutcome outcome;
  EXPECT_FALSE(UnzipArchive(BuiltLibraryPath(), box.prompt, box.archive, box.destination,
                            &outcome));
  EXPECT_EQ(outcome.code, VFZIP_OPEN_ARCHIVE);
  EXPECT_NE(outcome.reason.find("package.gd"), std::string::npos) << outcome.reason;
  box.ExpectNothingWritten();

  EXPECT_FALSE(UnzipArchive(BuiltLibraryPath(), box.prompt, box.sandbox / "in\\missing.gd",
                            box.destination, &outcome));
  EXPECT_EQ(outcome.code, VFZIP_OPEN_ARCHIVE);
  EXPECT_TRUE(box.prompt.requests.empty());
  box.ExpectNothingWritten();
}

TEST(vfzipArchiveNames, LegacyNamesAreCodePage437AndFlaggedNamesAreUtf8) {
  ArchiveSandbox box;
  ASSERT_TRUE(FileSystemHoldsName(box.sandbox.path(), "caf\xE9.ico")) << kNeedsUtf8Locale;
  RawEntry utf8 = StoredEntry("icons/na\xC3\xAFve.ico", "utf8");
  utf8.flags = 0x800;
  // Old DOS and Windows archivers wrote names in code page 437, where 0x82 is the
  // e-acute that code page 1252 keeps at 0xE9.
  const UnzipOutcome outcome =
      box.Unzip({StoredEntry("icons/caf\x82.ico", "cp437"), std::move(utf8)});
  ASSERT_EQ(outcome.code, VFZIP_OK) << outcome.reason;
  const std::map<std::string, std::string> expected = {
      {"icons\\", ""}, {"icons\\caf\xE9.ico", "cp437"}, {"icons\\na\xEFve.ico", "utf8"}};
  EXPECT_EQ(ListTree(box.destination), expected);
}

}  // namespace
}  // namespace gd::test
