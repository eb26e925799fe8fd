// The registry entries of the tab: its class under CLSID, the handler keys that make the
// shell ask it for pages, and the approval that NT-family shells may insist on.
#include "companions/proptab/registration_win32.h"

#include <olectl.h>
#include <shlwapi.h>

#include "companions/include/proptab.h"
#include "platform/unique_handle.h"

namespace gd::proptab {
namespace {

constexpr char kDescription[] = "Glimmerdeck Icon Tab";
constexpr char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

std::string ClassKey() { return std::string("CLSID\\") + kClassId; }

// Files, folders and drives each get the tab.
std::string HandlerKey(const char* type) {
  return std::string(type) + "\\shellex\\PropertySheetHandlers\\" + kClassId;
}
constexpr const char* kHandledTypes[] = {"*", "Directory", "Drive"};

bool WriteString(HKEY root, const std::string& key, const char* name, const std::string& value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const UniqueRegKey owned(opened);
  return RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

// A key of ours and all below it; one that is not there is gone already.
bool RemoveKey(const std::string& key) {
  const DWORD result = SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace

HRESULT RegisterTab(const std::string& modulePath) {
  if (modulePath.empty()) return SELFREG_E_CLASS;
  const std::string classKey = ClassKey();
  bool written = WriteString(HKEY_CLASSES_ROOT, classKey, nullptr, kDescription) &&
                 WriteString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", nullptr, modulePath) &&
                 WriteString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
  for (const char* type : kHandledTypes) {
    written = written && WriteString(HKEY_CLASSES_ROOT, HandlerKey(type), nullptr, kClassId);
  }
  if (!written) return SELFREG_E_CLASS;
  // Only administrators may approve; the shells that do not check for approval still load
  // the tab, so a refusal leaves the rest of the registration standing.
  if (IsNtFamily()) WriteString(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId, kDescription);
  return S_OK;
}

HRESULT UnregisterTab() {
  bool removed = true;
  for (const char* type : kHandledTypes) removed = RemoveKey(HandlerKey(type)) && removed;
  removed = RemoveKey(ClassKey()) && removed;
  HKEY approved = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
    const UniqueRegKey owned(approved);
    RegDeleteValueA(approved, kClassId);  // as on registering, a refusal is no failure
  }
  return removed ? S_OK : SELFREG_E_CLASS;
}

}  // namespace gd::proptab
