// The program's binding to VFZip.dll: the load-failure message, a library without the
// exports, and the current-directory rule of ZipFolder.
#include "companions/vfzip/recording_prompt.h"
#include "companions/vfzip/scratch.h"
#include "platform/zip_library.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace gd::test {
namespace {

void ExpectOneLoadFailureMessage(const RecordingPrompt& prompt) {
  ASSERT_EQ(prompt.requests.size(), 1u);
  const PromptRequest& request = prompt.requests[0];
  EXPECT_EQ(request.text,
            "Error: Failed to load VFZip.dll.\n\nPlease reinstall the application to correct "
            "this problem.");
  EXPECT_EQ(request.caption, "Error");
  EXPECT_EQ(request.icon, PromptIcon::Exclamation);
  EXPECT_EQ(request.buttons, PromptButtons::Ok);
}

class vfzipBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolder(box / "Pack");
    WriteWholeFile(box / "Pack\\theme.gdtheme", "[Package Info]\r\n");
    RecordingPrompt quiet;
    ASSERT_TRUE(ZipFolder(BuiltLibraryPath(), quiet, archive, box / "Pack\\*.*"));
    SetCurrentDirectoryA(box.path().c_str());
  }
  ScratchFolder box;
  RecordingPrompt prompt;
  std::string archive = box / "Pack.gd";
  std::string destination = box / "Themes\\Pack";
};

TEST_F(vfzipBinding, AMissingRegistryValueShowsTheLoadFailureAndDoesNothing) {
  UnzipOutcome outcome;
  EXPECT_FALSE(UnzipArchive("ERROR", prompt, archive, destination, &outcome));
  ExpectOneLoadFailureMessage(prompt);
  EXPECT_NE(outcome.code, 0);
  EXPECT_EQ(GetFileAttributesA(destination.c_str()), INVALID_FILE_ATTRIBUTES);

  prompt.requests.clear();
  const std::string before = CurrentDirectory();
  EXPECT_FALSE(ZipFolder("ERROR", prompt, box / "Other.gd", box / "Pack\\*.*"));
  ExpectOneLoadFailureMessage(prompt);
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_EQ(GetFileAttributesA((box / "Other.gd").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(vfzipBinding, AnAbsentLibraryFileShowsTheLoadFailure) {
  const std::string absent = box / "nowhere\\VFZip.dll";
  EXPECT_FALSE(UnzipArchive(absent, prompt, archive, destination));
  ExpectOneLoadFailureMessage(prompt);
  EXPECT_EQ(GetFileAttributesA(destination.c_str()), INVALID_FILE_ATTRIBUTES);

  prompt.requests.clear();
  EXPECT_FALSE(ZipFolder(absent, prompt, box / "Other.gd", box / "Pack\\*.*"));
  ExpectOneLoadFailureMessage(prompt);
}

TEST_F(vfzipBinding, ALibraryWithoutTheExportsFailsQuietly) {
  UnzipOutcome outcome;
  EXPECT_FALSE(UnzipArchive("kernel32.dll", prompt, archive, destination, &outcome));
  EXPECT_NE(outcome.reason.find("UnZipFiles"), std::string::npos) << outcome.reason;
  EXPECT_FALSE(ZipFolder("kernel32.dll", prompt, box / "Other.gd", box / "Pack\\*.*"));
  EXPECT_TRUE(prompt.requests.empty());
  EXPECT_EQ(GetFileAttributesA(destination.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((box / "Other.gd").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(vfzipBinding, UnzipArchiveUnpacksEverythingAndReportsSuccess) {
  UnzipOutcome outcome;
  outcome.code = 99;
  ASSERT_TRUE(UnzipArchive(BuiltLibraryPath(), prompt, archive, destination, &outcome));
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.reason, "");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(destination + "\\theme.gdtheme", bytes));
  EXPECT_EQ(bytes, "[Package Info]\r\n");
}

TEST_F(vfzipBinding, AnAllFilesSourceMakesItsFolderTheCurrentDirectory) {
  MakeFolder(box / "Second");
  WriteWholeFile(box / "Second\\b.ico", "b");
  ASSERT_TRUE(ZipFolder(BuiltLibraryPath(), prompt, box / "Second.gd", box / "Second\\*.*"));
  EXPECT_EQ(lstrcmpiA(CurrentDirectory().c_str(), (box / "Second").c_str()), 0)
      << CurrentDirectory();
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(vfzipBinding, AnyOtherSourceIsPassedUnchangedAndLeavesTheCurrentDirectory) {
  MakeFolder(box / "Second");
  WriteWholeFile(box / "Second\\b.ico", "b");
  WriteWholeFile(box / "Second\\c.cur", "c");
  const std::string before = CurrentDirectory();
  ASSERT_TRUE(ZipFolder(BuiltLibraryPath(), prompt, box / "Second.gd", box / "Second\\*.ico"));
  EXPECT_EQ(CurrentDirectory(), before);
  ASSERT_TRUE(UnzipArchive(BuiltLibraryPath(), prompt, box / "Second.gd", box / "Out"));
  const std::map<std::string, std::string> expected = {{"b.ico", "b"}};
  EXPECT_EQ(ListTree(box / "Out"), expected);
}

}  // namespace
}  // namespace gd::test
