// What the package tests share: a catalogue of hand-made slots over the in-memory system, and
// package files written into the in-memory INI store, which the fake shell then finds.
#pragma once

#include <functional>

#include "package/package_loader.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "support/catalogue_harness.h"
#include "support/recording_events.h"

namespace gd::package_test {

inline constexpr const char* kAppPath = "C:\\Apps\\Glimmerdeck";
inline const std::string kThemes = std::string(kAppPath) + "\\Themes";
inline const std::string kBlueDir = kThemes + "\\Blue\\";
inline const std::string kBlue = kBlueDir + "Blue.gdtheme";
inline constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";
using Names = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, std::string>>;

class FakeHost final : public PackageHost {
 public:
  explicit FakeHost(test::FakeShell& shell) : shell_(shell) {}
  void RestoreAllIcons(bool) override { if (restoreIcons) restoreIcons(); }
  void RestoreAllCursors(bool) override {}
  // Unpacks by making the files of `archiveContents` exist in the install folder.
  std::optional<std::string> InstallZippedPackage(const std::string&) override {
    if (installFolder) for (const auto& file : archiveContents) shell_.files.insert(*installFolder + "\\" + file);
    return installFolder;
  }
  bool CreateShortcut(const std::string& link, const std::string& target) override { shell_.shortcuts[link] = {target, "", 0}; return true; }

  std::function<void()> restoreIcons;  // what restoring does to the slots, if anything
  Names archiveContents;
  std::optional<std::string> installFolder;

 private:
  test::FakeShell& shell_;
};

class PackageTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  PackageTest() {
    state.appPath = kAppPath;
    state.themesDir = kThemes;
  }
  // The named slots, each showing "C:\Sys\<name>.dll,0" so that any package icon changes it.
  // The tables give Windows versions and categories by their numbers.
  void Catalogue(int os, const std::vector<std::pair<int, std::string>>& slots,
                 CatalogueView view = CatalogueView::LocalUpdate) {
    Catalogue(static_cast<Os>(os), slots, view);
  }
  void Catalogue(Os os, const std::vector<std::pair<int, std::string>>& slots,
                 CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs;
    inputs.osVersion = os;
    inputs.view = view;
    inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", os};
    inputs.appPath = kAppPath;
    MakeCatalogue(inputs);
    for (const auto& [category, name] : slots) AddSlot(static_cast<Category>(category), name);
  }
  void AddSlot(Category category, const std::string& name) {
    catalogue->AddSlot(category, name, std::nullopt, "", "", "C:\\Sys\\" + name + ".dll", 0, SlotKind::BuiltIn, 0);
  }
  void Write(const std::string& file, const std::string& section, const Entries& entries) {
    for (const auto& [key, value] : entries) ini.WriteString(file, section, key, value);
    shell.files.insert(file);
  }
  int Load(const std::string& file) {
    state.packageFile = file;
    return LoadPackage(*catalogue, state, events, host);
  }
  const IconSlot& Slot(Category category, const std::string& name) { return SlotIn(category, name); }
  bool Changed(Category category, const std::string& name) { return Slot(category, name).IsChanged(); }
  const IconSlot& Slot(int category, const std::string& name) { return Slot(static_cast<Category>(category), name); }
  bool Changed(int category, const std::string& name) { return Changed(static_cast<Category>(category), name); }

  EditState state;
  test::RecordingEvents events;
  FakeHost host{shell};
};

}  // namespace gd::package_test
