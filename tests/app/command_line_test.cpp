// The command-line grammar: keyword prefixes and case, unknown keywords, the last one wins.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace gd {
namespace {

TEST(CommandLine, EveryKeywordWithEitherPrefixInAnyCase) {
  const std::pair<const char*, CommandLineMode> table[] = {
      {"install", CommandLineMode::Install},   {"uninstall", CommandLineMode::Uninstall},
      {"a", CommandLineMode::LegacyLoadAndApply},               {"E", CommandLineMode::ReservedE},
      {"z", CommandLineMode::ReservedZ},               {"cache", CommandLineMode::RebuildCache},
      {"REBUILD", CommandLineMode::RebuildCache}, {"backup", CommandLineMode::Backup},
      {"restore", CommandLineMode::Restore},   {"r", CommandLineMode::RestoreDefaults},
      {"Default", CommandLineMode::RestoreDefaults}, {"install2", CommandLineMode::Install2},
      {"explorer", CommandLineMode::Explorer}, {"Lt", CommandLineMode::LoadAndApply},
      {"default2", CommandLineMode::RestoreDefaultsNoRebuild},
  };
  for (const auto& [keyword, mode] : table) {
    for (const char* prefix : {"/", "-"}) {
      const auto info = ParseCommandLine({prefix + std::string(keyword), "C:\\pkg\\a.gdtheme"});
      EXPECT_EQ(info.mode, mode) << prefix << keyword;
      EXPECT_EQ(info.fileName, "C:\\pkg\\a.gdtheme");
    }
  }
}

TEST(CommandLine, BareWordsAreFileNamesUnknownKeywordsChangeNothingAndTheLastOfEachWins) {
  const auto bare = ParseCommandLine({"lt", "x.gdtheme"});
  EXPECT_EQ(bare.mode, CommandLineMode::None);
  EXPECT_EQ(bare.fileName, "x.gdtheme");
  const auto unknown = ParseCommandLine({"/lt", "/unknown", "-", "/", "/ltx", "-l"});
  EXPECT_EQ(unknown.mode, CommandLineMode::LoadAndApply);
  EXPECT_EQ(unknown.fileName, "");
  EXPECT_EQ(ParseCommandLine({"/default2", "/r"}).mode, CommandLineMode::RestoreDefaults);
  EXPECT_EQ(ParseCommandLine({"/r", "/default2"}).mode, CommandLineMode::RestoreDefaultsNoRebuild);
  EXPECT_EQ(ParseCommandLine({"first.gdtheme", "/lt", "second.gdtheme"}).fileName, "second.gdtheme");
  EXPECT_EQ(ParseCommandLine({"a.gdtheme", ""}).fileName, "") << "an empty argument is an empty name";
  // An over-long name is marked, not cut, until a later one that fits replaces it.
  const std::string longName = "C:\\" + std::string(300, 'p') + ".gdtheme";
  EXPECT_TRUE(ParseCommandLine({"/lt", longName}).fileNameTooLong);
  EXPECT_EQ(ParseCommandLine({"/lt", longName}).fileName, longName);
  EXPECT_FALSE(ParseCommandLine({"/lt", std::string(259, 'q')}).fileNameTooLong);
  EXPECT_FALSE(ParseCommandLine({longName, "short.gdtheme"}).fileNameTooLong);
}

}  // namespace
}  // namespace gd
