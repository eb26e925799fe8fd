// The .reg fixture reader: every value form it accepts, and refusal of what it cannot read.
#include <gtest/gtest.h>

#include "support/reg_file.h"

namespace gd {
namespace {

TEST(RegFile, ReadsKeysAndEveryValueForm) {
  test::MemoryRegistry backend;
  Registry registry(backend);
  const std::string text =
      "REGEDIT4\r\n\r\n; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Test]\r\n"
      "@=\"default text\"\r\n"
      "\"Quoted\"=\"C:\\\\Program Files\\\\a \\\"b\\\".ico,3\"\r\n"
      "\"Number\"=dword:0000000a\r\n"
      "\"Policy\"=hex:01,00,00,00\r\n"
      "\"Long\"=hex:01,02,\\\r\n  03,04\r\n"
      "\"Expand\"=hex(2):25,00\r\n"
      "[HKEY_CLASSES_ROOT\\.txt]\r\n@=\"txtfile\"\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Empty]\r\n";
  ASSERT_EQ(test::LoadRegText(backend, text), "");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Test", ""), "default text");
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Test", "Quoted"),
            "C:\\Program Files\\a \"b\".ico,3");
  EXPECT_EQ(registry.ReadNumber(RegRoot::CurrentUser, "Software\\Test", "Number"), 10u);
  std::uint8_t first = 0;
  registry.ReadRegFirstByte(RegRoot::CurrentUser, "Software\\Test", "Policy", first);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(registry.ReadNumber(RegRoot::CurrentUser, "Software\\Test", "Long"), 10u);  // binary
  EXPECT_EQ(registry.ReadText(RegRoot::CurrentUser, "Software\\Test", "Expand"), "%");
  EXPECT_EQ(registry.ReadText(RegRoot::ClassesRoot, ".txt", ""), "txtfile");
  EXPECT_EQ(registry.RegKeyExists(RegRoot::LocalMachine, "SOFTWARE\\Empty"), 1);
}

TEST(RegFile, RefusesWhatItCannotRead) {
  test::MemoryRegistry backend;
  EXPECT_EQ(test::LoadRegText(backend, "\"Orphan\"=\"value\""), "\"Orphan\"=\"value\"");
  EXPECT_EQ(test::LoadRegText(backend, "[HKEY_USERS\\X]"), "[HKEY_USERS\\X]");
  EXPECT_EQ(test::LoadRegText(backend, "[-HKEY_CURRENT_USER\\X]"), "[-HKEY_CURRENT_USER\\X]");
  EXPECT_EQ(test::LoadRegText(backend, "[HKEY_CURRENT_USER\\X]\n\"A\"=dword:123"),
            "\"A\"=dword:123");
  EXPECT_EQ(test::LoadRegText(backend, "[HKEY_CURRENT_USER\\X]\n\"A\"=hex:0g"), "\"A\"=hex:0g");
  EXPECT_EQ(test::LoadRegText(backend, "[HKEY_CURRENT_USER\\X]\n\"A\"=\"unterminated"),
            "\"A\"=\"unterminated");
}

}  // namespace
}  // namespace gd
