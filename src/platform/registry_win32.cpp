// Thin wrapper of advapi32's registry functions: every key is opened and closed per call.
#include "platform/registry_win32.h"

#include "platform/unique_handle.h"

namespace gd {
namespace {

HKEY RootHandle(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

// The Win32 calls want NUL-terminated texts.
std::string Z(std::string_view text) { return std::string(text); }

long OpenKey(RegRoot root, std::string_view key, REGSAM access, UniqueRegKey& out) {
  HKEY handle = nullptr;
  const LONG error = RegOpenKeyExA(RootHandle(root), Z(key).c_str(), 0, access, &handle);
  if (error == ERROR_SUCCESS) out.reset(handle);
  return error;
}

}  // namespace

RegistryBackend::QueryResult Win32Registry::QueryValue(RegRoot root, std::string_view key,
                                                       std::string_view name,
                                                       std::span<std::uint8_t> buffer) {
  QueryResult result;
  UniqueRegKey handle;
  result.error = OpenKey(root, key, KEY_READ, handle);
  if (result.error != ERROR_SUCCESS) return result;
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(buffer.size());
  result.error = RegQueryValueExA(handle.get(), Z(name).c_str(), nullptr, &type, buffer.data(),
                                  &size);
  result.type = type;
  result.size = size;
  return result;
}

RegistryBackend::SetResult Win32Registry::SetValue(RegRoot root, std::string_view key,
                                                   std::string_view name, std::uint32_t type,
                                                   std::span<const std::uint8_t> data) {
  SetResult result;
  UniqueRegKey handle;
  result.openError = OpenKey(root, key, KEY_WRITE, handle);
  if (result.openError != ERROR_SUCCESS) return result;
  result.setError = RegSetValueExA(handle.get(), Z(name).c_str(), 0, type, data.data(),
                                   static_cast<DWORD>(data.size()));
  return result;
}

long Win32Registry::CreateKey(RegRoot root, std::string_view key) {
  HKEY handle = nullptr;
  const LONG error = RegCreateKeyA(RootHandle(root), Z(key).c_str(), &handle);
  UniqueRegKey owner(error == ERROR_SUCCESS ? handle : nullptr);
  return error;
}

long Win32Registry::DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) {
  UniqueRegKey handle;
  const long error = OpenKey(root, parent, KEY_WRITE, handle);
  if (error != ERROR_SUCCESS) return error;
  return RegDeleteKeyA(handle.get(), Z(subkey).c_str());
}

long Win32Registry::DeleteValue(RegRoot root, std::string_view key, std::string_view name) {
  UniqueRegKey handle;
  const long error = OpenKey(root, key, KEY_WRITE, handle);
  if (error != ERROR_SUCCESS) return error;
  return RegDeleteValueA(handle.get(), Z(name).c_str());
}

bool Win32Registry::KeyExists(RegRoot root, std::string_view key) {
  UniqueRegKey handle;
  return OpenKey(root, key, KEY_READ, handle) == ERROR_SUCCESS;
}

std::string Win32Registry::ExpandEnvironment(std::string_view text) {
  const std::string source(text);
  std::string expanded(32768, '\0');
  const DWORD length = ExpandEnvironmentStringsA(source.c_str(), expanded.data(),
                                                 static_cast<DWORD>(expanded.size()));
  // Nothing is put in when the system cannot: the text stays as stored.
  if (length == 0 || length > expanded.size()) return source;
  expanded.resize(length - 1);
  return expanded;
}

long Win32Registry::EnumSubkeys(RegRoot root, std::string_view key,
                                std::vector<std::string>& names) {
  UniqueRegKey handle;
  const long error = OpenKey(root, key, KEY_READ, handle);
  if (error != ERROR_SUCCESS) return error;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(handle.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  return ERROR_SUCCESS;
}

Registry& SystemRegistry() {
  static Win32Registry backend;
  static Registry registry(backend);
  return registry;
}

}  // namespace gd
