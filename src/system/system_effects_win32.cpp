// System image list replacement, shortcut icon updates and shell notifications on Windows.
#include "system/system_effects_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/com.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

// The shell's system image list of one size; its handle belongs to the shell, not to us.
HIMAGELIST SystemImageList(UINT sizeFlag) {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}

std::wstring Widen(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.pop_back();
  return wide;
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
  ComScope com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) {
    return false;
  }
  // A read-only shortcut stays as it is even where the file system would let the owner write.
  const DWORD attributes = GetFileAttributesA(shortcut.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  const std::wstring path = Widen(shortcut);
  // Only an existing shortcut is changed: saving after a failed load would replace the file
  // by a new, empty shortcut.
  if (FAILED(file->Load(path.c_str(), STGM_READ))) return false;
  if (FAILED(link->SetIconLocation(iconFile.c_str(), iconIndex))) return false;
  return SUCCEEDED(file->Save(path.c_str(), TRUE));
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
