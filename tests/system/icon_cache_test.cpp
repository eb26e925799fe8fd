// The icon cache rebuild: which Windows NT 4.0 warning shows and how Cancel switches it off,
// which way the library is driven per Windows version, and the load failure.
#include "system/icon_cache.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_shell.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd::test {
namespace {

constexpr const char* kProgram = "Software\\Quillmoor\\Glimmerdeck";
constexpr const char* kShell32 = "C:\\WINNT\\system32\\shell32.dll";

// Records what was done with the library, in order; "free" when it is released.
class RecordingRebuilder final : public CacheRebuilder {
 public:
  bool loads = true;
  std::vector<std::string> events;

  std::unique_ptr<Library> Load(const std::string& path) override {
    events.push_back("load " + path);
    if (!loads) return nullptr;
    return std::make_unique<RecordedLibrary>(events);
  }

 private:
  class RecordedLibrary final : public Library {
   public:
    explicit RecordedLibrary(std::vector<std::string>& events) : events_(events) {}
    ~RecordedLibrary() override { events_.push_back("free"); }
    void CallRebuildIcons() override { events_.push_back("RebuildIcons"); }
    void RunShellHook() override { events_.push_back("hook"); }

   private:
    std::vector<std::string>& events_;
  };
};

class IconCacheRebuild : public ::testing::Test {
 protected:
  IconCacheRebuild() {
    inputs.appPath = "C:\\Program Files\\Glimmerdeck";
    inputs.paths.systemDir = "C:\\WINNT\\system32";
  }

  int Rebuild(int osVersion) {
    inputs.osVersion = osVersion;
    return RebuildIconCache(inputs, {registry, shell, prompt, rebuilder});
  }
  void SetInternetExplorer(const char* version) {
    store.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version",
                  version);
  }
  std::uint32_t Stored(const char* value) {
    return registry.ReadNumber(RegRoot::CurrentUser, kProgram, value);
  }
  std::vector<std::string> DirectCall() const {
    return {"load C:\\Program Files\\Glimmerdeck\\refreshhook.dll", "RebuildIcons", "free"};
  }

  MemoryRegistry store;
  Registry registry{store};
  FakeShell shell;
  ScriptedPrompt prompt{{}, PromptAnswer::Cancel};
  RecordingRebuilder rebuilder;
  CatalogueInputs inputs;
};

TEST_F(IconCacheRebuild, Nt4WithInternetExplorer5ShowsWarningOneUntilCancelled) {
  SetInternetExplorer("5.00.2314.1003");
  shell.iconCounts[kShell32] = 120;  // a new shell too: warning 1 still wins

  EXPECT_EQ(Rebuild(4), 1);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text, kRebuildWarning1Text);
  EXPECT_EQ(prompt.requests[0].caption, "Glimmerdeck");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Information);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::OkCancel);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 0u);
  EXPECT_EQ(Stored("Rebuild Warning 2"), 10u);
  EXPECT_EQ(rebuilder.events, DirectCall());  // Cancel does not stop the rebuild

  EXPECT_EQ(Rebuild(4), 1);
  EXPECT_EQ(prompt.requests.size(), 1u);
}

TEST_F(IconCacheRebuild, OkKeepsTheWarningForNextTime) {
  SetInternetExplorer("5.5");
  prompt = ScriptedPrompt({}, PromptAnswer::Ok);
  Rebuild(4);
  Rebuild(4);
  EXPECT_EQ(prompt.requests.size(), 2u);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 10u);
}

TEST_F(IconCacheRebuild, Nt4WithInternetExplorer4WarnsOnlyWithTheNewShell) {
  SetInternetExplorer("4.72.3110.0");
  shell.iconCounts[kShell32] = 77;
  EXPECT_EQ(Rebuild(4), 1);
  EXPECT_TRUE(prompt.requests.empty());

  shell.iconCounts[kShell32] = 78;
  EXPECT_EQ(Rebuild(4), 1);
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text, kRebuildWarning2Text);
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Information);
  EXPECT_EQ(Stored("Rebuild Warning 2"), 0u);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 10u);

  Rebuild(4);
  EXPECT_EQ(prompt.requests.size(), 1u);
}

TEST_F(IconCacheRebuild, OnlyNt4Warns) {
  SetInternetExplorer("5.00.2314.1003");
  shell.iconCounts[kShell32] = 120;
  for (const int osVersion : {0, 1, 2, 3, 5}) {
    rebuilder.events.clear();
    EXPECT_EQ(Rebuild(osVersion), 1) << osVersion;
    EXPECT_EQ(rebuilder.events, DirectCall()) << osVersion;
  }
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(IconCacheRebuild, WindowsXpGoesThroughTheShellHook) {
  EXPECT_EQ(Rebuild(6), 1);
  EXPECT_EQ(rebuilder.events,
            (std::vector<std::string>{"load C:\\Program Files\\Glimmerdeck\\refreshhook.dll",
                                      "hook", "free"}));
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(IconCacheRebuild, ALibraryThatWillNotLoadIsReportedAndNothingElseHappens) {
  rebuilder.loads = false;
  for (const int osVersion : {5, 6}) {
    prompt.requests.clear();
    rebuilder.events.clear();
    EXPECT_EQ(Rebuild(osVersion), 0);
    EXPECT_EQ(rebuilder.events.size(), 1u);
    ASSERT_EQ(prompt.requests.size(), 1u);
    EXPECT_EQ(prompt.requests[0].text,
              "Error loading refreshhook.dll file.\n\nPlease reinstall the application to "
              "correct this problem.");
    EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::Ok);
  }
}

TEST(IconCacheHasNewShell, CountsShellIconsOnlyOnWindows95AndNt4) {
  FakeShell shell;
  shell.iconCounts["C:\\WINDOWS\\SYSTEM\\shell32.dll"] = 77;
  for (const int osVersion : {1, 4}) {
    EXPECT_FALSE(HasNewShell(osVersion, "C:\\WINDOWS\\SYSTEM", shell)) << osVersion;
  }
  for (const int osVersion : {0, 2, 3, 5, 6}) {
    EXPECT_TRUE(HasNewShell(osVersion, "C:\\WINDOWS\\SYSTEM", shell)) << osVersion;
  }
  shell.iconCounts["C:\\WINDOWS\\SYSTEM\\shell32.dll"] = 78;
  EXPECT_TRUE(HasNewShell(4, "C:\\WINDOWS\\SYSTEM", shell));
}

}  // namespace
}  // namespace gd::test
