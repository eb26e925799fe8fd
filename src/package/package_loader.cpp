// The fifteen steps of loading a package into the slots.
#include "package/package_loader.h"

#include <cstdint>
#include <vector>

#include "settings/settings_store.h"
#include "catalogue/categories.h"
#include "package/package_format.h"
#include "package/slot_aliases.h"
#include "package/smart_load.h"
#include "package/zipped_package.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

// Whether any include switch from `first` to `last` is off (or on).
bool AnyOff(const IncludeFlags& include, Category first, Category last) {
  for (std::size_t c = Index(first); c <= Index(last); ++c) {
    if (!include[c]) return true;
  }
  return false;
}

bool AnyOn(const IncludeFlags& include, Category first, Category last) {
  for (std::size_t c = Index(first); c <= Index(last); ++c) {
    if (include[c]) return true;
  }
  return false;
}

enum class NoticeOutcome { GoOn, Cancelled };

// Started only to load, apply and close with some icon category switched off: the user may
// apply the whole package after all.
NoticeOutcome AskAboutRestrictions(SlotCatalogue& catalogue, EditState& state,
                                   SettingsStore& settings) {
  if (!state.loadAndClose || !settings.IsOn(Flag::NoticeApply)) return NoticeOutcome::GoOn;
  if (!AnyOff(state.include, Category::Desktop, Category::Files)) return NoticeOutcome::GoOn;
  PromptRequest request;
  request.text = kRestrictionNoticeText;
  request.caption = kRestrictionNoticeTitle;
  request.icon = PromptIcon::Information;
  request.buttons = PromptButtons::YesNoCancel;
  const NoticeResult result = catalogue.system().notice.Show(request);
  if (result.doNotShowAgain) {
    settings.SetFlag(Flag::NoticeApply, false);
  }
  if (result.answer == PromptAnswer::Cancel) return NoticeOutcome::Cancelled;
  if (result.answer == PromptAnswer::Yes) {
    for (std::size_t c = Index(Category::Desktop); c <= Index(Category::Files); ++c) {
      state.include[c] = true;
    }
  }
  return NoticeOutcome::GoOn;
}

// A package kept elsewhere is listed through a shortcut in the Themes directory, made once.
void RegisterOutsidePackage(SlotCatalogue& catalogue, const EditState& state,
                            CatalogueEvents& events, PackageHost& host) {
  if (StartsWithIgnoreCase(state.packageFile, state.themesDir)) return;
  const std::string shortcut = state.themesDir + "\\" + FileTitle(state.packageFile) + ".lnk";
  if (!FitsPathBuffer(shortcut) || catalogue.system().shell.FileExists(shortcut)) return;
  host.CreateShortcut(shortcut, state.packageFile);
  events.PackageListChanged();
}

void ReadCategorySections(SlotCatalogue& catalogue, const EditState& state, CatalogueEvents& events,
                          FillMarks& marks, const std::string& packageDirectory) {
  IniStore& ini = catalogue.system().ini;
  const CatalogueInputs& inputs = catalogue.inputs();
  for (Category c : kPackageCategories) {
    const std::string section(CategorySection(c));
    for (const std::string& key : ReadSectionKeys(ini, state.packageFile, section)) {
      std::string name = key;
      TranslateSlotName(name, SlotNameDirection::SystemForm, inputs.osVersion, inputs.view);
      const std::optional<std::size_t> item = FindItem(catalogue, c, name);
      if (!item) continue;
      // The value is read under the key as the file spells it, not as translated.
      std::string value;
      if (!ReadIniValue(ini, section, key, value, state.packageFile)) continue;
      SetSlotFromValue(catalogue, events, c, *item, value, packageDirectory, &marks);
    }
  }
}

// Only an extension ("." and a name, no path) can become a file type slot: any other key
// would point the slot at some other key of the classes root.
bool IsExtensionKey(std::string_view key) {
  return key.size() >= 2 && key.front() == '.' &&
         key.find_first_of("\\/ ") == std::string_view::npos;
}

std::optional<std::size_t> FindFileType(const SlotCatalogue& catalogue, std::string_view type) {
  const auto& entries = catalogue.Entries(Category::Files);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (EqualsIgnoreCase(entries[i].slot->fileType, type)) return i;
  }
  return std::nullopt;
}

void ReadCustomIcons(SlotCatalogue& catalogue, const EditState& state, CatalogueEvents& events,
                     FillMarks& marks, const std::string& packageDirectory) {
  IniStore& ini = catalogue.system().ini;
  const std::string section(kCustomIconsSection);
  for (const std::string& key : ReadSectionKeys(ini, state.packageFile, section)) {
    if (!IsExtensionKey(key)) continue;
    std::string value;
    if (!ReadIniValue(ini, section, key, value, state.packageFile)) continue;
    if (const std::optional<std::size_t> item = FindFileType(catalogue, key)) {
      SetSlotFromValue(catalogue, events, Category::Files, *item, value, packageDirectory,
                       &marks);
      continue;
    }
    const PackageIconRef ref =
        ResolvePackageValue(value, packageDirectory, catalogue.inputs().paths);
    if (!ref.fitsPathBuffer) continue;
    const int item = catalogue.AddSlot(Category::Files, "", RegRoot::ClassesRoot, key, "",
                                       ref.path, ref.index, SlotKind::ExtensionDefaultIcon,
                                       slotflag::kAddedFormat | slotflag::kChanged);
    if (item >= 0) events.SlotRefreshed(Category::Files, item);
  }
}

}  // namespace

bool IsZippedPackageName(std::string_view path) {
  return EndsWithIgnoreCase(path, ".gd") || EndsWithIgnoreCase(path, ".zip");
}

bool IsLoadableName(std::string_view path) {
  return EndsWithIgnoreCase(path, kPackageExtension) || EndsWithIgnoreCase(path, ".gdt") ||
         IsZippedPackageName(path);
}

std::optional<std::size_t> FindItem(const SlotCatalogue& catalogue, Category category,
                                    std::string_view name) {
  const auto& entries = catalogue.Entries(category);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (EqualsIgnoreCase(entries[i].name, name)) return i;
  }
  return std::nullopt;
}

bool SetSlotFromValue(SlotCatalogue& catalogue, CatalogueEvents& events, Category category,
                      std::size_t item, std::string_view value,
                      std::string_view packageDirectory, FillMarks* marks) {
  // A value may point outside the package folder (the format allows it): loading only reads
  // the reference, so it is taken as it is; it must still fit a path buffer.
  const PackageIconRef ref =
      ResolvePackageValue(value, packageDirectory, catalogue.inputs().paths);
  if (!ref.fitsPathBuffer) return false;
  IconSlot& slot = *catalogue.Entries(category)[item].slot;
  if (marks) marks->Add(slot);
  if (catalogue.SetSlotIcon(slot, ref.path, ref.index) == 0) return false;
  events.SlotRefreshed(category, static_cast<int>(item));
  return true;
}

int LoadPackage(SlotCatalogue& catalogue, EditState& state, CatalogueEvents& events,
                PackageHost& host) {
  ShellQueries& shell = catalogue.system().shell;
  if (!shell.FileExists(state.packageFile)) return 0;
  if (!IsLoadableName(state.packageFile)) return 0;
  catalogue.BuildAll(true);

  if (IsZippedPackageName(state.packageFile)) {
    const std::optional<std::string> folder = host.InstallZippedPackage(state.packageFile);
    if (!folder) return 0;
    const std::optional<std::string> packageFile = FindInstalledPackageFile(shell, *folder);
    if (!packageFile) return 0;
    state.packageFile = *packageFile;
    events.PackageListChanged();
  }

  SettingsStore settings(catalogue.system().registry);
  if (AskAboutRestrictions(catalogue, state, settings) == NoticeOutcome::Cancelled) {
    return 1;
  }
  RegisterOutsidePackage(catalogue, state, events, host);

  FillMarks marks = FillMarks::OfChangedSlots(catalogue);
  if (settings.IsOn(Flag::RestoreIcons)) host.RestoreAllIcons(true);
  if (settings.IsOn(Flag::RestoreCursors) && state.include[Index(Category::Cursors)]) {
    host.RestoreAllCursors(true);
  }

  const std::string packageDirectory = PackageDirectory(state.packageFile);
  ReadCategorySections(catalogue, state, events, marks, packageDirectory);
  ReadCustomIcons(catalogue, state, events, marks, packageDirectory);

  const bool localUpdate = catalogue.inputs().view == CatalogueView::LocalUpdate;
  if (settings.IsOn(Flag::SmartLoad) && localUpdate) {
    RunSmartLoad(catalogue, state.include, events, marks, state.packageFile);
  }
  if (settings.IsOn(Flag::QuickLaunchLoad) && localUpdate) {
    RunQuickLaunchLoad(catalogue, state.include, events, marks);
  }

  events.TitleChanged();
  events.ListsChanged();
  events.RecentPackageAdded(state.packageFile);

  // The shell of NT keeps start menu, folder, drive and overlay icons in its icon cache.
  const Os os = catalogue.inputs().osVersion;
  const bool ntShell = os == Os::WindowsNt4 || os == Os::Windows2000 || os == Os::WindowsXp;
  if (ntShell && AnyOn(state.include, Category::Start, Category::Others)) {
    state.needCacheRebuild = true;
  }
  if (localUpdate) {
    events.ApplyEnabled();
    state.pendingChanges = true;
  }
  return 1;
}

}  // namespace gd
