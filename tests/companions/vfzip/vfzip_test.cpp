// VFZip.dll through the program's binding: hostile archives are refused before anything is
// written, saying why; what is packed comes back byte for byte; a missing library is reported.
#include "companions/vfzip/raw_zip.h"
#include "companions/include/vfzip.h"
#include "platform/zip_library.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompt.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

namespace gd::test {
namespace {

std::string BuiltLibrary() {
  char path[MAX_PATH];
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.rfind('\\') + 1) + "VFZip.dll";
}

// Every file and folder under root by relative ANSI path (folders end in "\"), with its bytes.
std::map<std::string, std::string> Tree(const std::string& root, const std::string& prefix = "") {
  std::map<std::string, std::string> tree;
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((root + "\\" + prefix + "*").c_str(), &data);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
    const std::string name = prefix + data.cFileName;
    if (data.cFileName == std::string(".") || data.cFileName == std::string("..")) continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[name + "\\"];
      tree.merge(Tree(root, name + "\\"));
    } else {
      tree[name] = ReadFile(root + "\\" + name);
    }
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return tree;
}

TEST(VfzipHostileArchives, AreRefusedWholeBeforeAnythingIsWrittenSayingWhy) {
  struct Hostile {
    std::vector<RawEntry> entries;
    int code;
    std::string why;  // a piece of the explanation
  };
  std::vector<Hostile> archives;
  auto add = [&](std::string name, int code, std::string why, std::uint16_t madeBy = 20, std::uint16_t flags = 0,
                 std::uint32_t attributes = 0) {
    RawEntry entry = Stored(name, "../../../../Windows/win.ini");
    entry.madeBy = madeBy, entry.flags = flags, entry.attributes = attributes;
    archives.push_back({{Stored("good.ico", "GOOD"), entry}, code, why});  // the good entry is not written either
  };
  for (auto [name, code, why] : {std::tuple{"icons/../../escape.txt", VFZIP_PARENT_FOLDER, "\"..\""},
                                 {"..\\escape.txt", VFZIP_PARENT_FOLDER, "\"..\""}, {"/escape.txt", VFZIP_ABSOLUTE_PATH, "absolute"},
                                 {"\\\\host\\c$\\escape.txt", VFZIP_ABSOLUTE_PATH, "absolute"}, {"C:escape.txt", VFZIP_ABSOLUTE_PATH, "drive"},
                                 {"icons/nul.ico", VFZIP_DEVICE_NAME, "device"}, {"aux .ani", VFZIP_DEVICE_NAME, "device"},
                                 {"CONIN$", VFZIP_DEVICE_NAME, "device"}, {"theme.gdtheme:hidden", VFZIP_BAD_NAME, "stream"},
                                 {".. /escape.txt", VFZIP_BAD_NAME, "dot or blank"}}) {
    add(name, code, why);
  }
  add(std::string(240, 'd') + "/icon.ico", VFZIP_BAD_NAME, "259 characters");
  add("\xEF\xBC\x8E\xEF\xBC\x8E/escape.txt", VFZIP_BAD_NAME, "code page", 20, 0x800);  // full-width dots, not real ones
  add("link.ico", VFZIP_LINK, "symbolic link", 0x0314, 0, 0120777u << 16);
  add("junction.ico", VFZIP_LINK, "reparse point", 0x0A14, 0, FILE_ATTRIBUTE_REPARSE_POINT);
  add("secret.ico", VFZIP_ENCRYPTED, "encrypted", 20, 1);
  Hostile many{{}, VFZIP_TOO_MANY_ENTRIES, "4097 entries"}, huge{{Stored("huge.ico", "")}, VFZIP_TOO_LARGE, "\"huge.ico\""};
  Hostile big{{Stored("a.ico", ""), Stored("b.ico", ""), Stored("c.ico", "")}, VFZIP_TOO_LARGE, "in all"};
  for (int i = 0; i <= 4096; ++i) many.entries.push_back(Stored(std::to_string(i) + ".ico", "i"));
  huge.entries[0].size = (256u << 20) + 1;
  for (RawEntry& entry : big.entries) entry.size = (512u << 20) / 3 + 1;
  archives.insert(archives.end(), {many, huge, big, {{Stored("bad.ico", std::string(5000, 'x'))}, VFZIP_BAD_DATA, "bad.ico"}});
  archives.back().entries[0].crc ^= 0x1234;
  // A bomb that stays small on disk is cut off where it passes its declared size, and removed.
  archives.push_back({{ZeroBomb("icons/bomb.ico", 1000, 64 << 20), Stored("good.ico", "GOOD")}, VFZIP_INFLATES_TOO_FAR,
                      "\"icons\\bomb.ico\": it inflates to more than the 1000 bytes"});
  ASSERT_LT(archives.back().entries[0].data.size(), 200u << 10);
  archives.push_back({{}, VFZIP_OPEN_ARCHIVE, "package.gd"});  // no archive at all

  for (const Hostile& expected : archives) {
    SCOPED_TRACE(expected.why);
    ScratchFolder box;
    ScriptedPrompt prompt;
    UnzipOutcome outcome;
    const std::string archive = box.Write("in\\package.gd", expected.entries.empty() ? "junk" : BuildZip(expected.entries));
    EXPECT_FALSE(UnzipArchive(BuiltLibrary(), prompt, archive, box / "Themes\\package", &outcome));
    EXPECT_EQ(outcome.code, expected.code) << outcome.reason;
    EXPECT_NE(outcome.reason.find(expected.why), std::string::npos) << outcome.reason;
    EXPECT_TRUE(prompt.requests.empty());
    const auto tree = Tree(box.path());
    EXPECT_EQ(std::count_if(tree.begin(), tree.end(), [](const auto& e) { return !e.first.ends_with("\\"); }), 1);
    const bool writing = expected.code == VFZIP_BAD_DATA || expected.code == VFZIP_INFLATES_TOO_FAR;
    EXPECT_TRUE(writing || tree.size() == 2u) << "not even the destination folder";
    EXPECT_EQ(GetFileAttributesA("C:\\escape.txt") & GetFileAttributesA("\\escape.txt"), INVALID_FILE_ATTRIBUTES);
  }
}

TEST(VfzipRoundTrip, WhatIsPackedComesBackByteForByteUnderItsUtf8NameAndNothingElse) {
  ScratchFolder box;
  std::string binary(70000, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 >> 5);
  const std::vector<std::pair<std::string, std::string>> packed{
      {"theme.gdtheme", "[Desktop Icons]\r\n"}, {"pc.ico", binary}, {"caf\xE9.ico", binary.substr(9, 999)}, {"README", ""}};
  for (const auto& [name, bytes] : packed) box.Write("Pack\\" + name, bytes);
  box.Write("Pack\\other.txt", "not named");
  box.Write("Pack\\Other\\Other.gdtheme", "another package");
  std::vector<std::string> names;
  for (const auto& entry : packed) names.push_back(entry.first);
  ScriptedPrompt prompt;
  box.Write("Pack.gd", "an old archive of that name");
  ASSERT_TRUE(ZipFiles(BuiltLibrary(), prompt, box / "Pack.gd", box / "Pack", names));
  ASSERT_TRUE(UnzipArchive(BuiltLibrary(), prompt, box / "Pack.gd", box / "Themes\\Pack"));
  std::map<std::string, std::string> expected;
  for (const auto& [name, bytes] : packed) expected[name] = bytes;
  EXPECT_EQ(Tree(box / "Themes\\Pack"), expected) << "the named files only; under Wine, names beyond ASCII need LANG=C.UTF-8";
  // Without the library the user is told once per operation; without the exports, nothing.
  for (const std::string& library : {std::string("ERROR"), std::string("kernel32.dll")}) {
    ScriptedPrompt told;
    EXPECT_FALSE(UnzipArchive(library, told, box / "Pack.gd", box / "Out"));
    EXPECT_FALSE(ZipFiles(library, told, box / "Other.gd", box / "Pack", names));
    EXPECT_EQ(told.requests.size(), library == "ERROR" ? 2u : 0u);
    const std::string loadFailure = "Error: Failed to load VFZip.dll.\n\nPlease reinstall the application to correct this problem.";
    for (const PromptRequest& request : told.requests) EXPECT_EQ(request.text, loadFailure);
  }
  EXPECT_FALSE(std::filesystem::exists(box / "Out") || std::filesystem::exists(box / "Other.gd"));
}

}  // namespace
}  // namespace gd::test
