// Saving a package: choosing the target, writing the package file entry by entry, storing each
// icon as a library entry or a file of its own, and putting a replaced package in place.
#include "package/package_saver.h"

#include <algorithm>

#include "settings/settings_store.h"
#include "catalogue/categories.h"
#include "iconfmt/library_builder.h"
#include "package/package_format.h"
#include "package/slot_aliases.h"
#include "platform/program_identity.h"
#include "platform/prompt.h"
#include "platform/text_case.h"

namespace gd {
namespace {

constexpr std::string_view kOverwriteQuestion =
    "Are you sure you want to overwrite the icon package:\n\n";
// Cursor slots of the Local Update view show this program's own placeholder when the system
// has no cursor of their kind; such a slot has nothing to save.
constexpr std::string_view kPlaceholderModule = "glimmerdeck.exe";
constexpr std::string_view kScratchMark = "~";

struct Target {
  std::string path;
  bool replaces = false;
  bool chosen = false;  // named in the save-file dialog
};

PromptAnswer Ask(Prompt& prompt, std::string text, PromptIcon icon, PromptButtons buttons) {
  return prompt.Ask(PromptRequest{std::move(text), std::string(kAppTitle), icon, buttons});
}

// The dialog's default extension gives "Name.gdt"; the package extension is longer than the
// dialog lets a default extension be.
std::string CompletedName(std::string path) {
  if (EndsWithIgnoreCase(path, ".gdt")) path += "heme";
  return path;
}

std::optional<Target> ChooseTarget(SlotCatalogue& catalogue, const EditState& state,
                                   SaveHost& host, bool saveAs) {
  if (!saveAs && !state.packageFile.empty()) {
    const PromptAnswer answer =
        Ask(catalogue.system().prompt, std::string(kOverwriteQuestion) + state.packageFile,
            PromptIcon::Question, PromptButtons::YesNoCancel);
    if (answer == PromptAnswer::Cancel) return std::nullopt;
    if (answer == PromptAnswer::Yes) return Target{state.packageFile, true, false};
  }
  std::optional<std::string> chosen = host.ChooseSaveFile(state.themesDir);
  if (!chosen || chosen->empty()) return std::nullopt;
  Target target{CompletedName(std::move(*chosen)), false, true};
  target.replaces = catalogue.system().shell.FileExists(target.path);
  return target;
}

// The name of the folder that holds a package: a package at a drive root has none, and then
// its own name stands in, so that the scratch and final folders stay under the Themes folder.
std::string PackageFolderName(const std::string& packagePath) {
  const std::string name = LastFolderName(packagePath);
  if (name.empty() || name.find_first_of("\\/:") != std::string::npos || !StaysInsideFolder(name)) {
    return FileTitle(packagePath);
  }
  return name;
}

bool IsPlaceholderCursor(Category category, const IconSlot& slot) {
  return category == Category::Cursors &&
         FoldCase(slot.iconPath).find(kPlaceholderModule) != std::string::npos;
}

// The rules, in order, by which a slot is left out of the package.
bool IsSkipped(Category category, const IconSlot& slot, CatalogueView view, ShellQueries& shell) {
  if ((slot.flags & slotflag::kMissingImage) != 0) return true;
  if (view == CatalogueView::LocalUpdate ? IsPlaceholderCursor(category, slot)
                                         : !slot.IsChanged()) {
    return true;
  }
  if (slot.iconIndex < 0 && slot.defaultIndex < 0) return true;
  const int count = shell.IconCount(slot.iconPath);
  if (count <= 0 || slot.iconIndex > count - 1) return true;
  return !shell.FileExists(slot.iconPath);
}

void CopyPackageInfo(IniStore& ini, const std::string& from, const std::string& to) {
  const PackageInfo info = ReadPackageInfo(ini, from);
  const std::pair<const char*, const std::string*> fields[] = {
      {"Author", &info.author}, {"Email", &info.email},
      {"Website", &info.website}, {"Comments", &info.comments}};
  for (const auto& [key, value] : fields) {
    // An empty value means nothing; a key with one would only clutter the file.
    if (!value->empty()) ini.WriteString(to, std::string(kPackageInfoSection), key, *value);
  }
}

bool HasPackageInfo(IniStore& ini, const std::string& file) {
  const PackageInfo info = ReadPackageInfo(ini, file);
  return !(info.author.empty() && info.email.empty() && info.website.empty() &&
           info.comments.empty());
}

class PackageWriter {
 public:
  PackageWriter(SlotCatalogue& catalogue, SaveHost& host, const SaveLocation& location,
                SaveMode mode)
      : catalogue_(catalogue),
        host_(host),
        location_(location),
        names_(mode, PackageName(location.packagePath)) {}

  void WriteSlots() {
    for (Category category : kPackageCategories) {
      for (CatalogueEntry& entry : catalogue_.Entries(category)) {
        if (IsSkipped(category, *entry.slot, view(), catalogue_.system().shell)) continue;
        if (IntoLibrary(category) && !host_.CanGatherIcon(LibraryReference(*entry.slot))) continue;
        WriteSlot(category, entry.name, *entry.slot);
      }
    }
  }

  // False, after telling the user once, when the library could not be written: the entries
  // written then name a library that is not there.
  bool WriteLibrary() {
    if (references_.empty()) return true;
    if (host_.BuildIconLibrary(IconLibraryPath(location_.packagePath), references_)) return true;
    Ask(catalogue_.system().prompt, kLibraryWriteErrorText, PromptIcon::None, PromptButtons::Ok);
    return false;
  }

  // Takes back what this save wrote into a folder that already existed.
  void RemoveWritten() {
    for (const std::string& file : written_) host_.RemoveFile(file);
    host_.RemoveFile(location_.packagePath);
  }

 private:
  CatalogueView view() const { return catalogue_.inputs().view; }
  bool IntoLibrary(Category category) const {
    return category != Category::Cursors && names_.mode() == SaveMode::IconLibrary;
  }
  static std::string LibraryReference(const IconSlot& slot) {
    return MakeIconRef(slot.iconPath, slot.iconIndex < 0 ? slot.defaultIndex : slot.iconIndex);
  }

  void WriteSlot(Category category, const std::string& listName, IconSlot& slot) {
    std::string name = listName;
    TranslateSlotName(name, SlotNameDirection::PackageForm, catalogue_.inputs().osVersion, view());
    const bool cursor = category == Category::Cursors;
    const std::string value =
        cursor ? names_.NextCursorValue(name, slot.iconPath) : names_.NextIconValue(name);
    const bool intoLibrary = IntoLibrary(category);
    std::optional<std::string> destination;
    if (!intoLibrary) {
      destination = CompanionFilePath(location_.packageFolder, value);
      if (!destination) return;  // a name that would leave the package folder
    }
    const bool added = (slot.flags & slotflag::kAddedFormat) != 0 && !slot.fileType.empty();
    catalogue_.system().ini.WriteString(
        location_.packagePath,
        std::string(added ? kCustomIconsSection : CategorySection(category)),
        added ? slot.fileType : name, value);
    if (intoLibrary) {
      // The library builder takes the newest reference from the head of the list.
      references_.insert(references_.begin(), LibraryReference(slot));
      return;
    }
    if (slot.iconIndex < 0) slot.iconIndex = slot.defaultIndex;
    written_.push_back(*destination);
    host_.ConvertToIconFile(slot.iconPath, slot.iconIndex, *destination);
  }

  SlotCatalogue& catalogue_;
  SaveHost& host_;
  const SaveLocation& location_;
  CompanionNames names_;
  std::vector<std::string> references_;
  std::vector<std::string> written_;
};

// The files of `from` go over the package in `to`, the package file last. Every file they
// replace is first kept in `backup`; when a copy fails the kept files go back, the files that
// were new go again, and the name of the file that failed is given.
std::optional<std::string> CopyOver(SaveHost& host, const std::string& from, const std::string& to,
                                    const std::string& backup, const std::string& packageName) {
  std::vector<std::string> names;
  for (const std::string& name : host.ListFiles(from)) {
    if (name.find_first_of("\\/") == std::string::npos && StaysInsideFolder(name)) {
      names.push_back(name);
    }
  }
  std::stable_partition(names.begin(), names.end(),
                        [&](const std::string& name) { return !EqualsIgnoreCase(name, packageName); });
  const std::vector<std::string> existing = host.ListFiles(to);
  const auto exists = [&](const std::string& name) {
    return std::any_of(existing.begin(), existing.end(),
                       [&](const std::string& file) { return EqualsIgnoreCase(file, name); });
  };
  host.CreateFolder(backup);
  for (const std::string& name : names) {
    if (exists(name) && !host.CopyFileOver(to + "\\" + name, backup + "\\" + name)) return name;
  }
  for (std::size_t done = 0; done < names.size(); ++done) {
    if (host.CopyFileOver(from + "\\" + names[done], to + "\\" + names[done])) continue;
    for (std::size_t back = 0; back < done; ++back) {
      const std::string& name = names[back];
      if (exists(name)) {
        host.CopyFileOver(backup + "\\" + name, to + "\\" + name);
      } else {
        host.RemoveFile(to + "\\" + name);
      }
    }
    return names[done];
  }
  return std::nullopt;
}

// Puts the package built in the scratch folder in place of the package it replaces, loads it
// from there and removes the scratch folder. Files of the old package that the new one does
// not have stay. When a file cannot be copied the old package stays as it was, the new one
// stays in the scratch folder, and the user is told.
void PutInPlace(SlotCatalogue& catalogue, EditState& state, CatalogueEvents& events, SaveHost& host,
                const SaveLocation& location) {
  const std::string backup = location.packageFolder + std::string(kScratchMark);
  host.CreateFolder(location.finalFolder);
  const std::string packageName = FileName(location.packagePath);
  if (const auto failed =
          CopyOver(host, location.packageFolder, location.finalFolder, backup, packageName)) {
    host.DeleteFolderTree(backup);
    Ask(catalogue.system().prompt,
        WithText(kNotPutInPlaceMessage, *failed) + location.packageFolder,
        PromptIcon::Exclamation, PromptButtons::Ok);
    return;
  }
  host.DeleteFolderTree(backup);
  catalogue.ClearPackageCategories();
  state.packageFile = location.finalFolder + "\\" + packageName;
  host.ReloadPackage(state.packageFile);
  host.DeleteFolderTree(location.packageFolder);
  events.RecentPackageAdded(state.packageFile);
}

// Before a replacing save: what an earlier, unfinished save kept is deleted only when the
// user agrees, and a folder under Themes that holds some other package is replaced only when
// the user agrees. False when the save should not go on.
bool MayReplace(SlotCatalogue& catalogue, SaveHost& host, const SaveLocation& location,
                const std::string& target) {
  Prompt& prompt = catalogue.system().prompt;
  if (!host.ListFiles(location.packageFolder).empty()) {
    if (Ask(prompt, WithText(kLeftoverScratchQuestion, location.packageFolder),
            PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes) {
      return false;
    }
  }
  host.DeleteFolderTree(location.packageFolder);
  if (EqualsIgnoreCase(FolderOf(target), location.finalFolder + "\\")) return true;
  const std::vector<std::string> there = host.ListFiles(location.finalFolder);
  const bool otherPackage = std::any_of(there.begin(), there.end(), [](const std::string& name) {
    return EndsWithIgnoreCase(name, kPackageExtension);
  });
  return !otherPackage ||
         Ask(prompt, WithText(kReplaceOtherPackageQuestion, location.finalFolder),
             PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
}

}  // namespace

SaveLocation PlanSaveLocation(const std::string& target, bool replaces,
                              const std::string& appPath) {
  SaveLocation location;
  const std::string fileName = FileName(target);
  if (replaces) {
    const std::string themes = RemoveTrailingBackslash(appPath) + "\\Themes\\";
    const std::string folderName = PackageFolderName(target);
    location.finalFolder = themes + folderName;
    location.packageFolder = location.finalFolder + std::string(kScratchMark);
    location.newFolder = location.packageFolder;
    location.packagePath = location.packageFolder + "\\" + fileName;
    return location;
  }
  const std::string folder = RemoveTrailingBackslash(FolderOf(target));
  const std::string title = FileTitle(target);
  if (EqualsIgnoreCase(LastFolderName(target), title)) {
    location.packageFolder = folder;
    location.packagePath = target;
  } else {
    location.packageFolder = folder + "\\" + title;
    location.newFolder = location.packageFolder;
    location.packagePath = location.packageFolder + "\\" + fileName;
  }
  return location;
}

void SavePackage(SlotCatalogue& catalogue, EditState& state, CatalogueEvents& events, SaveHost& host,
                 bool saveAs) {
  const std::optional<Target> target = ChooseTarget(catalogue, state, host, saveAs);
  if (!target) return;

  host.ShowWaitCursor();
  const CatalogueView view = catalogue.inputs().view;
  if (view == CatalogueView::LocalUpdate) catalogue.BuildAll(true);
  SettingsStore settings(catalogue.system().registry);
  IniStore& ini = catalogue.system().ini;
  const SaveMode mode = SaveModeFromSetting(settings.Number(Flag::SaveMode));

  const SaveLocation location = PlanSaveLocation(target->path, target->replaces, state.appPath);
  if (target->replaces && !MayReplace(catalogue, host, location, target->path)) return;
  if (!location.newFolder.empty()) host.CreateFolder(location.newFolder);

  const std::string& packagePath = location.packagePath;
  WriteSoftwareInfo(ini, packagePath,
                    ThisSoftware(settings.InstalledVersion()));
  if (target->replaces) {
    const std::string themesCopy = location.finalFolder + "\\" + FileName(packagePath);
    // A package kept outside the Themes folder has its information in its own file only.
    CopyPackageInfo(ini, HasPackageInfo(ini, themesCopy) ? themesCopy : target->path, packagePath);
  } else if (settings.IsOn(Flag::PackageInfo) ||
             view == CatalogueView::PackageBuilder) {
    host.ShowPackageInfo(packagePath);
  }
  WritePackageDate(ini, packagePath, host.Today());

  PackageWriter writer(catalogue, host, location, mode);
  writer.WriteSlots();
  if (!writer.WriteLibrary()) {
    // Nothing half-written stays: a replaced package keeps its old files untouched.
    if (!location.newFolder.empty()) {
      host.DeleteFolderTree(location.newFolder);
    } else {
      writer.RemoveWritten();
    }
    return;
  }

  if (target->replaces) {
    PutInPlace(catalogue, state, events, host, location);
  } else {
    events.RecentPackageAdded(packagePath);
  }
  if (target->chosen) events.PackageListChanged();
  if (view == CatalogueView::PackageBuilder) state.pendingChanges = false;
}

}  // namespace gd
