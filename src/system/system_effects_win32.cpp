// System image list replacement, shortcut icon updates and shell notifications on Windows.
#include "system/system_effects_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/shell.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

// The shell's system image list of one size; its handle belongs to the shell, not to us.
HIMAGELIST SystemImageList(UINT sizeFlag) {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}

}  // namespace

bool Win32SystemEffects::ReplaceSystemImage(int imageIndex, const std::string& iconFile,
                                            int iconIndex) {
  // Some shells hand out a stock icon for a file that is not there; that is no icon of ours.
  if (GetFileAttributesA(iconFile.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  HICON large = nullptr;
  HICON small = nullptr;
  const UINT extracted = ExtractIconExA(iconFile.c_str(), iconIndex, &large, &small, 1);
  const UniqueIcon largeIcon(large);
  const UniqueIcon smallIcon(small);
  if (extracted == 0 || !largeIcon || !smallIcon) return false;
  const HIMAGELIST largeList = SystemImageList(SHGFI_LARGEICON);
  const HIMAGELIST smallList = SystemImageList(SHGFI_SMALLICON);
  if (largeList) ImageList_ReplaceIcon(largeList, imageIndex, largeIcon.get());
  if (smallList) ImageList_ReplaceIcon(smallList, imageIndex, smallIcon.get());
  return true;
}

bool Win32SystemEffects::SetShortcutIcon(const std::string& shortcut, const std::string& iconFile,
                                         int iconIndex) {
  return SetShortcutIconLocation(shortcut, iconFile, iconIndex);
}

void Win32SystemEffects::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, 0, nullptr, nullptr);
}

void Win32SystemEffects::ReloadCursors() { SystemParametersInfoA(SPI_SETCURSORS, 0, nullptr, 0); }

SystemEffects& SystemEffectsOfWindows() {
  static Win32SystemEffects effects;
  return effects;
}

}  // namespace gd
