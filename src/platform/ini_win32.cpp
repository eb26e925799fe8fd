// Thin wrapper of GetPrivateProfileStringA and WritePrivateProfileStringA.
#include "platform/ini_win32.h"

#include <windows.h>

namespace gd {
namespace {

const char* OrNull(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

std::size_t Win32Ini::GetString(const std::string& file, const std::optional<std::string>& section,
                                const std::optional<std::string>& key,
                                const std::string& fallback, std::span<char> buffer) {
  if (buffer.empty()) return 0;
  return GetPrivateProfileStringA(OrNull(section), OrNull(key), fallback.c_str(), buffer.data(),
                                  static_cast<DWORD>(buffer.size()), file.c_str());
}

bool Win32Ini::WriteString(const std::string& file, const std::string& section,
                           const std::optional<std::string>& key,
                           const std::optional<std::string>& value) {
  return WritePrivateProfileStringA(section.c_str(), OrNull(key), OrNull(value), file.c_str()) !=
         FALSE;
}

IniStore& SystemIni() {
  static Win32Ini store;
  return store;
}

}  // namespace gd
