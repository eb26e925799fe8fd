// Applying a change to the store of the item's kind and telling the shell to redraw it.
#include "companions/proptab/icon_change_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "companions/proptab/icon_stores_win32.h"

namespace gd::proptab {
namespace {

std::string ItemName(const SelectedItem& item) {
  switch (item.kind) {
    case ItemKind::Shortcut: return "the shortcut " + item.path;
    case ItemKind::Folder: return "the folder " + item.path;
    case ItemKind::Drive: return "the drive " + item.path;
    case ItemKind::File: break;
  }
  return "the file type \"" + FileTypeOf(item.path) + "\"";
}

std::string Store(const SelectedItem& item, const IconChange& change) {
  switch (item.kind) {
    case ItemKind::Shortcut: return StoreShortcutIcon(item.path, change);
    case ItemKind::Folder: return StoreFolderIcon(item.path, change);
    case ItemKind::Drive: return StoreDriveIcon(DriveLetterOf(item.path), change);
    case ItemKind::File: break;
  }
  return StoreFileTypeIcon(FileTypeOf(item.path), change.icon);
}

void TellShell(const SelectedItem& item) {
  if (item.kind == ItemKind::Shortcut || item.kind == ItemKind::Folder) {
    SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHA | SHCNF_FLUSHNOWAIT, item.path.c_str(), nullptr);
  } else {
    // Type and drive icons are cached by association; the shell drops them all.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST | SHCNF_FLUSHNOWAIT, nullptr, nullptr);
  }
}

}  // namespace

bool CanChangeIcon(const SelectedItem& item) {
  if (item.kind == ItemKind::File) return !FileTypeOf(item.path).empty();
  if (item.kind == ItemKind::Drive) return DriveLetterOf(item.path) != 0;
  return true;
}

bool CanRestoreDefault(const SelectedItem& item) { return item.kind != ItemKind::File; }

std::string ApplyIconChange(const SelectedItem& item, const IconChange& change) {
  if (!CanChangeIcon(item) || (change.restoreDefault && !CanRestoreDefault(item))) {
    return "Could not change the icon of " + ItemName(item) + ": it keeps no icon of its own.";
  }
  std::string cause = Store(item, change);
  if (!cause.empty()) {
    if (cause.back() != '.') cause += '.';
    return "Could not change the icon of " + ItemName(item) + ": " + cause;
  }
  TellShell(item);
  return {};
}

}  // namespace gd::proptab
