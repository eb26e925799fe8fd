// The real system effects: the shell's image lists, shortcuts, and the notifications.
#pragma once

#include "system/system_effects.h"

namespace gd {

class Win32SystemEffects final : public SystemEffects {
 public:
  bool ReplaceSystemImage(int imageIndex, const std::string& iconFile, int iconIndex) override;
  bool SetShortcutIcon(const std::string& shortcut, const std::string& iconFile,
                       int iconIndex) override;
  void NotifyAssociationsChanged() override;
  void ReloadCursors() override;
};

// The process-wide real effects.
SystemEffects& SystemEffectsOfWindows();

}  // namespace gd
