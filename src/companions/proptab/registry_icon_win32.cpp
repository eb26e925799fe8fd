// Icons kept in the registry: a file type's DefaultIcon and a drive letter's DriveIcons key.
#include <windows.h>
#include <shlwapi.h>

#include "companions/proptab/icon_stores_win32.h"
#include "companions/proptab/system_error_win32.h"
#include "platform/path_text.h"
#include "platform/unique_handle.h"

namespace gd::proptab {
namespace {

std::string Refused(LONG code) { return "the registry refused the change: " + SystemErrorText(static_cast<DWORD>(code)); }

std::string WriteDefaultValue(HKEY root, const std::string& key, const IconRef& icon) {
  HKEY opened = nullptr;
  LONG result = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (result != ERROR_SUCCESS) return Refused(result);
  const UniqueRegKey owned(opened);
  const std::string text = MakeIconRef(icon.file, icon.index);
  result = RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
  return result == ERROR_SUCCESS ? std::string() : Refused(result);
}

}  // namespace

std::string StoreFileTypeIcon(const std::string& type, const IconRef& icon) {
  return WriteDefaultValue(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", icon);
}

std::string StoreDriveIcon(char letter, const IconChange& change) {
  const std::string key = DriveIconKey(letter);
  if (!change.restoreDefault) return WriteDefaultValue(HKEY_LOCAL_MACHINE, key, change.icon);
  // Only the DefaultIcon key is ours; the letter's key may hold the drive's label too.
  const DWORD result = SHDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? std::string() : Refused(static_cast<LONG>(result));
}

}  // namespace gd::proptab
