// The command-line grammar: keyword prefixes and case, unknown keywords, the last one wins.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace gd {
namespace {

using Mode = CommandLineMode;

TEST(CommandLine, EveryKeywordWithEitherPrefixInAnyCaseAndTheLastOfEachWins) {
  const std::pair<const char*, Mode> table[] = {
      {"install", Mode::Install}, {"uninstall", Mode::Uninstall}, {"a", Mode::LegacyLoadAndApply}, {"E", Mode::ReservedE}, {"z", Mode::ReservedZ},
      {"cache", Mode::RebuildCache}, {"REBUILD", Mode::RebuildCache}, {"backup", Mode::Backup}, {"restore", Mode::Restore},
      {"r", Mode::RestoreDefaults}, {"Default", Mode::RestoreDefaults}, {"install2", Mode::Install2},
      {"explorer", Mode::Explorer}, {"Lt", Mode::LoadAndApply}, {"default2", Mode::RestoreDefaultsNoRebuild}};
  for (const auto& [keyword, mode] : table) {
    for (const char* prefix : {"/", "-"}) {
      const auto info = ParseCommandLine({prefix + std::string(keyword), "C:\\pkg\\a.gdtheme"});
      EXPECT_EQ(info.mode, mode) << prefix << keyword;
      EXPECT_EQ(info.fileName, "C:\\pkg\\a.gdtheme");
    }
  }
  // Which keywords run silently, and the window's start flags: L load and close, R restore and
  // close, S skip the cache rebuild ("a" is taken like "lt", though it never reaches the window).
  std::string silent, flags;
  for (const auto& [keyword, mode] : table) {
    if (IsSilentOperation(mode)) silent += std::string(keyword) + " ";
    const StartFlags start = StartFlagsFor(mode);
    if (start.loadAndClose || start.restoreAndClose || start.skipCacheRebuild) {
      flags += std::string(keyword) + ":" + (start.loadAndClose ? "L" : "") +
               (start.restoreAndClose ? "R" : "") + (start.skipCacheRebuild ? "S" : "") + " ";
    }
  }
  EXPECT_EQ(silent, "r Default Lt default2 ");
  EXPECT_EQ(flags, "a:L r:R Default:R Lt:L default2:RS ");
  EXPECT_EQ(ParseCommandLine({"/default2", "/r"}).mode, Mode::RestoreDefaults);
  EXPECT_EQ(ParseCommandLine({"/r", "/default2"}).mode, Mode::RestoreDefaultsNoRebuild);
  EXPECT_EQ(ParseCommandLine({"first.gdtheme", "/lt", "second.gdtheme"}).fileName, "second.gdtheme");
}

TEST(CommandLine, BareWordsAreFileNamesUnknownKeywordsChangeNothingAndLongNamesAreMarked) {
  EXPECT_EQ(ParseCommandLine({"lt", "x.gdtheme"}).mode, Mode::None);
  EXPECT_EQ(ParseCommandLine({"lt", "x.gdtheme"}).fileName, "x.gdtheme");
  const auto unknown = ParseCommandLine({"/lt", "/unknown", "-", "/", "/ltx", "-l"});
  EXPECT_EQ(unknown.mode, Mode::LoadAndApply);
  EXPECT_EQ(unknown.fileName, "");
  EXPECT_EQ(ParseCommandLine({"a.gdtheme", ""}).fileName, "") << "an empty argument is an empty name";
  // An over-long name is marked, not cut, until a later one that fits replaces it.
  const std::string longName = "C:\\" + std::string(300, 'p') + ".gdtheme";
  EXPECT_EQ(ParseCommandLine({"/lt", longName}).fileName, longName);
  EXPECT_TRUE(ParseCommandLine({"/lt", longName}).fileNameTooLong);
  EXPECT_FALSE(ParseCommandLine({"/lt", std::string(259, 'q')}).fileNameTooLong);
  EXPECT_FALSE(ParseCommandLine({longName, "short.gdtheme"}).fileNameTooLong);
}

}  // namespace
}  // namespace gd
