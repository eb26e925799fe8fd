// Which icon an item shows: the shortcut's icon location, the folder's desktop.ini, the
// drive's icon or the file type's DefaultIcon, with the system's defaults behind them.
#pragma once

#include <string>

#include "companions/proptab/selected_item_win32.h"

namespace gd::proptab {

struct IconRef {
  std::string file;  // a full path where it could be found
  int index = 0;     // as the shell counts: from 0, or a resource id when negative
};

struct ItemIcon {
  IconRef icon;
  bool ownSetting = false;  // the item names its icon itself, rather than showing a default
  std::string origin;       // where the icon comes from, in words for the page
};

// The icon the item shows now, and the one it shows once its own setting is taken away.
ItemIcon CurrentIcon(const SelectedItem& item);
ItemIcon DefaultIcon(const SelectedItem& item);

// The registered type (programmatic id) of a file's extension; empty when it has none.
std::string FileTypeOf(const std::string& path);
// The letter of a drive root such as "D:\"; 0 for roots without one (network shares).
char DriveLetterOf(const std::string& root);

// The desktop.ini of a folder, and the section of it that the shell reads the icon from.
std::string DesktopIniOf(const std::string& folder);
inline constexpr char kShellClassInfo[] = ".ShellClassInfo";

// The registry key, under HKEY_LOCAL_MACHINE, whose default value overrides a drive's icon.
std::string DriveIconKey(char letter);

// An icon reference as the registry and desktop.ini write it ("file,index", quotes and
// environment variables allowed), with a relative file found in `folder` or on the path.
IconRef ParseIconText(std::string text, const std::string& folder);
// A file name found the way the system loader finds it; unchanged when not found.
std::string FindIconFile(const std::string& file, const std::string& folder);

}  // namespace gd::proptab
