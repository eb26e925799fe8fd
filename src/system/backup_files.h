// The two INI files in the application directory that keep what no catalogue can know: the
// first icons of added file types and Quick Launch shortcuts, and the list of added types.
#pragma once

#include <string>
#include <string_view>

#include "platform/ini.h"

namespace gd {

// "<appPath>\backup.ini" and "<appPath>\file icons.ini".
std::string BackupFilePath(std::string_view appPath);
std::string FileIconsFilePath(std::string_view appPath);

// The backup.ini section of a class's icon key: "HKEY_CLASSES_ROOT\<defaultIconKey>", where the
// key is "<class>\DefaultIcon".
std::string ClassBackupSection(std::string_view defaultIconKey);

// Keeps the value a class's DefaultIcon key had before the program first changed it; "ERROR"
// (no value) is kept as the empty text. Writes only when the section has no "Default" entry
// yet (an existing one, even an empty one, holds the state from before the first change).
// True when the entry was written now.
bool BackUpClassIcon(IniStore& ini, std::string_view appPath, std::string_view defaultIconKey,
                     std::string_view oldValue);

// Lists an added file type in "file icons.ini": section named by the extension with its dot,
// key "Default" with the empty value.
void MarkAddedFileType(IniStore& ini, std::string_view appPath, std::string_view extension);

// Keeps the icon a Quick Launch shortcut had before its first change, as "<path>,<index>" under
// section "Quick Launch", key the shortcut's name. Writes only when the entry is empty or
// missing, and never an entry without a file. True when the entry was written now.
bool BackUpQuickLaunchIcon(IniStore& ini, std::string_view appPath, std::string_view name,
                           std::string_view iconPath, int iconIndex);

}  // namespace gd
