// The Drives list: one slot per kind of drive, or one per drive letter on this machine.
#include "catalogue/drive_builder.h"

#include <cctype>
#include <string>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "platform/program_identity.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr Category kList = Category::Drives;

constexpr const char* kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr const char* kDriveIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\DriveIcons\\";

struct SharedDrive {
  const char* name;
  const char* shellIcon;  // the "Shell Icons" value, which is also the shell32.dll index
  int placeholder;        // icon of the program's own file in the Package Builder view
};

// The floppy names end in the code page 1252 fraction characters, exactly as packages carry them.
constexpr SharedDrive kSharedDrives[] = {
    {"Floppy Drive 5\xBC", "5", 36},
    {"Floppy Drive 3\xBD", "6", 37},
    {"Hard Drive", "8", 38},
    {"Network Drive (connected)", "9", 39},
    {"Network Drive (offline)", "10", 40},
    {"CD-ROM Drive", "11", 41},
    {"Removable Drive", "7", 42},
    {"RAM Drive", "12", 43},
};

void AddSharedSlots(SlotCatalogue& catalogue) {
  for (const SharedDrive& drive : kSharedDrives) {
    catalogue.AddSlot(kList, drive.name, RegRoot::LocalMachine, kShellIconsKey, drive.shellIcon,
                      "", -1, SlotKind::RegistryValue, 0);
  }
}

void AddPlaceholders(SlotCatalogue& catalogue) {
  const std::string file = PlaceholderFile(catalogue);
  for (const SharedDrive& drive : kSharedDrives) {
    catalogue.AddSlot(kList, drive.name, std::nullopt, "", "", file, drive.placeholder,
                      SlotKind::BuiltIn, 0);
  }
}

void AddDriveSlots(SlotCatalogue& catalogue) {
  ShellQueries& shell = catalogue.system().shell;
  for (const std::string& reported : shell.DriveRoots()) {
    // Only a drive letter can have a "DriveIcons" key of its own.
    if (reported.empty() || !std::isalpha(static_cast<unsigned char>(reported.front()))) continue;
    const std::string root = reported.substr(0, 3);
    std::string name = shell.DisplayName(root);
    // A drive the shell cannot name is still listed, under its root.
    if (name.empty()) name = root;
    const std::string key = kDriveIconsKey + root.substr(0, 1) + "\\DefaultIcon";
    // A letter without an icon of its own shows what "Shell Icons" sets for its type.
    catalogue.AddSlot(kList, name, RegRoot::LocalMachine, key, "", "",
                      DriveTypeIconIndex(shell.DriveType(root)), SlotKind::ShellIconFallback, 0);
  }
}

}  // namespace

bool IndividualDriveModeAllowed(const CatalogueInputs& inputs) {
  return inputs.newShell && inputs.osVersion != Os::WindowsXp &&
         inputs.view == CatalogueView::LocalUpdate;
}

bool ReadDriveModeSetting(SlotCatalogue& catalogue) {
  if (!IndividualDriveModeAllowed(catalogue.inputs())) return false;
  return SettingsStore(catalogue.system().registry).IsOn(Flag::DriveMode);
}

int DriveTypeIconIndex(unsigned driveType) {
  switch (driveType) {
    case 0: return 8;   // unknown: shown as a hard disk
    case 1: return 1;   // no root directory
    case 2: return 6;   // removable
    case 3: return 8;   // fixed
    case 4: return 9;   // remote
    case 5: return 11;  // CD-ROM
    case 6: return 12;  // RAM disk
    default: return static_cast<int>(driveType);
  }
}

void BuildDriveIconsInMode(SlotCatalogue& catalogue, bool individual) {
  if (!catalogue.Entries(kList).empty()) return;
  if (catalogue.inputs().view == CatalogueView::PackageBuilder) {
    AddPlaceholders(catalogue);
  } else if (individual && IndividualDriveModeAllowed(catalogue.inputs())) {
    AddDriveSlots(catalogue);
  } else {
    AddSharedSlots(catalogue);
  }
}

void BuildDriveIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(kList).empty()) return;
  BuildDriveIconsInMode(catalogue, ReadDriveModeSetting(catalogue));
}

bool SwitchDriveMode(SlotCatalogue& catalogue, bool individual) {
  if (individual && !IndividualDriveModeAllowed(catalogue.inputs())) return false;
  bool changed = false;
  for (const CatalogueEntry& entry : catalogue.Entries(kList)) {
    if (entry.slot && entry.slot->IsChanged()) changed = true;
  }
  if (changed) {
    const PromptRequest question{std::string(kDriveModeSwitchQuestion), kAppTitle,
                                 PromptIcon::Question, PromptButtons::YesNo};
    if (catalogue.system().prompt.Ask(question) != PromptAnswer::Yes) return false;
  }
  catalogue.ClearCategory(kList);
  BuildDriveIconsInMode(catalogue, individual);
  SettingsStore(catalogue.system().registry).SetFlag(Flag::DriveMode, individual);
  return true;
}

}  // namespace gd
