// The settings store's reading rules and its recent-package list.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/memory_registry.h"

namespace gd {
namespace {

TEST(SettingsStore, FlagsReadByTheirRuleAndTheRecentListPutsNewPathsFirst) {
  test::MemoryRegistry backend;
  Registry registry(backend);
  SettingsStore settings(registry);
  // Smart Load is on unless stored 0, Save Mode only when stored 1; a text reads as missing.
  backend.PutText(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", "Save Mode", "1");
  backend.PutNumber(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", "Smart Load", 2);
  EXPECT_TRUE(settings.IsOn(Flag::SmartLoad) && !settings.IsOn(Flag::SaveMode));
  for (const char* p : {"C:\\a", "C:\\b", "C:\\c", "c:\\A"}) settings.AddRecentPackage(p);
  const auto recent = [&](int n) { return registry.ReadText(RegRoot::CurrentUser, kRecentKey, "Package" + std::to_string(n)); };
  EXPECT_EQ(recent(1) + recent(2) + recent(3) + recent(4), "C:\\cC:\\bC:\\aERROR") << "a path there stays";
  for (int i = 1; i <= 11; ++i) settings.AddRecentPackage("C:\\p" + std::to_string(i));
  EXPECT_EQ(recent(10) + " " + recent(11), "C:\\p2 ERROR") << "ten at most";
}

}  // namespace
}  // namespace gd
