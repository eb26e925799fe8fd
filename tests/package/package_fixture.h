// What loading and library tests share: a catalogue over the in-memory system with a few
// hand-made slots, package files written into the in-memory INI store and made to exist in
// the fake shell, and a host and page that record what they are asked to do.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/page_state.h"
#include "package/package_host.h"
#include "package/package_loader.h"
#include "package/zipped_package.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "support/catalogue_harness.h"

namespace gd::package_test {

inline constexpr const char* kAppPath = "C:\\Apps\\Glimmerdeck";
inline constexpr const char* kThemes = "C:\\Apps\\Glimmerdeck\\Themes";
inline constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";

class FakeHost final : public PackageHost {
 public:
  explicit FakeHost(test::FakeShell& shell) : shell_(shell) {}

  void RestoreAllIcons(bool includedOnly) override {
    iconRestores.push_back(includedOnly);
    if (restoreIcons) restoreIcons();
  }
  void RestoreAllCursors(bool includedOnly) override { cursorRestores.push_back(includedOnly); }
  // Unpacks by making the files the test put in `archiveContents` exist under the folder.
  std::optional<std::string> InstallZippedPackage(const std::string& archive) override {
    installed.push_back(archive);
    if (!installFolder) return std::nullopt;
    for (const std::string& file : archiveContents) shell_.files.insert(*installFolder + "\\" + file);
    return installFolder;
  }
  bool CreateShortcut(const std::string& shortcut, const std::string& target) override {
    shortcuts.emplace_back(shortcut, target);
    shell_.shortcuts[shortcut] = {target, "", 0};
    return true;
  }

  std::function<void()> restoreIcons;  // what restoring does to the test's slots, if anything
  std::vector<bool> iconRestores;
  std::vector<bool> cursorRestores;
  std::vector<std::string> installed;
  std::optional<std::string> installFolder;
  std::vector<std::string> archiveContents;  // paths relative to the install folder
  std::vector<std::pair<std::string, std::string>> shortcuts;

 private:
  test::FakeShell& shell_;
};

// The files of the fake shell, with deletions recorded.
class FakeFiles final : public PackageFiles {
 public:
  explicit FakeFiles(test::FakeShell& shell) : shell_(shell) {}

  std::vector<Entry> ListFolder(const std::string& folder) override {
    std::vector<Entry> entries;
    for (const std::string& file : shell_.FindFiles(folder, "*.*", false)) {
      entries.push_back({FileName(file), false});
    }
    return entries;
  }
  bool RemoveFile(const std::string& path) override {
    removedFiles.push_back(path);
    std::erase_if(shell_.files, [&](const std::string& f) { return EqualsIgnoreCase(f, path); });
    shell_.shortcuts.erase(path);
    return true;
  }
  bool RemoveTree(const std::string& folder) override {
    removedTrees.push_back(folder);
    return true;
  }

  std::vector<std::string> removedFiles;
  std::vector<std::string> removedTrees;

 private:
  test::FakeShell& shell_;
};

// Answers the save dialog with a fixed name, or cancels with none.
class FixedChooser final : public ArchiveNameChooser {
 public:
  explicit FixedChooser(std::optional<std::string> answer) : answer_(std::move(answer)) {}
  std::optional<std::string> ChooseArchiveName(const std::string& startFolder,
                                               const std::string& proposedName) override {
    asked.emplace_back(startFolder, proposedName);
    return answer_;
  }
  std::vector<std::pair<std::string, std::string>> asked;

 private:
  std::optional<std::string> answer_;
};

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

inline CatalogueInputs InputsFor(int os, CatalogueView view = CatalogueView::LocalUpdate) {
  CatalogueInputs inputs;
  inputs.osVersion = os;
  inputs.view = view;
  inputs.paths = PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", os};
  inputs.appPath = kAppPath;
  return inputs;
}

class PackageTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  PackageTest() {
    state.appPath = kAppPath;
    state.themesDir = kThemes;
  }

  // A slot whose current icon is "<name>.dll,0", so any package icon changes it.
  int AddSlot(int category, const std::string& name) {
    return catalogue->AddSlot(category, name, std::nullopt, "", "", "C:\\Sys\\" + name + ".dll",
                              0, SlotKind::BuiltIn, 0);
  }
  // The smallest catalogue of the given version and view: the named slots per category.
  SlotCatalogue& Catalogue(int os, const std::vector<std::pair<int, std::string>>& slots,
                           CatalogueView view = CatalogueView::LocalUpdate) {
    MakeCatalogue(InputsFor(os, view));
    for (const auto& [category, name] : slots) AddSlot(category, name);
    return *catalogue;
  }

  // Writes entries of one section into a package file that the shell then finds.
  void Write(const std::string& file, const std::string& section,
             const std::vector<std::pair<std::string, std::string>>& entries) {
    for (const auto& [key, value] : entries) ini.WriteString(file, section, key, value);
    shell.files.insert(file);
  }
  int Load(const std::string& file) {
    state.packageFile = file;
    return LoadPackage(*catalogue, state, events, host);
  }
  const IconSlot& Slot(int category, const std::string& name) { return SlotIn(category, name); }
  bool Changed(int category, const std::string& name) { return Slot(category, name).IsChanged(); }

  PageState state;
  RecordingEvents events;
  FakeHost host{shell};
};

}  // namespace gd::package_test
