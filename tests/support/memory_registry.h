// An in-memory registry for tests with the platform's error codes, case-insensitive names and
// buffer rules, so that the same contract tests pass on it and on the real registry.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/text_case.h"

namespace gd::test {

class MemoryRegistry final : public RegistryBackend {
 public:
  QueryResult QueryValue(RegRoot root, std::string_view path, std::string_view name,
                         std::span<std::uint8_t> buffer) override {
    QueryResult result;
    Key* key = Find(root, path);
    if (key == nullptr || !key->values.contains(FoldCase(name))) return result;
    const Value& value = key->values.at(FoldCase(name));
    result.type = value.type;
    result.size = static_cast<std::uint32_t>(value.data.size());
    result.error = value.data.size() > buffer.size() ? regerr::kMoreData : regerr::kSuccess;
    if (result.error == regerr::kSuccess) std::copy(value.data.begin(), value.data.end(), buffer.begin());
    return result;
  }
  SetResult SetValue(RegRoot root, std::string_view path, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data) override {
    SetResult result;
    Key* key = Find(root, path);
    if (key == nullptr) return result;
    result.openError = key->denyWrites ? regerr::kAccessDenied : regerr::kSuccess;
    if (key->denyWrites) return result;
    key->values[FoldCase(name)] = Value{std::string(name), type, {data.begin(), data.end()}};
    result.setError = regerr::kSuccess;
    return result;
  }
  long CreateKey(RegRoot root, std::string_view path) override {
    Key* key = &roots_[root];
    for (const auto& part : Parts(path)) {
      auto it = key->subkeys.find(FoldCase(part));
      if (it == key->subkeys.end()) {
        if (key->denyWrites) return regerr::kAccessDenied;
        it = key->subkeys.emplace(FoldCase(part), std::make_unique<Key>()).first;
        it->second->name = part;
      }
      key = it->second.get();
    }
    return regerr::kSuccess;
  }
  long DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) override {
    Key* key = Find(root, parent);
    if (key == nullptr) return regerr::kFileNotFound;
    if (key->denyWrites) return regerr::kAccessDenied;
    const auto it = key->subkeys.find(FoldCase(subkey));
    if (it == key->subkeys.end()) return regerr::kFileNotFound;
    if (!it->second->subkeys.empty()) return regerr::kAccessDenied;  // as NT refuses
    key->subkeys.erase(it);
    return regerr::kSuccess;
  }
  long DeleteValue(RegRoot root, std::string_view path, std::string_view name) override {
    Key* key = Find(root, path);
    if (key == nullptr) return regerr::kFileNotFound;
    if (key->denyWrites) return regerr::kAccessDenied;
    return key->values.erase(FoldCase(name)) ? regerr::kSuccess : regerr::kFileNotFound;
  }
  bool KeyExists(RegRoot root, std::string_view path) override { return Find(root, path) != nullptr; }
  // "%NAME%" of the environment map put in; other percent signs stay.
  std::string ExpandEnvironment(std::string_view text) override {
    std::string out(text);
    for (const auto& [name, value] : environment) {
      for (std::size_t at; (at = out.find("%" + name + "%")) != std::string::npos;) out.replace(at, name.size() + 2, value);
    }
    return out;
  }
  std::map<std::string, std::string> environment;
  long EnumSubkeys(RegRoot root, std::string_view path, std::vector<std::string>& names) override {
    Key* key = Find(root, path);
    if (key == nullptr) return regerr::kFileNotFound;
    for (const auto& [folded, sub] : key->subkeys) names.push_back(sub->name);
    return regerr::kSuccess;
  }

  // Test set-up: a value of any type and bytes, creating the key.
  void Put(RegRoot root, std::string_view path, std::string_view name, std::uint32_t type,
           std::vector<std::uint8_t> data) {
    CreateKey(root, path);
    Find(root, path)->values[FoldCase(name)] = Value{std::string(name), type, std::move(data)};
  }
  void PutText(RegRoot root, std::string_view path, std::string_view name, std::string_view text) {
    const std::string stored = std::string(text) + '\0';
    Put(root, path, name, regtype::kString, {stored.begin(), stored.end()});
  }
  void PutNumber(RegRoot root, std::string_view path, std::string_view name, std::uint32_t value) {
    Put(root, path, name, regtype::kDword,
        {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)});
  }
  // Keys under which writing is refused with access denied.
  void DenyWrites(RegRoot root, std::string_view path) {
    CreateKey(root, path);
    Find(root, path)->denyWrites = true;
  }
  // Writes every key and value into another store, as a fixture for the real registry.
  void CopyTo(RegistryBackend& target) const {
    for (const auto& [root, key] : roots_) {
      for (const auto& [folded, sub] : key.subkeys) CopyKey(*sub, root, sub->name, target);
    }
  }

 private:
  struct Value {
    std::string name;  // as written
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  struct Key {
    std::string name;                                     // as created
    std::map<std::string, Value> values;                  // by folded name
    std::map<std::string, std::unique_ptr<Key>> subkeys;  // by folded name
    bool denyWrites = false;
  };

  static std::vector<std::string> Parts(std::string_view path) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= path.size();) {
      const std::size_t end = std::min(path.find('\\', start), path.size());
      if (end > start) parts.emplace_back(path.substr(start, end - start));
      start = end + 1;
    }
    return parts;
  }
  Key* Find(RegRoot root, std::string_view path) {
    Key* key = &roots_[root];
    for (const auto& part : Parts(path)) {
      const auto it = key->subkeys.find(FoldCase(part));
      if (it == key->subkeys.end()) return nullptr;
      key = it->second.get();
    }
    return key;
  }
  static void CopyKey(const Key& key, RegRoot root, const std::string& path, RegistryBackend& target) {
    target.CreateKey(root, path);
    for (const auto& [folded, value] : key.values) target.SetValue(root, path, value.name, value.type, value.data);
    for (const auto& [folded, sub] : key.subkeys) CopyKey(*sub, root, path + "\\" + sub->name, target);
  }

  std::map<RegRoot, Key> roots_;
};

}  // namespace gd::test
