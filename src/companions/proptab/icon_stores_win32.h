// The places an icon change is stored, one per kind of item. Each gives the cause of a
// failure as the end of a sentence ("its desktop.ini is read-only."), or empty when stored,
// and leaves things as they were when it fails.
#pragma once

#include <string>

#include "companions/proptab/icon_change_win32.h"

namespace gd::proptab {

std::string StoreShortcutIcon(const std::string& shortcut, const IconChange& change);
std::string StoreFolderIcon(const std::string& folder, const IconChange& change);
std::string StoreFileTypeIcon(const std::string& type, const IconRef& icon);
std::string StoreDriveIcon(char letter, const IconChange& change);

}  // namespace gd::proptab
