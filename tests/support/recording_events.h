// Catalogue events recorded in order: what loading, saving, restoring and applying tell the page.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "catalogue/edit_state.h"

namespace gd::test {

class RecordingEvents final : public CatalogueEvents {
 public:
  void SlotRefreshed(Category category, int item) override { refreshed.emplace_back(category, item); }
  void ListsChanged() override { ++listsChanged; }
  void TitleChanged() override { ++titleChanges; }
  void ApplyEnabled() override { ++applyEnabled; }
  void PackageListChanged() override { ++listChanges; }
  void RecentPackageAdded(const std::string& file) override { recent.push_back(file); }

  std::vector<std::pair<Category, int>> refreshed;
  int listsChanged = 0;
  int titleChanges = 0;
  int applyEnabled = 0;
  int listChanges = 0;
  std::vector<std::string> recent;
};

}  // namespace gd::test
