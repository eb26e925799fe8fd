// The one item whose Properties the shell opened: its path and what kind of thing it is.
#pragma once

#include <objidl.h>

#include <optional>
#include <string>

namespace gd::proptab {

enum class ItemKind { File, Shortcut, Folder, Drive };

struct SelectedItem {
  std::string path;
  ItemKind kind = ItemKind::File;
};

// What a path names: a drive root, a folder, a shortcut (.lnk) or any other file.
ItemKind KindOfPath(const std::string& path);

// The item of a data object that carries exactly one path as CF_HDROP; none for several
// items, none at all, or a data object without file paths.
std::optional<SelectedItem> ReadSelectedItem(IDataObject* data);

}  // namespace gd::proptab
