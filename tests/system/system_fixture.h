// What apply and restore tests share: a catalogue over the in-memory system (CatalogueHarness)
// with a page state, recorded page events and recorded system effects.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/page_state.h"
#include "support/catalogue_harness.h"
#include "system/system_effects.h"

namespace gd::test {

inline constexpr RegRoot HKCR = RegRoot::ClassesRoot;
inline constexpr RegRoot HKCU = RegRoot::CurrentUser;
inline constexpr RegRoot HKLM = RegRoot::LocalMachine;
inline constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";
inline constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";
inline constexpr const char* kShellIconsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class RecordingEffects final : public SystemEffects {
 public:
  struct Image {
    int image;
    std::string file;
    int index;
    bool operator==(const Image&) const = default;
  };
  std::vector<Image> images;
  std::vector<std::pair<std::string, std::string>> shortcuts;  // path, "file,index"
  std::set<std::string> readOnlyShortcuts;
  bool iconsExtract = true;
  int associationNotices = 0;
  int cursorReloads = 0;

  bool ReplaceSystemImage(int image, const std::string& file, int index) override {
    if (!iconsExtract) return false;
    images.push_back({image, file, index});
    return true;
  }
  bool SetShortcutIcon(const std::string& path, const std::string& file, int index) override {
    if (readOnlyShortcuts.count(path) > 0) return false;
    shortcuts.emplace_back(path, file + "," + std::to_string(index));
    return true;
  }
  void NotifyAssociationsChanged() override { ++associationNotices; }
  void ReloadCursors() override { ++cursorReloads; }
};

class RecordingEvents final : public PageEvents {
 public:
  std::vector<std::pair<int, int>> refreshed;
  std::vector<int> repainted;
  int titleChanges = 0;
  int applyEnabled = 0;
  void SlotRefreshed(int category, int item) override { refreshed.emplace_back(category, item); }
  void CategoryRepainted(int category) override { repainted.push_back(category); }
  void TitleChanged() override { ++titleChanges; }
  void ApplyEnabled() override { ++applyEnabled; }
};

class SystemTest : public ::testing::Test, protected CatalogueHarness {
 protected:
  static CatalogueInputs Inputs(int osVersion) {
    CatalogueInputs inputs;
    inputs.osVersion = osVersion;
    inputs.ieVersion = "6.0.2800.1106";
    inputs.paths =
        PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", osVersion};
    inputs.appPath = kAppPath;
    return inputs;
  }
  SlotCatalogue& Make(int osVersion = 6) {
    page.appPath = kAppPath;
    return MakeCatalogue(Inputs(osVersion));
  }
  // Adds a slot and gives it a new pending icon, so that it is marked changed.
  IconSlot& Changed(int category, const std::string& name, std::optional<RegRoot> root,
                    const std::string& key, const std::string& value, const std::string& file,
                    int index, SlotKind kind = SlotKind::RegistryValue) {
    const int at = catalogue->AddSlot(category, name, root, key, value, "", 0, kind, 0);
    EXPECT_GE(at, 0) << name;
    IconSlot& slot = *catalogue->Entries(category).at(static_cast<std::size_t>(at)).slot;
    catalogue->SetSlotIcon(slot, file, index);
    page.pendingChanges = true;
    return slot;
  }
  std::string Text(RegRoot root, const std::string& key, const std::string& name) {
    return registry.ReadText(root, key, name);
  }
  std::string IniText(const std::string& file, const std::string& section, const std::string& key) {
    std::string out;
    ReadIniValue(ini, section, key, out, file);
    return out;
  }

  PageState page;
  RecordingEvents events;
  RecordingEffects effects;
};

}  // namespace gd::test
