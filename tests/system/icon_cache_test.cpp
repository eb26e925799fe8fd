// The icon cache rebuild: which Windows NT 4.0 warning shows and how Cancel switches it off,
// which way the library is driven per Windows version, and the load failure.
#include <gtest/gtest.h>

#include "support/fake_shell.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"
#include "system/icon_cache.h"

namespace gd::test {
namespace {

// Records what was done with the library ("free" when it is released) and what was shown.
class IconCacheRebuild : public ::testing::Test, public CacheRebuilder {
 protected:
  struct Recorded final : Library {
    explicit Recorded(std::string& log) : log(log) {}
    ~Recorded() override { log += " free"; }
    void CallRebuildIcons() override { log += " RebuildIcons"; }
    void RunShellHook() override { log += " hook"; }
    std::string& log;
  };
  std::unique_ptr<Library> Load(const std::string& path) override {
    log += "load " + path;
    return loads ? std::make_unique<Recorded>(log) : nullptr;
  }
  std::string Rebuild(int os) {
    CatalogueInputs inputs;
    inputs.osVersion = static_cast<Os>(os);
    inputs.appPath = "C:\\Gd";
    inputs.paths.systemDir = "C:\\WINNT\\system32";
    log.clear();
    prompt.requests.clear();
    const int result = RebuildIconCache(inputs, {registry, shell, prompt, *this});
    for (const PromptRequest& shown : prompt.requests) log = shown.text.substr(0, 29) + ": " + log;
    return log + " " + std::to_string(result);
  }

  MemoryRegistry store;
  Registry registry{store};
  FakeShell shell;
  ScriptedPrompt prompt{{PromptAnswer::Ok}, PromptAnswer::Cancel};
  std::string log;
  bool loads = true;
};

TEST_F(IconCacheRebuild, Nt4WarningsShowUntilCancelledWhichGoesOn) {
  store.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version", "5.00.2314.1003");
  shell.iconCounts["C:\\WINNT\\system32\\shell32.dll"] = 120;  // a new shell as well: IE 5 wins
  EXPECT_EQ(Rebuild(4), "Please note that we are still: load C:\\Gd\\refreshhook.dll RebuildIcons free 1");  // OK keeps it
  EXPECT_EQ(Rebuild(4), "Please note that we are still: load C:\\Gd\\refreshhook.dll RebuildIcons free 1");
  EXPECT_EQ(Rebuild(4), "load C:\\Gd\\refreshhook.dll RebuildIcons free 1");
  // With IE 4 only the new shell (78 icons and more) is warned about.
  store.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version", "4.72.3110.0");
  shell.iconCounts["C:\\WINNT\\system32\\shell32.dll"] = 77;
  EXPECT_EQ(Rebuild(4), "load C:\\Gd\\refreshhook.dll RebuildIcons free 1");
  shell.iconCounts["C:\\WINNT\\system32\\shell32.dll"] = 78;
  EXPECT_EQ(Rebuild(4), "Glimmerdeck has detected that: load C:\\Gd\\refreshhook.dll RebuildIcons free 1");
  EXPECT_EQ(Rebuild(4), "load C:\\Gd\\refreshhook.dll RebuildIcons free 1") << "Cancel switched it off";
}

TEST_F(IconCacheRebuild, OtherSystemsNeverWarnAndOnlyXpUsesTheShellHook) {
  store.PutText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version", "5.00.2314.1003");
  for (const int os : {0, 1, 2, 3, 5, 6}) {
    EXPECT_EQ(Rebuild(os), std::string("load C:\\Gd\\refreshhook.dll ") + (os == 6 ? "hook" : "RebuildIcons") + " free 1");
  }
  loads = false;
  EXPECT_EQ(Rebuild(6), "Error loading refreshhook.dll: load C:\\Gd\\refreshhook.dll 0");
}

}  // namespace
}  // namespace gd::test
