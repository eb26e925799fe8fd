// A shortcut's icon: its icon location, saved through the shell link object.
#include <windows.h>
#include <shlobj.h>

#include "companions/proptab/icon_stores_win32.h"
#include "companions/proptab/system_error_win32.h"
#include "platform/com.h"
#include "platform/wide_text_win32.h"

namespace gd::proptab {
namespace {

std::string Because(const char* what, HRESULT result) {
  return std::string(what) + ": " + SystemErrorText(static_cast<DWORD>(result));
}

}  // namespace

std::string StoreShortcutIcon(const std::string& shortcut, const IconChange& change) {
  const DWORD attributes = GetFileAttributesA(shortcut.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return "the shortcut file is no longer there.";
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return "the shortcut file is read-only.";
  ComScope com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out());
  if (SUCCEEDED(result)) result = link->QueryInterface(IID_IPersistFile, file.out());
  if (FAILED(result)) return Because("the system's shortcut handler is not available", result);
  const std::wstring path = Widen(shortcut);
  // Saving after a failed load would write a new, empty shortcut over the user's.
  if (FAILED(result = file->Load(path.c_str(), STGM_READ))) return Because("the shortcut cannot be read", result);
  // An empty location makes the shortcut show its target's icon again.
  const std::string location = change.restoreDefault ? std::string() : change.icon.file;
  const int index = change.restoreDefault ? 0 : change.icon.index;
  if (FAILED(result = link->SetIconLocation(location.c_str(), index))) {
    return Because("the shortcut does not take the icon", result);
  }
  if (FAILED(result = file->Save(path.c_str(), TRUE))) return Because("the shortcut cannot be saved", result);
  return {};
}

}  // namespace gd::proptab
