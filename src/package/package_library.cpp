// Gathering, ordering and changing the library of installed packages.
#include "package/package_library.h"

#include <algorithm>
#include <array>
#include <utility>

#include "catalogue/categories.h"
#include "package/package_format.h"
#include "package/zipped_package.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "platform/text_case.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr std::size_t kDroppedPathLength = kMaxPath - 1;

PromptAnswer Tell(Prompt& prompt, std::string text, PromptIcon icon,
                  PromptButtons buttons = PromptButtons::Ok) {
  PromptRequest request;
  request.text = std::move(text);
  request.caption = kAppTitle;
  request.icon = icon;
  request.buttons = buttons;
  return prompt.Ask(request);
}

bool Listed(const std::vector<std::string>& entries, std::string_view path) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const std::string& entry) { return EqualsIgnoreCase(entry, path); });
}

// Selects the entry, adding it at the end first when it is not listed.
void SelectOrAdd(LibraryList& list, const std::string& path) {
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    if (EqualsIgnoreCase(list.entries[i], path)) {
      list.selected = i;
      return;
    }
  }
  list.entries.push_back(path);
  list.selected = list.entries.size() - 1;
}

// Shortcuts in the Themes directory itself: the packages they point to join the library, and
// those that point to nothing any more are removed. A shortcut that cannot be read, or points
// to something that is no package file, is not the library's to judge and stays.
void AddShortcutTargets(LibrarySystem& system, std::vector<std::string>& packages) {
  for (const std::string& shortcut : system.shell.FindFiles(system.themesDir, "*.lnk", false)) {
    std::string target;
    std::string iconFile;
    int iconIndex = 0;
    if (!system.shell.ReadShortcut(shortcut, target, iconFile, iconIndex)) continue;
    if (target.empty() || !system.shell.FileExists(target)) {
      system.files.RemoveFile(shortcut);
      continue;
    }
    if (EndsWithIgnoreCase(target, kPackageExtension) && !Listed(packages, target)) {
      packages.push_back(target);
    }
  }
}

// The folder may go as a whole only when it is a folder below Themes (never Themes itself or
// a way out of it) and no other package lives in it or below it.
bool OwnsItsFolder(LibrarySystem& system, const std::string& packageFile) {
  if (system.themesDir.empty()) return false;
  const std::string themes = AddTrailingBackslash(system.themesDir);
  const std::string folder = FolderOf(packageFile);
  if (!StartsWithIgnoreCase(folder, themes)) return false;
  if (!StaysInsideFolder(std::string_view(folder).substr(themes.size()))) return false;
  const std::vector<std::string> packages = system.shell.FindFiles(folder, "*.gdtheme", true);
  return std::all_of(packages.begin(), packages.end(), [&](const std::string& other) {
    return EqualsIgnoreCase(other, packageFile);
  });
}

// False when the package file itself could not be removed; icon files that stay behind do
// no harm once the package is gone.
bool DeleteOwnFiles(LibrarySystem& system, const std::string& packageFile) {
  for (const std::string& file : OwnIconFiles(system.ini, packageFile)) {
    system.files.RemoveFile(file);
  }
  if (!system.files.RemoveFile(packageFile)) return false;
  if (system.themesDir.empty()) return true;
  for (const std::string& shortcut : system.shell.FindFiles(system.themesDir, "*.lnk", false)) {
    std::string target;
    std::string iconFile;
    int iconIndex = 0;
    if (system.shell.ReadShortcut(shortcut, target, iconFile, iconIndex) &&
        EqualsIgnoreCase(target, packageFile)) {
      system.files.RemoveFile(shortcut);
    }
  }
  return true;
}

}  // namespace

int CountIcons(PackageFiles& files, const std::string& packageFile) {
  const std::string folder = FolderOf(packageFile);
  if (folder.empty()) return 0;
  int count = 0;
  for (const PackageFiles::Entry& entry : files.ListFolder(folder)) {
    if (!entry.folder && IsIconFileName(entry.name)) ++count;
  }
  return count;
}

std::string SortKey(LibrarySystem& system, PackageSort sort, const std::string& packageFile) {
  switch (sort) {
    case PackageSort::ByIconCount:
      return std::to_string(CountIcons(system.files, packageFile));
    case PackageSort::ByAuthor: {
      std::string author;
      if (!ReadIniValue(system.ini, std::string(kPackageInfoSection), "Author", author,
                        packageFile)) {
        author = kUnknownAuthor;
      }
      return author;
    }
    case PackageSort::ByName:
    default:
      return FileTitle(packageFile);
  }
}

LibraryList ScanLibrary(LibrarySystem& system, PackageSort sort, const std::string& packageFile) {
  LibraryList list;
  list.entries.emplace_back(kWindowsDefaultIcons);
  // Without a Themes directory the search would start at the root of the current drive.
  if (system.themesDir.empty()) return list;
  std::vector<std::string> packages = system.shell.FindFiles(system.themesDir, "*.gdtheme", true);
  AddShortcutTargets(system, packages);

  // Equal keys keep path order.
  struct Keyed {
    std::string key;
    std::string path;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(packages.size());
  for (std::string& path : packages) {
    keyed.push_back({FoldCase(SortKey(system, sort, path)), std::move(path)});
  }
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    return FoldCase(a.path) < FoldCase(b.path);
  });
  // The icon count goes down, compared as text as the list control compares it: 9, 12, 100.
  const bool descending = sort == PackageSort::ByIconCount;
  std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    return descending ? b.key < a.key : a.key < b.key;
  });

  list.entries.reserve(keyed.size() + 1);
  for (Keyed& entry : keyed) list.entries.push_back(std::move(entry.path));
  if (!packageFile.empty()) {
    for (std::size_t i = 1; i < list.entries.size(); ++i) {
      if (EqualsIgnoreCase(list.entries[i], packageFile)) {
        list.selected = i;
        break;
      }
    }
  }
  return list;
}

bool CanDelete(LibrarySystem& system, const std::string& packageFile,
               const std::string& loadedPackage) {
  const std::string applied = SettingsStore(system.registry).ReadText(TextSetting::Theme);
  if (EqualsIgnoreCase(packageFile, applied) || EqualsIgnoreCase(packageFile, loadedPackage)) {
    Tell(system.prompt, kPackageInUseMessage, PromptIcon::Exclamation);
    return false;
  }
  return true;
}

DeleteOutcome DeletePackage(LibrarySystem& system, LibraryList& list, std::size_t entry) {
  if (entry == 0 || entry >= list.entries.size()) return DeleteOutcome::Kept;
  const std::string packageFile = list.entries[entry];
  const PromptAnswer answer =
      Tell(system.prompt, WithText(kDeletePackageQuestion, FileTitle(packageFile)),
           PromptIcon::Question, PromptButtons::YesNo);
  if (answer != PromptAnswer::Yes) return DeleteOutcome::Kept;
  const std::string folder = RemoveTrailingBackslash(FolderOf(packageFile));
  if (OwnsItsFolder(system, packageFile)) {
    if (!system.files.RemoveTree(folder)) {
      // The package may be partly gone, but its file tells: while it is there, it is listed.
      Tell(system.prompt, WithText(kFolderNotDeletedMessage, folder), PromptIcon::Exclamation);
      return DeleteOutcome::Kept;
    }
  } else if (!DeleteOwnFiles(system, packageFile)) {
    Tell(system.prompt, WithText(kFileNotDeletedMessage, packageFile), PromptIcon::Exclamation);
    return DeleteOutcome::Kept;
  }
  list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(entry));
  list.selected = 0;
  return DeleteOutcome::Deleted;
}

std::optional<std::string> InstallFromFile(LibrarySystem& system, LibraryList& list,
                                           PackageHost& host, const std::string& archive) {
  std::optional<std::string> packageFile;
  if (const std::optional<std::string> folder = host.InstallZippedPackage(archive)) {
    packageFile = FindInstalledPackageFile(system.shell, *folder);
  }
  if (!packageFile) {
    Tell(system.prompt, WithText(kNoPackageInArchiveMessage, archive), PromptIcon::Exclamation);
    return std::nullopt;
  }
  SelectOrAdd(list, *packageFile);
  return packageFile;
}

bool IsDroppablePackage(std::string_view path) {
  return EndsWithIgnoreCase(path, kPackageExtension) || EndsWithIgnoreCase(path, ".gd") ||
         EndsWithIgnoreCase(path, ".zip");
}

bool AcceptDroppedFile(LibrarySystem& system, LibraryList& list, const std::string& path,
                       const PackageLoad& load) {
  if (path.size() > kDroppedPathLength) {
    Tell(system.prompt, WithText(kDroppedPathTooLongMessage, path.substr(0, kDroppedPathLength)),
         PromptIcon::Exclamation);
    return false;
  }
  if (!IsDroppablePackage(path)) {
    Tell(system.prompt, WithText(kNotAPackageMessage, path), PromptIcon::Information);
    return false;
  }
  const std::optional<std::string> loaded = load(path);
  if (!loaded) return false;  // the load told the user why
  SelectOrAdd(list, *loaded);
  return true;
}

void TellLoadFailure(LibrarySystem& system, const std::string& path) {
  if (!system.shell.FileExists(path)) {
    Tell(system.prompt, WithText(kPackageMissingMessage, path), PromptIcon::Exclamation);
  } else if (IsDroppablePackage(path) && !EndsWithIgnoreCase(path, kPackageExtension)) {
    Tell(system.prompt, WithText(kNoPackageInArchiveMessage, path), PromptIcon::Exclamation);
  } else {
    Tell(system.prompt, WithText(kNotAPackageMessage, path), PromptIcon::Exclamation);
  }
}

}  // namespace gd
