// The platform's profile functions behind the program's INI operations.
#pragma once

#include "platform/ini.h"

namespace gd {

class Win32Ini final : public IniStore {
 public:
  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override;
  bool WriteString(const std::string& file, const std::string& section,
                   const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override;
};

// The process-wide profile store.
IniStore& SystemIni();

}  // namespace gd
