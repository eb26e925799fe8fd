// The command-line grammar: keyword prefixes and case, unknown keywords, last one wins.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace gd {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, KeywordsNeedAPrefixAndIgnoreCase) {
  for (const char* spelling : {"/lt", "/LT", "-lt", "/Lt", "-Lt"}) {
    const auto info = ParseCommandLine({spelling, "C:\\pkg\\a.gdtheme"});
    EXPECT_EQ(info.mode, CommandLineMode::LoadAndApply) << spelling;
    EXPECT_EQ(info.fileName, "C:\\pkg\\a.gdtheme");
  }
  // Without a prefix the keyword is a file name, and the start opens nothing.
  const auto bare = ParseCommandLine({"lt", "x.gdtheme"});
  EXPECT_EQ(bare.mode, CommandLineMode::None);
  EXPECT_EQ(bare.fileName, "x.gdtheme");
  EXPECT_EQ(ParseCommandLine({"lt"}).fileName, "lt");
}

TEST(CommandLine, EveryKeywordOfTheTable) {
  const std::pair<const char*, CommandLineMode> table[] = {
      {"install", CommandLineMode::Install},
      {"uninstall", CommandLineMode::Uninstall},
      {"a", CommandLineMode::LegacyLoadAndApply},
      {"e", CommandLineMode::ReservedE},
      {"z", CommandLineMode::ReservedZ},
      {"cache", CommandLineMode::RebuildCache},
      {"REBUILD", CommandLineMode::RebuildCache},
      {"backup", CommandLineMode::Backup},
      {"restore", CommandLineMode::Restore},
      {"r", CommandLineMode::RestoreDefaults},
      {"Default", CommandLineMode::RestoreDefaults},
      {"install2", CommandLineMode::Install2},
      {"explorer", CommandLineMode::Explorer},
      {"lt", CommandLineMode::LoadAndApply},
      {"default2", CommandLineMode::RestoreDefaultsNoRebuild},
  };
  for (const auto& [keyword, mode] : table) {
    EXPECT_EQ(ParseCommandLine({std::string("/") + keyword}).mode, mode) << keyword;
    EXPECT_EQ(static_cast<int>(ParseCommandLine({std::string("-") + keyword}).mode),
              static_cast<int>(mode));
  }
}

TEST(CommandLine, LaterKeywordAndLaterFileWin) {
  EXPECT_EQ(ParseCommandLine({"/default2", "/r"}).mode, CommandLineMode::RestoreDefaults);
  EXPECT_EQ(ParseCommandLine({"/r", "/default2"}).mode,
            CommandLineMode::RestoreDefaultsNoRebuild);
  const auto two = ParseCommandLine({"first.gdtheme", "/lt", "second.gdtheme"});
  EXPECT_EQ(two.fileName, "second.gdtheme");
  EXPECT_EQ(two.mode, CommandLineMode::LoadAndApply);
}

TEST(CommandLine, UnknownOrEmptyArgumentsChangeNothing) {
  const auto info = ParseCommandLine({"/lt", "/unknown", "-", "/", "/ltx", "-l"});
  EXPECT_EQ(info.mode, CommandLineMode::LoadAndApply);
  EXPECT_EQ(info.fileName, "");
  EXPECT_EQ(ParseCommandLine({}).mode, CommandLineMode::None);
  // An empty argument ("" on the command line) is a file name, an empty one.
  const auto empty = ParseCommandLine({"a.gdtheme", ""});
  EXPECT_EQ(empty.fileName, "");
}

TEST(CommandLine, OverLongFileNamesAreMarkedNotCut) {
  const std::string longName = "C:\\" + std::string(300, 'p') + ".gdtheme";
  const auto info = ParseCommandLine({"/lt", longName});
  EXPECT_TRUE(info.fileNameTooLong);
  EXPECT_EQ(info.fileName, longName);
  const auto fine = ParseCommandLine({"/lt", std::string(259, 'q')});
  EXPECT_FALSE(fine.fileNameTooLong);
  // A later name that fits replaces the over-long one.
  EXPECT_FALSE(ParseCommandLine({longName, "short.gdtheme"}).fileNameTooLong);
}

}  // namespace
}  // namespace gd
