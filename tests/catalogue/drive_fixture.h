// A machine for the drive builder's tests: the in-memory registry and a shell whose drives
// the test lists, with the inputs of each Windows version.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/builders.h"
#include "catalogue/drive_builder.h"
#include "catalogue/slot_catalogue.h"
#include "platform/os_version.h"
#include "support/catalogue_harness.h"

namespace gd::drive_test {

using test::FakeShell;
using test::MemoryIni;
using test::MemoryRegistry;
using test::RecordingNotice;
using test::ScriptedPrompt;

constexpr RegRoot kHKCU = RegRoot::CurrentUser;
constexpr RegRoot kHKLM = RegRoot::LocalMachine;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";
constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";
constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr const char* kDriveIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\DriveIcons\\";

// The names of the shared list, in code page 1252 as packages carry them.
inline const std::vector<std::string>& SharedNames() {
  static const std::vector<std::string> names{
      "Floppy Drive 5\xBC",        "Floppy Drive 3\xBD",      "Hard Drive",
      "Network Drive (connected)", "Network Drive (offline)", "CD-ROM Drive",
      "Removable Drive",           "RAM Drive"};
  return names;
}

inline CatalogueInputs VersionInputs(int os, bool newShell = true) {
  CatalogueInputs inputs;
  inputs.osVersion = os;
  inputs.newShell = newShell;
  const bool nineX = os >= os::kWindows95 && os <= os::kWindowsMe;
  inputs.paths = PathContext{"C:\\WINDOWS", nineX ? "C:\\WINDOWS\\SYSTEM" : "C:\\WINDOWS\\system32",
                             "C:\\Program Files", os};
  inputs.appPath = kAppPath;
  return inputs;
}

// The user chose Individual Drive Mode last time.
inline void RememberIndividualMode(MemoryRegistry& registry) {
  registry.PutNumber(kHKCU, kProgramKey, "Drive Mode", 1);
}

// A floppy, a hard disk and a CD drive, as the shell names them.
inline void AddTypicalDrives(FakeShell& shell) {
  shell.drives = {{"A:\\", 2, "3\xBD Floppy (A:)"},
                  {"C:\\", 3, "System (C:)"},
                  {"D:\\", 5, "Audio CD (D:)"}};
}

class DriveIconsTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  SlotCatalogue& Make(const CatalogueInputs& inputs) { return MakeCatalogue(inputs); }
  // Builds the drive list in the remembered mode.
  SlotCatalogue& Build(const CatalogueInputs& inputs) {
    SlotCatalogue& catalogue = Make(inputs);
    BuildDriveIcons(catalogue);
    return catalogue;
  }
  std::vector<std::string> ListedNames() const { return NamesIn(category::kDrives); }
  const IconSlot& At(std::size_t index) const {
    return *catalogue->Entries(category::kDrives).at(index).slot;
  }
  std::uint32_t StoredMode() { return registry.ReadNumber(kHKCU, kProgramKey, "Drive Mode"); }
};

}  // namespace gd::drive_test
