// Page events recorded in order: what loading, saving, restoring and applying tell the page.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "catalogue/page_state.h"

namespace gd::test {

class RecordingEvents final : public PageEvents {
 public:
  void SlotRefreshed(int category, int item) override { refreshed.emplace_back(category, item); }
  void CategoryRepainted(int category) override { repainted.push_back(category); }
  void TitleChanged() override { ++titleChanges; }
  void ApplyEnabled() override { ++applyEnabled; }
  void PackageListChanged() override { ++listChanges; }
  void RecentPackageAdded(const std::string& file) override { recent.push_back(file); }

  std::vector<std::pair<int, int>> refreshed;
  std::vector<int> repainted;
  int titleChanges = 0;
  int applyEnabled = 0;
  int listChanges = 0;
  std::vector<std::string> recent;
};

}  // namespace gd::test
