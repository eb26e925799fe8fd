// VFZip.dll through the program's binding: hostile archives are refused before anything is
// written and say why, what is packed comes back byte for byte, and a missing library is
// reported.
#include "companions/vfzip/raw_zip.h"
#include "companions/include/vfzip.h"
#include "platform/zip_library.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompt.h"

#include <windows.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace gd::test {
namespace {

std::string BuiltLibrary() {
  char path[MAX_PATH];
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.rfind('\\') + 1) + "VFZip.dll";
}

// Every file and folder under root by relative ANSI path ("a\b.ico"; folders end in "\")
// with the bytes of each file.
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
    std::string name;
    int code;
    std::string why;  // a piece of the explanation
    std::uint16_t madeBy = 20, flags = 0;
    std::uint32_t attributes = 0;
  };
  const Hostile names[] = {
      {"../vfzip-escape.txt", VFZIP_PARENT_FOLDER, "\"..\""},
      {"icons/../../vfzip-escape.txt", VFZIP_PARENT_FOLDER, "\"..\""},
      {"..\\vfzip-escape.txt", VFZIP_PARENT_FOLDER, "\"..\""},
      {"/vfzip-escape.txt", VFZIP_ABSOLUTE_PATH, "absolute"},
      {"\\\\localhost\\c$\\vfzip-escape.txt", VFZIP_ABSOLUTE_PATH, "absolute"},
      {"C:vfzip-escape.txt", VFZIP_ABSOLUTE_PATH, "drive letter"},
      {"icons/nul.ico", VFZIP_DEVICE_NAME, "device"},
      {"Com1.cur", VFZIP_DEVICE_NAME, "device"},
      {"aux .ani", VFZIP_DEVICE_NAME, "device"},
      {"CONIN$", VFZIP_DEVICE_NAME, "device"},
      {"theme.gdtheme:hidden", VFZIP_BAD_NAME, "stream"},
      {".. /vfzip-escape.txt", VFZIP_BAD_NAME, "dot or blank"},
      {"what?.ico", VFZIP_BAD_NAME, "what?.ico"},
      {std::string(240, 'd') + "/icon.ico", VFZIP_BAD_NAME, "259 characters"},
      // Full-width dots must not become real ones by a best-fit conversion.
      {"\xEF\xBC\x8E\xEF\xBC\x8E/vfzip-escape.txt", VFZIP_BAD_NAME, "code page", 20, 0x800},
      {"link.ico", VFZIP_LINK, "symbolic link", 0x0314, 0, 0120777u << 16},
      {"fifo.ico", VFZIP_LINK, "special file", 0x0314, 0, 0010644u << 16},
      {"junction.ico", VFZIP_LINK, "reparse point", 0x0A14, 0, FILE_ATTRIBUTE_REPARSE_POINT},
      {"secret.ico", VFZIP_ENCRYPTED, "encrypted", 20, 1},
  };
  std::vector<std::pair<std::vector<RawEntry>, Hostile>> archives;
  for (const Hostile& h : names) {
    RawEntry entry = Stored(h.name, "../../../../Windows/win.ini");
    entry.madeBy = h.madeBy, entry.flags = h.flags, entry.attributes = h.attributes;
    archives.push_back({{Stored("good.ico", "GOOD"), entry}, h});  // the good entry is not written either
  }
  std::vector<RawEntry> many, huge = {Stored("huge.ico", "tiny")}, big(3, Stored("big.ico", "tiny"));
  for (int i = 0; i <= 4096; ++i) many.push_back(Stored(std::to_string(i) + ".ico", "i"));
  huge[0].size = (256u << 20) + 1;
  for (int i = 0; i < 3; ++i) big[i].name[3] = char('0' + i), big[i].size = (512u << 20) / 3 + 1;
  archives.push_back({many, {"", VFZIP_TOO_MANY_ENTRIES, "4097 entries"}});
  archives.push_back({huge, {"", VFZIP_TOO_LARGE, "\"huge.ico\""}});
  archives.push_back({big, {"", VFZIP_TOO_LARGE, "in all"}});
  archives.push_back({{Stored("damaged.ico", std::string(5000, 'x'))}, {"", VFZIP_BAD_DATA, "damaged.ico"}});
  archives.back().first[0].crc ^= 0x1234;
  archives.push_back({{}, {"", VFZIP_OPEN_ARCHIVE, "package.gd"}});

  for (const auto& [entries, expected] : archives) {
    SCOPED_TRACE(expected.name + expected.why);
    ScratchFolder box;
    ScriptedPrompt prompt;
    UnzipOutcome outcome;
    const std::string archive = box.Write("in\\package.gd", entries.empty() ? std::string(4096, 'Z') : BuildZip(entries));
    EXPECT_FALSE(UnzipArchive(BuiltLibrary(), prompt, archive, box / "Themes\\package", &outcome));
    EXPECT_EQ(outcome.code, expected.code) << outcome.reason;
    EXPECT_NE(outcome.reason.find(expected.why), std::string::npos) << outcome.reason;
    EXPECT_TRUE(prompt.requests.empty());
    const auto tree = Tree(box.path());
    EXPECT_EQ(std::count_if(tree.begin(), tree.end(), [](const auto& e) { return !e.first.ends_with("\\"); }), 1);
    EXPECT_TRUE(expected.code == VFZIP_BAD_DATA || tree.size() == 2u) << "not even the destination folder";
    EXPECT_EQ(GetFileAttributesA("C:\\vfzip-escape.txt") & GetFileAttributesA("\\vfzip-escape.txt"), INVALID_FILE_ATTRIBUTES);
  }
}

TEST(VfzipHostileArchives, EntriesUpToTheBoundAreUnpackedAndABombIsCutOffAndRemoved) {
  ScratchFolder box;
  ScriptedPrompt prompt;
  std::vector<RawEntry> entries;
  for (int i = 0; i < 4096; ++i) entries.push_back(Stored(std::to_string(i) + ".ico", std::to_string(i)));
  ASSERT_TRUE(UnzipArchive(BuiltLibrary(), prompt, box.Write("full.gd", BuildZip(entries)), box / "Full"));
  EXPECT_EQ(ReadFile(box / "Full\\4095.ico"), "4095");
  const RawEntry bomb = ZeroBomb("icons/bomb.ico", 1000, 64);
  ASSERT_LT(bomb.data.size(), 200u << 10) << "the bomb stays small on disk";
  UnzipOutcome outcome;
  const std::string archive = box.Write("bomb.gd", BuildZip({Stored("good.ico", "GOOD"), bomb}));
  EXPECT_FALSE(UnzipArchive(BuiltLibrary(), prompt, archive, box / "Bomb", &outcome));
  EXPECT_EQ(outcome.code, VFZIP_INFLATES_TOO_FAR);
  EXPECT_NE(outcome.reason.find("bomb.ico"), std::string::npos) << outcome.reason;
  EXPECT_NE(outcome.reason.find("1000 bytes"), std::string::npos) << outcome.reason;
  const auto tree = Tree(box / "Bomb");
  EXPECT_FALSE(tree.count("icons\\bomb.ico")) << "the partial file is removed";
}

TEST(VfzipRoundTrip, WhatIsPackedComesBackByteForByteUnderRelativeUtf8Names) {
  ScratchFolder box;
  std::string binary(70000, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 >> 5);
  box.Write("Pack\\theme.gdtheme", "[Desktop Icons]\r\n");
  box.Write("Pack\\icons\\pc.ico", binary);
  box.Write("Pack\\icons\\caf\xE9.ico", binary.substr(100, 1000));
  box.Write("Pack\\cursors\\deep\\arrow.cur", binary.substr(5, 326));
  box.Write("Pack\\README", "");
  CreateDirectoryA((box / "Pack\\empty").c_str(), nullptr);
  const auto source = Tree(box / "Pack");
  ScriptedPrompt prompt;
  ASSERT_TRUE(ZipFolder(BuiltLibrary(), prompt, box / "Pack\\Pack.gd", box / "Pack\\*.*"));
  ASSERT_TRUE(ZipFolder(BuiltLibrary(), prompt, box / "Pack\\Pack.gd", box / "Pack\\*.*")) << "not into itself";
  ASSERT_TRUE(UnzipArchive(BuiltLibrary(), prompt, box / "Pack\\Pack.gd", box / "Themes\\Pack"));
  EXPECT_EQ(Tree(box / "Themes\\Pack"), source) << "under Wine, file names beyond ASCII need LANG=C.UTF-8";
  EXPECT_TRUE(prompt.requests.empty());
  std::set<std::string> names;
  zip_t* archive = zip_open((box / "Pack\\Pack.gd").c_str(), ZIP_RDONLY, nullptr);
  ASSERT_NE(archive, nullptr);
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) names.insert(zip_get_name(archive, i, ZIP_FL_ENC_RAW));
  zip_discard(archive);
  EXPECT_EQ(names, (std::set<std::string>{"theme.gdtheme", "icons/", "icons/pc.ico", "icons/caf\xC3\xA9.ico", "cursors/",
                                          "cursors/deep/", "cursors/deep/arrow.cur", "README", "empty/"}));
}

TEST(VfzipBinding, AMissingLibraryIsReportedAndOneWithoutTheExportsFailsQuietly) {
  ScratchFolder box;
  for (const std::string& library : {std::string("ERROR"), box / "nowhere\\VFZip.dll", std::string("kernel32.dll")}) {
    ScriptedPrompt prompt;
    UnzipOutcome outcome;
    EXPECT_FALSE(UnzipArchive(library, prompt, box / "a.gd", box / "out", &outcome));
    EXPECT_FALSE(ZipFolder(library, prompt, box / "b.gd", box.path() + "\\*.*"));
    if (library == "kernel32.dll") {
      EXPECT_NE(outcome.reason.find("UnZipFiles"), std::string::npos) << outcome.reason;
      EXPECT_TRUE(prompt.requests.empty());
      continue;
    }
    ASSERT_EQ(prompt.requests.size(), 2u);
    EXPECT_EQ(prompt.requests[0].text, "Error: Failed to load VFZip.dll.\n\nPlease reinstall the application to correct this problem.");
    EXPECT_EQ(prompt.requests[0].caption, "Error");
  }
  EXPECT_TRUE(Tree(box.path()).empty());
}

}  // namespace
}  // namespace gd::test
