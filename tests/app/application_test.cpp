// Start-up of the application object: the installation check, which starts run the window,
// and with what start flags.
#include <gtest/gtest.h>

#include <optional>

#include "app/application.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd {
namespace {

class RecordingRunner final : public MainWindowRunner {
 public:
  int Run(const WindowStart& start) override {
    ran = start;
    return kExitOk;
  }
  std::optional<WindowStart> ran;
};

class ApplicationTest : public ::testing::Test {
 protected:
  void Install() {
    backend.PutText(RegRoot::LocalMachine, kInstallKey, "Path", "C:\\Program Files\\Glimmerdeck");
  }
  int Run(std::vector<std::string> args) { return RunApplication(args, settings, prompt, runner); }

  test::MemoryRegistry backend;
  Registry registry{backend};
  SettingsStore settings{registry};
  test::ScriptedPrompt prompt;
  RecordingRunner runner;
};

TEST_F(ApplicationTest, MissingInstallationShowsTheMessageAndRunsNothing) {
  EXPECT_EQ(Run({"/default"}), kExitNotInstalled);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text,
            "Error: Application path not found.\n\nPlease run the Glimmerdeck setup again to "
            "correct this problem.");
  EXPECT_EQ(prompt.requests[0].caption, "Glimmerdeck");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::Ok);
  EXPECT_FALSE(runner.ran.has_value());
}

TEST_F(ApplicationTest, SilentOperationsRunTheWindowWithTheirFlags) {
  Install();
  EXPECT_EQ(Run({"/lt", "C:\\Themes\\Blue\\Blue.gdtheme"}), kExitOk);
  ASSERT_TRUE(runner.ran);
  EXPECT_TRUE(runner.ran->flags.loadAndClose);
  EXPECT_FALSE(runner.ran->flags.restoreAndClose);
  EXPECT_EQ(runner.ran->packageFile, "C:\\Themes\\Blue\\Blue.gdtheme");
  EXPECT_EQ(runner.ran->appPath, "C:\\Program Files\\Glimmerdeck");
  EXPECT_FALSE(runner.ran->interactive);

  runner.ran.reset();
  Run({"/default2", "/r"});
  ASSERT_TRUE(runner.ran);
  EXPECT_TRUE(runner.ran->flags.restoreAndClose);
  EXPECT_FALSE(runner.ran->flags.skipCacheRebuild);  // the later "r" wins: cache is rebuilt

  runner.ran.reset();
  Run({"-DEFAULT2"});
  ASSERT_TRUE(runner.ran);
  EXPECT_TRUE(runner.ran->flags.restoreAndClose);
  EXPECT_TRUE(runner.ran->flags.skipCacheRebuild);
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(ApplicationTest, NoKeywordOpensTheWindowForUse) {
  Install();
  Run({});
  ASSERT_TRUE(runner.ran);
  EXPECT_TRUE(runner.ran->interactive);
  EXPECT_FALSE(runner.ran->flags.loadAndClose);
  EXPECT_FALSE(runner.ran->flags.restoreAndClose);
  runner.ran.reset();
  Run({"lt", "D:\\pkg.gdtheme"});  // no prefix: a file name, opened interactively
  ASSERT_TRUE(runner.ran);
  EXPECT_TRUE(runner.ran->interactive);
  EXPECT_EQ(runner.ran->packageFile, "D:\\pkg.gdtheme");
}

TEST_F(ApplicationTest, KeywordsWithoutAnActionEndAtOnce) {
  Install();
  for (const char* keyword : {"/install", "/install2", "/uninstall", "/a", "/e", "/z", "/cache",
                              "/rebuild", "/backup", "/restore", "/explorer"}) {
    EXPECT_EQ(Run({keyword, "x.gdtheme"}), kExitOk) << keyword;
    EXPECT_FALSE(runner.ran.has_value()) << keyword;
  }
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(ApplicationTest, OverLongPackageNamesAreRefused) {
  Install();
  EXPECT_EQ(Run({"/lt", "C:\\" + std::string(400, 'x') + ".gdtheme"}), kExitBadCommandLine);
  EXPECT_FALSE(runner.ran.has_value());
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
}

TEST_F(ApplicationTest, TheInstallationCheckComesBeforeEverythingElse) {
  EXPECT_EQ(Run({"/lt", std::string(400, 'x')}), kExitNotInstalled);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_NE(prompt.requests[0].text.find("Application path not found"), std::string::npos);
}

}  // namespace
}  // namespace gd
