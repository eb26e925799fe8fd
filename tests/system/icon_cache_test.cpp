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

using Events = std::vector<std::string>;
constexpr const char* kShell32 = "C:\\WINNT\\system32\\shell32.dll";
constexpr const char* kLibrary = "load C:\\Glimmerdeck\\refreshhook.dll";

// Records what was done with the library, in order; "free" when it is released.
class RecordingRebuilder final : public CacheRebuilder {
 public:
  bool loads = true;
  Events events;

  std::unique_ptr<Library> Load(const std::string& path) override {
    events.push_back("load " + path);
    return loads ? std::make_unique<Recorded>(events) : nullptr;
  }

 private:
  struct Recorded final : Library {
    explicit Recorded(Events& events) : events(events) {}
    ~Recorded() override { events.push_back("free"); }
    void CallRebuildIcons() override { events.push_back("RebuildIcons"); }
    void RunShellHook() override { events.push_back("hook"); }
    Events& events;
  };
};

class IconCacheRebuild : public ::testing::Test {
 protected:
  int Rebuild(int osVersion) {
    inputs.osVersion = osVersion;
    inputs.appPath = "C:\\Glimmerdeck";
    inputs.paths.systemDir = "C:\\WINNT\\system32";
    return RebuildIconCache(inputs, {registry, shell, prompt, rebuilder});
  }
  void SetInternetExplorer(const char* version) {
    store.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version",
                  version);
  }
  std::uint32_t Stored(const char* value) {
    return registry.ReadNumber(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", value);
  }
  void ExpectWarning(std::string_view text) {
    ASSERT_EQ(prompt.requests.size(), 1u);
    EXPECT_EQ(prompt.requests[0].text, text);
    EXPECT_EQ(prompt.requests[0].caption, "Glimmerdeck");
    EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::OkCancel);
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
  shell.iconCounts[kShell32] = 120;  // a new shell as well: warning 1 still wins
  prompt = ScriptedPrompt({PromptAnswer::Ok}, PromptAnswer::Cancel);

  EXPECT_EQ(Rebuild(4), 1);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 10u);  // OK keeps it
  prompt.requests.clear();
  rebuilder.events.clear();

  EXPECT_EQ(Rebuild(4), 1);
  ExpectWarning(kRebuildWarning1Text);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 0u);
  EXPECT_EQ(Stored("Rebuild Warning 2"), 10u);
  EXPECT_EQ(rebuilder.events, (Events{kLibrary, "RebuildIcons", "free"}));  // Cancel goes on

  EXPECT_EQ(Rebuild(4), 1);
  EXPECT_EQ(prompt.requests.size(), 1u);
}

TEST_F(IconCacheRebuild, Nt4WithInternetExplorer4WarnsOnlyWithTheNewShell) {
  SetInternetExplorer("4.72.3110.0");
  shell.iconCounts[kShell32] = 77;
  EXPECT_EQ(Rebuild(4), 1);
  EXPECT_TRUE(prompt.requests.empty());

  shell.iconCounts[kShell32] = 78;
  EXPECT_EQ(Rebuild(4), 1);
  ExpectWarning(kRebuildWarning2Text);
  EXPECT_EQ(Stored("Rebuild Warning 2"), 0u);
  EXPECT_EQ(Stored("Rebuild Warning 1"), 10u);
  Rebuild(4);
  EXPECT_EQ(prompt.requests.size(), 1u);
}

TEST_F(IconCacheRebuild, OtherSystemsNeverWarnAndOnlyXpUsesTheShellHook) {
  SetInternetExplorer("5.00.2314.1003");
  for (const int osVersion : {0, 1, 2, 3, 5, 6}) {
    rebuilder.events.clear();
    EXPECT_EQ(Rebuild(osVersion), 1) << osVersion;
    const char* way = osVersion == 6 ? "hook" : "RebuildIcons";
    EXPECT_EQ(rebuilder.events, (Events{kLibrary, way, "free"})) << osVersion;
  }
  EXPECT_TRUE(prompt.requests.empty());
}

TEST_F(IconCacheRebuild, ALibraryThatWillNotLoadIsReportedAndNothingElseHappens) {
  rebuilder.loads = false;
  EXPECT_EQ(Rebuild(6), 0);
  EXPECT_EQ(rebuilder.events, Events{kLibrary});
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].text,
            "Error loading refreshhook.dll file.\n\nPlease reinstall the application to "
            "correct this problem.");
  EXPECT_EQ(prompt.requests[0].icon, PromptIcon::Exclamation);
  EXPECT_EQ(prompt.requests[0].buttons, PromptButtons::Ok);
}

}  // namespace
}  // namespace gd::test
