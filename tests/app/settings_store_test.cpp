// The settings store's reading rules and its recent-package list.
#include <gtest/gtest.h>

#include "app/settings_store.h"
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
  EXPECT_EQ(settings.RecentPackages(5), (std::vector<std::string>{"C:\\c", "C:\\b", "C:\\a"})) << "a path there stays";
  for (int i = 1; i <= 11; ++i) settings.AddRecentPackage("C:\\p" + std::to_string(i));
  EXPECT_EQ(settings.RecentPackages(20).back(), "C:\\p2") << "ten at most";
}

}  // namespace
}  // namespace gd
