// A machine for the folder builder's tests: the in-memory registry, INI files and shell, the
// inputs of each Windows version, and per-version set-ups that register the namespace and
// class keys by which the shell shows which special folders are installed.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/builders.h"
#include "catalogue/folder_table.h"
#include "catalogue/slot_catalogue.h"
#include "platform/os_version.h"
#include "support/catalogue_harness.h"

namespace gd::folder_test {

using test::FakeShell;
using test::MemoryIni;
using test::MemoryRegistry;
using test::RecordingNotice;
using test::ScriptedPrompt;

constexpr RegRoot kHKCR = RegRoot::ClassesRoot;
constexpr RegRoot kHKCU = RegRoot::CurrentUser;
constexpr RegRoot kHKLM = RegRoot::LocalMachine;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";

// The directories a real installation of each version has.
inline CatalogueInputs VersionInputs(int os, bool newShell = true) {
  CatalogueInputs inputs;
  inputs.osVersion = os;
  inputs.newShell = newShell;
  const bool nt = os == os::kWindowsNt4 || os == os::kWindows2000;
  const std::string windows = nt ? "C:\\WINNT" : "C:\\WINDOWS";
  const bool nineX = os >= os::kWindows95 && os <= os::kWindowsMe;
  inputs.paths = PathContext{windows, windows + (nineX ? "\\SYSTEM" : "\\system32"),
                             "C:\\Program Files", os};
  inputs.appPath = kAppPath;
  return inputs;
}

// Registers a class as a shell folder, as an installed browser component does.
inline void AddShellFolder(MemoryRegistry& registry, std::string_view clsid) {
  registry.CreateKey(kHKCR, "CLSID\\" + std::string(clsid) + "\\ShellFolder");
}
inline void AddToControlPanel(MemoryRegistry& registry, std::string_view item) {
  registry.CreateKey(kHKLM, std::string(folders::kControlPanelNameSpace) + std::string(item));
}
inline void AddToMyComputer(MemoryRegistry& registry, std::string_view clsid) {
  registry.CreateKey(kHKLM, std::string(folders::kMyComputerNameSpace) + std::string(clsid));
}

// What the browser update of the late nineties installs on every version.
inline void AddBrowserFolders(MemoryRegistry& registry) {
  AddShellFolder(registry, folders::clsid::kActiveXCache);
  AddShellFolder(registry, folders::clsid::kFavorites);
  AddShellFolder(registry, folders::clsid::kUrlHistory);
  AddShellFolder(registry, folders::clsid::kSubscriptions);
}

inline void SetUpWindows95(MemoryRegistry& registry) {
  AddToMyComputer(registry, folders::clsid::kDialUp9x);
}

inline void SetUpWindows98(MemoryRegistry& registry, FakeShell& shell) {
  AddToMyComputer(registry, folders::clsid::kDialUp9x);
  AddToMyComputer(registry, folders::clsid::kScheduledTasks);
  AddToMyComputer(registry, folders::clsid::kWebFolders);
  AddBrowserFolders(registry);
  shell.specialFolders[folders::special::kMyPictures] = "C:\\My Documents\\My Pictures";
}

inline void SetUpWindowsMe(MemoryRegistry& registry, FakeShell& shell) {
  AddToMyComputer(registry, folders::clsid::kDialUp9x);
  AddToControlPanel(registry, folders::clsid::kScheduledTasks);
  AddToControlPanel(registry, folders::clsid::kScanners);
  AddBrowserFolders(registry);
  shell.specialFolders[folders::special::kMyMusic] = "C:\\My Documents\\My Music";
  shell.specialFolders[folders::special::kMyPictures] = "C:\\My Documents\\My Pictures";
}

inline void SetUpWindowsNt4(MemoryRegistry& registry) {
  AddToMyComputer(registry, folders::clsid::kDialUpNt);
  AddToMyComputer(registry, folders::clsid::kScheduledTasks);
  AddBrowserFolders(registry);
}

inline void SetUpWindows2000(MemoryRegistry& registry, FakeShell& shell) {
  AddToControlPanel(registry, folders::clsid::kAdminTools);
  AddToControlPanel(registry, folders::clsid::kFonts);
  AddToControlPanel(registry, folders::clsid::kNetworkConnections);
  AddToControlPanel(registry, "Printers");
  AddToControlPanel(registry, folders::clsid::kScheduledTasks);
  AddBrowserFolders(registry);
  shell.specialFolders[folders::special::kMyPictures] =
      "C:\\Documents and Settings\\Ann\\My Documents\\My Pictures";
}

constexpr const char* kXpMyVideos = "C:\\Documents and Settings\\Ann\\My Documents\\My Videos";

inline void SetUpWindowsXp(MemoryRegistry& registry, FakeShell& shell) {
  AddToControlPanel(registry, folders::clsid::kAdminTools);
  AddToControlPanel(registry, folders::clsid::kFonts);
  AddToControlPanel(registry, folders::clsid::kNetworkConnections);
  AddToControlPanel(registry, "Printers");
  AddToControlPanel(registry, folders::clsid::kScanners);
  AddToControlPanel(registry, folders::clsid::kScheduledTasks);
  AddToMyComputer(registry, folders::clsid::kWebFolders);
  AddBrowserFolders(registry);
  shell.specialFolders[folders::special::kFavorites] = "C:\\Documents and Settings\\Ann\\Favorites";
  shell.specialFolders[folders::special::kMyMusic] =
      "C:\\Documents and Settings\\Ann\\My Documents\\My Music";
  shell.specialFolders[folders::special::kMyPictures] =
      "C:\\Documents and Settings\\Ann\\My Documents\\My Pictures";
  registry.PutText(kHKCU, folders::kUserShellFolders, "My Video", kXpMyVideos);
  shell.files.insert(std::string(kXpMyVideos) + "\\desktop.ini");
}

// Every key any version looks at, so that only the version decides what is shown.
inline void SetUpEverything(MemoryRegistry& registry, FakeShell& shell) {
  SetUpWindowsXp(registry, shell);
  AddToMyComputer(registry, folders::clsid::kDialUp9x);
  AddToMyComputer(registry, folders::clsid::kDialUpNt);
  AddToMyComputer(registry, folders::clsid::kScheduledTasks);
}

class FolderIconsTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  SlotCatalogue& Make(const CatalogueInputs& inputs) { return MakeCatalogue(inputs); }
  // Builds the folder list for the inputs and returns the catalogue.
  SlotCatalogue& Build(const CatalogueInputs& inputs) {
    SlotCatalogue& catalogue = Make(inputs);
    BuildFolderIcons(catalogue);
    return catalogue;
  }
  std::vector<std::string> ListedNames() const { return NamesIn(category::kFolders); }
  // The slot of that name; fails the test when it is missing.
  const IconSlot& Slot(std::string_view name) { return SlotIn(category::kFolders, name); }
  bool Has(std::string_view name) { return catalogue->Find(category::kFolders, name) != nullptr; }
};

}  // namespace gd::folder_test
