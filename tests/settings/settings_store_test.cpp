// The settings store's reading rules and its recent-package list.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

constexpr const char* kProgram = "Software\\Quillmoor\\Glimmerdeck";

// Flags on unless stored 0 (a text reads as missing), and flags on only when stored 1.
TEST(SettingsStore, FlagsReadByTheirRuleAndTheRecentListPutsNewPathsFirst) {
  test::MemoryRegistry backend;
  Registry registry(backend);
  SettingsStore settings(registry);
  const std::pair<Flag, const char*> onUnlessZero[] = {{Flag::Settings, "Settings"}, {Flag::SmartLoad, "Smart Load"},
                                                       {Flag::NoticeApply, "Notice Apply"}};
  const std::pair<Flag, const char*> onIfOne[] = {{Flag::RestoreCursors, "Restore Cursors"}, {Flag::SaveMode, "Save Mode"},
                                                  {Flag::BrowserNames, "Browser Names"}};
  for (const auto& [flags, missing] : {std::pair{&onUnlessZero, true}, std::pair{&onIfOne, false}}) {
    for (auto [flag, name] : *flags) {
      EXPECT_EQ(settings.IsOn(flag), missing) << name;
      backend.PutText(RegRoot::CurrentUser, kProgram, name, "1");
      EXPECT_EQ(settings.IsOn(flag), missing) << name;
      for (std::uint32_t value : {0u, 1u, 2u, 10u}) {
        backend.PutNumber(RegRoot::CurrentUser, kProgram, name, value);
        EXPECT_EQ(settings.IsOn(flag), value == 1 || (value != 0 && missing)) << name << " " << value;
      }
    }
  }
  for (const char* p : {"C:\\a", "C:\\b", "C:\\c", "c:\\A"}) settings.AddRecentPackage(p);
  const auto recent = [&](int n) { return registry.ReadText(RegRoot::CurrentUser, kRecentKey, "Package" + std::to_string(n)); };
  EXPECT_EQ(recent(1) + recent(2) + recent(3) + recent(4), "C:\\cC:\\bC:\\aERROR") << "a path there stays";
  for (int i = 1; i <= 11; ++i) settings.AddRecentPackage("C:\\p" + std::to_string(i));
  EXPECT_EQ(recent(1) + " " + recent(10) + " " + recent(11), "C:\\p11 C:\\p2 ERROR");
}

}  // namespace
}  // namespace gd
