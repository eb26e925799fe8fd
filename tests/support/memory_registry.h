// An in-memory registry for tests: keys and values kept in maps, with the platform's error
// codes, case-insensitive names and its buffer rules (so the same contract tests pass on it
// and on the real registry).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace gd::test {

class MemoryRegistry final : public RegistryBackend {
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

  // Test set-up: a value of any type and bytes, creating the key.
  void Put(RegRoot root, std::string_view key, std::string_view name, std::uint32_t type,
           std::vector<std::uint8_t> data);
  void PutText(RegRoot root, std::string_view key, std::string_view name, std::string_view text);
  void PutNumber(RegRoot root, std::string_view key, std::string_view name, std::uint32_t value);
  // Keys under which writing is refused with access denied.
  void DenyWrites(RegRoot root, std::string_view key);
  // Writes every key and value into another store, as a fixture for the real registry.
  void CopyTo(RegistryBackend& target) const;

 private:
  struct Value {
    std::string name;  // as written
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  struct Key {
    std::string name;  // as created
    std::map<std::string, Value> values;  // by folded name
    std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name
    bool denyWrites = false;
  };

  Key* Find(RegRoot root, std::string_view path);
  static void CopyKey(const Key& key, RegRoot root, const std::string& path,
                      RegistryBackend& target);
  Key& Root(RegRoot root);

  std::map<RegRoot, Key> roots_;
};

}  // namespace gd::test
