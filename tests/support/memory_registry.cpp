// The in-memory test registry.
#include "support/memory_registry.h"

#include <algorithm>
#include <cstring>

#include "platform/text_case.h"

namespace gd::test {
namespace {

std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

MemoryRegistry::Key& MemoryRegistry::Root(RegRoot root) { return roots_[root]; }

MemoryRegistry::Key* MemoryRegistry::Find(RegRoot root, std::string_view path) {
  Key* key = &Root(root);
  for (const auto& part : Components(path)) {
    const auto it = key->subkeys.find(FoldCase(part));
    if (it == key->subkeys.end()) return nullptr;
    key = it->second.get();
  }
  return key;
}

RegistryBackend::QueryResult MemoryRegistry::QueryValue(RegRoot root, std::string_view path,
                                                        std::string_view name,
                                                        std::span<std::uint8_t> buffer) {
  QueryResult result;
  Key* key = Find(root, path);
  if (key == nullptr) return result;
  const auto it = key->values.find(FoldCase(name));
  if (it == key->values.end()) return result;
  result.type = it->second.type;
  result.size = static_cast<std::uint32_t>(it->second.data.size());
  if (it->second.data.size() > buffer.size()) {
    result.error = regerr::kMoreData;
    return result;
  }
  std::copy(it->second.data.begin(), it->second.data.end(), buffer.begin());
  result.error = regerr::kSuccess;
  return result;
}

RegistryBackend::SetResult MemoryRegistry::SetValue(RegRoot root, std::string_view path,
                                                    std::string_view name, std::uint32_t type,
                                                    std::span<const std::uint8_t> data) {
  SetResult result;
  Key* key = Find(root, path);
  if (key == nullptr) return result;
  if (key->denyWrites) {
    result.openError = regerr::kAccessDenied;
    return result;
  }
  result.openError = regerr::kSuccess;
  key->values[FoldCase(name)] = Value{std::string(name), type, {data.begin(), data.end()}};
  result.setError = regerr::kSuccess;
  return result;
}

long MemoryRegistry::CreateKey(RegRoot root, std::string_view path) {
  Key* key = &Root(root);
  for (const auto& part : Components(path)) {
    const std::string folded = FoldCase(part);
    auto it = key->subkeys.find(folded);
    if (it == key->subkeys.end()) {
      if (key->denyWrites) return regerr::kAccessDenied;
      auto created = std::make_unique<Key>();
      created->name = part;
      it = key->subkeys.emplace(folded, std::move(created)).first;
    }
    key = it->second.get();
  }
  return regerr::kSuccess;
}

long MemoryRegistry::DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) {
  Key* key = Find(root, parent);
  if (key == nullptr) return regerr::kFileNotFound;
  if (key->denyWrites) return regerr::kAccessDenied;
  const auto it = key->subkeys.find(FoldCase(subkey));
  if (it == key->subkeys.end()) return regerr::kFileNotFound;
  if (!it->second->subkeys.empty()) return regerr::kAccessDenied;  // as NT refuses
  key->subkeys.erase(it);
  return regerr::kSuccess;
}

long MemoryRegistry::DeleteValue(RegRoot root, std::string_view path, std::string_view name) {
  Key* key = Find(root, path);
  if (key == nullptr) return regerr::kFileNotFound;
  if (key->denyWrites) return regerr::kAccessDenied;
  return key->values.erase(FoldCase(name)) ? regerr::kSuccess : regerr::kFileNotFound;
}

bool MemoryRegistry::KeyExists(RegRoot root, std::string_view path) {
  return Find(root, path) != nullptr;
}

long MemoryRegistry::EnumSubkeys(RegRoot root, std::string_view path,
                                 std::vector<std::string>& names) {
  Key* key = Find(root, path);
  if (key == nullptr) return regerr::kFileNotFound;
  for (const auto& [folded, sub] : key->subkeys) names.push_back(sub->name);
  return regerr::kSuccess;
}

void MemoryRegistry::Put(RegRoot root, std::string_view path, std::string_view name,
                         std::uint32_t type, std::vector<std::uint8_t> data) {
  CreateKey(root, path);
  Find(root, path)->values[FoldCase(name)] = Value{std::string(name), type, std::move(data)};
}

void MemoryRegistry::PutText(RegRoot root, std::string_view path, std::string_view name,
                             std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  Put(root, path, name, regtype::kString, std::move(data));
}

void MemoryRegistry::PutNumber(RegRoot root, std::string_view path, std::string_view name,
                               std::uint32_t value) {
  Put(root, path, name, regtype::kDword,
      {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
       static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void MemoryRegistry::DenyWrites(RegRoot root, std::string_view path) {
  CreateKey(root, path);
  Find(root, path)->denyWrites = true;
}

void MemoryRegistry::CopyTo(RegistryBackend& target) const {
  for (const auto& [root, key] : roots_) {
    for (const auto& [folded, sub] : key.subkeys) CopyKey(*sub, root, sub->name, target);
  }
}

void MemoryRegistry::CopyKey(const Key& key, RegRoot root, const std::string& path,
                             RegistryBackend& target) {
  target.CreateKey(root, path);
  for (const auto& [folded, value] : key.values) {
    target.SetValue(root, path, value.name, value.type, value.data);
  }
  for (const auto& [folded, sub] : key.subkeys) {
    CopyKey(*sub, root, path + "\\" + sub->name, target);
  }
}

}  // namespace gd::test
