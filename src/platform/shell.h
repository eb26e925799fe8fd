// Shortcuts (.lnk) and the shell's open and delete operations.
#pragma once

#include <string>

namespace gd {

// Leaves each out value unchanged where its step fails; true when the shortcut loaded.
bool ReadShortcut(const std::string& shortcut, std::string& target, std::string& iconFile,
                  int& iconIndex);
// Creates the shortcut when it does not exist; empty arguments keep what the shortcut had.
bool WriteShortcut(const std::string& shortcut, const std::string& target,
                   const std::string& description, const std::string& iconFile, int iconIndex);
// Sets only the icon location of an existing shortcut. False when the shortcut is missing,
// read-only or cannot be loaded or saved: saving after a failed load would replace the file
// by a new, empty shortcut.
bool SetShortcutIconLocation(const std::string& shortcut, const std::string& iconFile,
                             int iconIndex);
bool ShellOpen(const std::string& fileOrAddress, const std::string& parameters);
// The shell's Properties dialog of a file; false when the shell could not show it.
bool ShowFileProperties(const std::string& path);
// Deletes a file or folder tree without the recycle bin; the shell's result code.
int DeleteWithShell(const std::string& path, unsigned flags);

}  // namespace gd
