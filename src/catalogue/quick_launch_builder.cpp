// The "Quick Launch" list: one slot per shortcut of the user's Quick Launch bar. The icon lives
// in the shortcut itself; the default is what was noted before the shortcut was first changed.
#include <string>
#include <string_view>

#include "catalogue/builders.h"

namespace gd {
namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kQuickLaunchFolder = "\\Microsoft\\Internet Explorer\\Quick Launch\\";

struct Icon {
  std::string path;
  int index = 0;
};

// The icon the shortcut shows: its icon location, or else its target's own icon. A text too
// long for a path buffer cannot have come from a real shortcut and is not used.
Icon ShortcutIcon(const std::string& target, std::string location, int index,
                  const PathContext& paths) {
  if (!location.empty() && location.size() <= kMaxSlotPath) {
    // The location may be quoted or begin with a system variable; the index is the
    // shortcut's own, not a number after a comma in the text.
    ParseIconRef(location, "", paths);
    if (!location.empty() && location.size() <= kMaxSlotPath) return {location, index};
  }
  if (target.size() <= kMaxSlotPath) return {target, index};
  return {std::string(), index};
}

}  // namespace

void BuildQuickLaunchIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(Category::QuickLaunch).empty()) return;
  CatalogueSystem& system = catalogue.system();
  const CatalogueInputs& inputs = catalogue.inputs();
  const std::string appData =
      system.registry.ReadText(RegRoot::CurrentUser, kShellFoldersKey, "AppData");
  if (appData.empty() || appData == kRegTextSentinel) return;
  const std::string folder = appData + std::string(kQuickLaunchFolder);
  if (folder.size() > kMaxSlotPath) return;  // no shortcut could lie in it

  const std::string backup = inputs.appPath + "\\backup.ini";
  for (const std::string& shortcut : system.shell.FindFiles(folder, "*.lnk", false)) {
    const std::string name = FileTitle(shortcut);
    if (name.empty()) continue;
    std::string target;
    std::string location;
    int index = 0;
    // A shortcut that cannot be loaded has no icon to show or change, and writing one into
    // it would replace the file by a new, empty shortcut.
    if (!system.shell.ReadShortcut(shortcut, target, location, index)) continue;
    const Icon current = ShortcutIcon(target, location, index, inputs.paths);

    Icon fallback = current;
    std::string noted;
    if (ReadIniValue(system.ini, "Quick Launch", name, noted, backup)) {
      const int notedIndex = ParseIconRef(noted, "", inputs.paths);
      if (!noted.empty() && noted.size() <= kMaxSlotPath) fallback = {noted, notedIndex};
    }

    // The slot has no place in the registry: the shortcut is found again by its name.
    const int position = catalogue.AddSlot(Category::QuickLaunch, name, std::nullopt, "", "",
                                           "", current.index, SlotKind::BuiltIn, 0);
    if (position < 0) continue;
    IconSlot& slot =
        *catalogue.Entries(Category::QuickLaunch)[static_cast<std::size_t>(position)].slot;
    slot.iconPath = current.path;
    slot.iconIndex = current.index;
    slot.currentPath = current.path;
    slot.currentIndex = current.index;
    slot.defaultPath = fallback.path;
    slot.defaultIndex = fallback.index;
  }
}

}  // namespace gd
