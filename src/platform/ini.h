// INI file access as the program uses it (package files, backups, plugins, desktop.ini), over
// any store that behaves like the platform's profile functions.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace gd {

class IniStore {
 public:
  virtual ~IniStore() = default;
  // As GetPrivateProfileStringA: no section lists the section names, no key lists the keys
  // of the section, each NUL-separated; the result is the number of characters copied
  // without the final NUL, and the buffer is always NUL-terminated.
  virtual std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                                const std::optional<std::string>& key, const std::string& fallback,
                                std::span<char> buffer) = 0;
  // As WritePrivateProfileStringA: no value deletes the key, no key deletes the section.
  virtual bool WriteString(const std::string& file, const std::string& section,
                           const std::optional<std::string>& key,
                           const std::optional<std::string>& value) = 0;
};

inline constexpr std::size_t kIniValueBufferSize = 400;
inline constexpr std::size_t kIniSectionListBufferSize = 5000;

// Reads with an empty default into a 400-byte buffer; true when the value is not empty.
bool ReadIniValue(IniStore& store, const std::string& section, const std::string& key,
                  std::string& out, const std::string& file);
// Puts each non-empty section name at the front of `out`; the number of names, 0 when the
// file has none.
int ListIniSections(IniStore& store, const std::string& file, TextList& out);
}  // namespace gd
