// What applying changes besides the registry and INI files: the shell's system image lists,
// Quick Launch shortcuts and the notifications that make the shell and Windows reload.
#pragma once

#include <string>

namespace gd {

class SystemEffects {
 public:
  virtual ~SystemEffects() = default;
  // Replaces image `imageIndex` of the shell's large and small system image lists with the
  // icon at `iconIndex` of `iconFile`; false when the icon cannot be extracted (the lists then
  // stay as they were).
  virtual bool ReplaceSystemImage(int imageIndex, const std::string& iconFile, int iconIndex) = 0;
  // Sets only the icon location of an existing shortcut and saves it; false when the shortcut
  // cannot be loaded or saved (read-only, corrupt, missing).
  virtual bool SetShortcutIcon(const std::string& shortcut, const std::string& iconFile,
                               int iconIndex) = 0;
  // Tells the shell that file associations (and so icons) changed.
  virtual void NotifyAssociationsChanged() = 0;
  // Makes Windows reload the cursors from the registry.
  virtual void ReloadCursors() = 0;
};

}  // namespace gd
