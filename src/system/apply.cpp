// Writing changed slots into the registry, desktop.ini files and Quick Launch shortcuts.
#include "platform/program_identity.h"
#include "system/apply.h"

#include <cctype>
#include <climits>

#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "system/backup_files.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr std::string_view kShellIconsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kOldHtmlIconKey =
    "CLSID\\{42042206-2D85-11D3-8CFF-005004838597}\\Old Icon\\htmlfile\\DefaultIcon";
constexpr std::string_view kDriveIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons\\";
constexpr std::string_view kScheduledTasksKey =
    "Software\\Classes\\CLSID\\{D6277990-4C6A-11CF-8D87-00AA0060F5BF}\\DefaultIcon";
constexpr std::string_view kQuickLaunchFolder = "\\Microsoft\\Internet Explorer\\Quick Launch\\";
constexpr std::string_view kDefaultIconSuffix = "\\DefaultIcon";
constexpr const char* kShellClassInfo = ".ShellClassInfo";
constexpr unsigned kCdRomDrive = 5;

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

bool SamePlace(std::string_view pathA, int indexA, std::string_view pathB, int indexB) {
  return indexA == indexB && EqualsIgnoreCase(pathA, pathB);
}

// The leading decimal number of a value name, as atoi reads it ("31" is 31, "Arrow" is 0).
int LeadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  long long number = 0;
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
    number = number * 10 + (text[at] - '0');
    if (number > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return static_cast<int>(negative ? -number : number);
}

// A key path that names a file ("C:\..." or "\\server\..."): the slot lives in a desktop.ini.
bool IsFilePlace(const std::string& keyPath) {
  return keyPath.size() >= 2 && (keyPath[1] == ':' || keyPath[1] == '\\');
}

class Applier {
 public:
  Applier(SlotCatalogue& catalogue, EditState& page, SystemEffects& effects,
          const ApplyOptions& options)
      : system_(catalogue.system()),
        inputs_(catalogue.inputs()),
        page_(page),
        effects_(effects),
        options_(options) {}

  void Slot(Category category, const std::string& name, IconSlot& slot) {
    if (category == Category::QuickLaunch) {
      QuickLaunch(name, slot);
      return;
    }
    const std::string text = ValueText(category, slot);
    ExtraWrites(name, slot, text);
    MainWrite(category, slot, text);
  }

 private:
  static std::string ValueText(Category category, const IconSlot& slot) {
    if (category != Category::Cursors) return MakeIconRef(slot.iconPath, slot.iconIndex);
    // The program's own executable is the placeholder for Windows' own cursor.
    return EndsWithIgnoreCase(slot.iconPath, ".exe") ? std::string() : slot.iconPath;
  }

  void WriteShellClassInfo(const std::string& iniFile, const IconSlot& slot) {
    system_.ini.WriteString(iniFile, kShellClassInfo, std::string("IconFile"), slot.iconPath);
    system_.ini.WriteString(iniFile, kShellClassInfo, std::string("IconIndex"),
                            std::to_string(slot.iconIndex));
  }

  // The second places some slots have, by name; the first rule that matches is taken.
  void ExtraWrites(const std::string& name, const IconSlot& slot, const std::string& text) {
    Registry& registry = system_.registry;
    const Os os = inputs_.osVersion;
    if (StartsWithIgnoreCase(name, "Recycle Bin")) {
      const bool empty = EqualsIgnoreCase(name, "Recycle Bin (empty)");
      registry.WriteRegString(RegRoot::LocalMachine, kShellIconsKey, empty ? "31" : "32", text);
      if (!slot.rootKey) return;
      // The key's default value shows the bin's present state: follow it when it shows this one.
      const std::string state =
          registry.ReadText(*slot.rootKey, slot.keyPath, empty ? "empty" : "full");
      const std::string shown = registry.ReadText(*slot.rootKey, slot.keyPath, "");
      if (EqualsIgnoreCase(state, shown))
        registry.WriteRegString(*slot.rootKey, slot.keyPath, "", text);
    } else if (name == "Url History") {
      if (os != Os::WindowsMe && os != Os::Windows2000) return;
      const std::string recent =
          registry.ReadText(RegRoot::CurrentUser, kShellFoldersKey, "Recent");
      if (!Unset(recent)) WriteShellClassInfo(recent + "\\desktop.ini", slot);
    } else if (name == "Internet Document") {
      if (os != Os::Windows2000 && os != Os::WindowsXp) return;
      if (!inputs_.ieVersion.starts_with('6')) return;
      registry.WriteRegString(RegRoot::ClassesRoot, kOldHtmlIconKey, "", text);
      page_.needCacheRebuild = true;
    } else if (name == "CD-ROM Drive") {
      if (os != Os::WindowsXp) return;
      // Per-letter CD-ROM icons go back to the system's CD-ROM icon so the class icon shows.
      const std::string systemIcon = inputs_.paths.systemDir + "\\shell32.dll,11";
      for (const std::string& root : system_.shell.DriveRoots()) {
        if (root.empty() || system_.shell.DriveType(root) != kCdRomDrive) continue;
        const std::string key =
            std::string(kDriveIconsKey) + root.substr(0, 1) + std::string(kDefaultIconSuffix);
        registry.WriteRegString(RegRoot::LocalMachine, key, "", systemIcon);
      }
    } else if (name == "Internet" || name == "E-mail") {
      // The start menu client's own icon, kept once so that it can be given back.
      if (slot.defaultPath.empty()) return;
      if (registry.ReadText(RegRoot::LocalMachine, slot.keyPath, "Backup") == kRegTextSentinel) {
        registry.WriteRegString(RegRoot::LocalMachine, slot.keyPath, "Backup",
                                MakeIconRef(slot.defaultPath, slot.defaultIndex));
      }
    } else if (name == "Scheduled Tasks") {
      if (os != Os::WindowsXp) return;
      registry.WriteRegString(RegRoot::CurrentUser, kScheduledTasksKey, "", text);
    }
  }

  void MainWrite(Category category, const IconSlot& slot, const std::string& text) {
    if ((slot.flags & slotflag::kAddedFormat) != 0) {
      AddedFileType(slot, text);
    } else if (IsFilePlace(slot.keyPath)) {
      WriteShellClassInfo(slot.keyPath, slot);
    } else if (slot.rootKey) {
      RegistryValue(category, slot, text);
    }
  }

  void AddedFileType(const IconSlot& slot, const std::string& text) {
    Registry& registry = system_.registry;
    std::string cls = registry.ReadText(RegRoot::ClassesRoot, slot.fileType, "");
    if (Unset(cls)) {
      cls =
          FoldCase(std::string_view(slot.fileType).substr(slot.fileType.empty() ? 0 : 1)) + "file";
      registry.WriteRegString(RegRoot::ClassesRoot, slot.fileType, "", cls);
    }
    const std::string key = cls + std::string(kDefaultIconSuffix);
    BackUpClassIcon(system_.ini, inputs_.appPath, key,
                    registry.ReadText(RegRoot::ClassesRoot, key, ""));
    MarkAddedFileType(system_.ini, inputs_.appPath, slot.fileType);
    registry.WriteRegString(RegRoot::ClassesRoot, key, "", text);
  }

  void RegistryValue(Category category, const IconSlot& slot, const std::string& text) {
    Registry& registry = system_.registry;
    registry.WriteRegString(*slot.rootKey, slot.keyPath, slot.valueName, text);
    // "Shell Icons" values are named by the image they replace in the system image lists; a
    // negative number names no image (the list would append one instead).
    const int image = LeadingNumber(slot.valueName);
    if (image > 0) effects_.ReplaceSystemImage(image, slot.iconPath, slot.iconIndex);
    if (category == Category::Drives && options_.individualDriveMode &&
        SamePlace(slot.iconPath, slot.iconIndex, slot.defaultPath, slot.defaultIndex) &&
        EndsWithIgnoreCase(slot.keyPath, kDefaultIconSuffix)) {
      // A letter back at its default falls back to the icon of its drive type.
      const std::string letterKey =
          slot.keyPath.substr(0, slot.keyPath.size() - kDefaultIconSuffix.size());
      registry.DeleteRegKey(*slot.rootKey, letterKey, "DefaultIcon");
    }
  }

  void QuickLaunch(const std::string& name, const IconSlot& slot) {
    BackUpQuickLaunchIcon(system_.ini, inputs_.appPath, name, slot.defaultPath, slot.defaultIndex);
    // Without the user's AppData folder the shortcut cannot be found: that is reported as a
    // shortcut that could not be updated.
    const std::string appData =
        system_.registry.ReadText(RegRoot::CurrentUser, kShellFoldersKey, "AppData");
    const bool saved =
        !Unset(appData) &&
        effects_.SetShortcutIcon(appData + std::string(kQuickLaunchFolder) + name + ".lnk",
                                 slot.iconPath, slot.iconIndex);
    if (!saved) {
      system_.prompt.Ask(
          {ShortcutFailedMessage(name), kAppTitle, PromptIcon::Exclamation, PromptButtons::Ok});
    }
  }

  CatalogueSystem& system_;
  const CatalogueInputs& inputs_;
  EditState& page_;
  SystemEffects& effects_;
  const ApplyOptions& options_;
};

}  // namespace

std::string ShortcutFailedMessage(const std::string& name) {
  return "Failed to update shortcut file '" + name +
         ".lnk'.\n\nMake sure the shortcut file is not currupt and is not set to read-only.";
}

int ApplyToSystem(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events,
                  SystemEffects& effects, const ApplyOptions& options) {
  if (!page.pendingChanges) return 0;
  Applier applier(catalogue, page, effects, options);
  int written = 0;
  for (Category category : kAllCategories) {
    auto& entries = catalogue.Entries(category);
    for (std::size_t item = 0; item < entries.size(); ++item) {
      IconSlot& slot = *entries[item].slot;
      if (!slot.IsChanged()) continue;
      if (!slot.iconPath.empty() || category == Category::Cursors) {
        applier.Slot(category, entries[item].name, slot);
        slot.currentPath = slot.iconPath;
        slot.currentIndex = slot.iconIndex;
        ++written;
      } else {
        // No file to point to: the place keeps its icon, and so does the slot.
        slot.iconPath = slot.currentPath;
        slot.iconIndex = slot.currentIndex;
      }
      slot.flags &= ~slotflag::kChanged;
      events.SlotRefreshed(category, static_cast<int>(item));
    }
  }
  events.ListsChanged();
  effects.NotifyAssociationsChanged();
  effects.ReloadCursors();
  SettingsStore(catalogue.system().registry).WriteText(TextSetting::Theme, page.packageFile);
  page.pendingChanges = false;
  return written;
}

}  // namespace gd
