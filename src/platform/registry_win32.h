// The real Windows registry behind the program's registry operations.
#pragma once

#include "platform/registry.h"

namespace gd {

class Win32Registry final : public RegistryBackend {
 public:
  QueryResult QueryValue(RegRoot root, std::string_view key, std::string_view name,
                         std::span<std::uint8_t> buffer) override;
  SetResult SetValue(RegRoot root, std::string_view key, std::string_view name,
                     std::uint32_t type, std::span<const std::uint8_t> data) override;
  long CreateKey(RegRoot root, std::string_view key) override;
  long DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) override;
  long DeleteValue(RegRoot root, std::string_view key, std::string_view name) override;
  bool KeyExists(RegRoot root, std::string_view key) override;
  long EnumSubkeys(RegRoot root, std::string_view key, std::vector<std::string>& names) override;
  std::string ExpandEnvironment(std::string_view text) override;
};

// The process-wide real registry with the program's operations on it.
Registry& SystemRegistry();

}  // namespace gd
