// The registry operations of the program, with their sentinels and key creation on write.
#include "platform/registry.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace gd {
namespace {

// Windows writes many icon references as expandable texts; both read as text here.
bool IsTextType(std::uint32_t type) {
  return type == regtype::kString || type == regtype::kExpandString;
}

}  // namespace

Registry::TypedText Registry::ReadTypedText(RegRoot root, std::string_view key,
                                           std::string_view name) {
  std::array<std::uint8_t, kTextBufferSize> buffer{};
  const auto result = backend_.QueryValue(root, key, name, buffer);
  if (result.error != regerr::kSuccess || !IsTextType(result.type)) {
    return {std::string(kRegTextSentinel), 0};
  }
  // The value's bytes up to the first NUL; a value that fills the buffer without one is cut
  // at the buffer's last byte so that it always stays a text of at most 259 characters.
  const std::size_t copied = std::min<std::size_t>(result.size, buffer.size() - 1);
  const auto* begin = reinterpret_cast<const char*>(buffer.data());
  return {std::string(begin, strnlen(begin, copied)), result.type};
}

std::string Registry::ReadText(RegRoot root, std::string_view key, std::string_view name) {
  return ReadTypedText(root, key, name).text;
}

std::string Registry::ReadShellText(RegRoot root, std::string_view key, std::string_view name) {
  TypedText value = ReadTypedText(root, key, name);
  if (value.type != regtype::kExpandString) return std::move(value.text);
  std::string expanded = backend_.ExpandEnvironment(value.text);
  if (expanded.size() > kTextBufferSize - 1) expanded.resize(kTextBufferSize - 1);
  return expanded;
}

std::uint32_t Registry::ReadNumber(RegRoot root, std::string_view key, std::string_view name) {
  std::array<std::uint8_t, 4> buffer{};
  // Four bytes of any type: installations keep flags such as "Attributes" as REG_BINARY.
  // Anything shorter is no number, and a longer value does not fit the four bytes.
  const auto result = backend_.QueryValue(root, key, name, buffer);
  if (result.error != regerr::kSuccess || result.size != buffer.size()) {
    return kRegNumberSentinel;
  }
  return std::uint32_t{buffer[0]} | std::uint32_t{buffer[1]} << 8 |
         std::uint32_t{buffer[2]} << 16 | std::uint32_t{buffer[3]} << 24;
}

long Registry::ReadRegFirstByte(RegRoot root, std::string_view key, std::string_view name,
                                std::uint8_t& out) {
  std::array<std::uint8_t, kFirstByteBufferSize> buffer{};
  const auto result = backend_.QueryValue(root, key, name, buffer);
  if (result.error != regerr::kSuccess || result.size == 0) {
    out = static_cast<std::uint8_t>(kRegNumberSentinel);
    return result.error != regerr::kSuccess ? result.error : regerr::kInvalidParameter;
  }
  out = buffer[0];
  return regerr::kSuccess;
}

long Registry::WriteValue(RegRoot root, std::string_view key, std::string_view name,
                          std::uint32_t type, std::span<const std::uint8_t> data) {
  const auto first = backend_.SetValue(root, key, name, type, data);
  if (first.openError == regerr::kSuccess) return first.setError;
  if (first.openError == regerr::kAccessDenied) return regerr::kAccessDenied;
  // The key is missing: create it with its parents and write once more. The caller learns
  // from the first opening's error that the key had to be made, whatever the retry gave.
  CreateRegKey(root, key);
  backend_.SetValue(root, key, name, type, data);
  return first.openError;
}

long Registry::WriteRegString(RegRoot root, std::string_view key, std::string_view name,
                              std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return WriteValue(root, key, name, regtype::kString, data);
}

long Registry::WriteRegNumber(RegRoot root, std::string_view key, std::string_view name,
                              std::uint32_t value) {
  const std::array<std::uint8_t, 4> data{
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  return WriteValue(root, key, name, regtype::kDword, data);
}

long Registry::CreateRegKey(RegRoot root, std::string_view key) {
  return backend_.CreateKey(root, key);
}

long Registry::DeleteRegKey(RegRoot root, std::string_view parent, std::string_view subkey) {
  return backend_.DeleteKey(root, parent, subkey);
}

long Registry::DeleteRegValue(RegRoot root, std::string_view key, std::string_view name) {
  return backend_.DeleteValue(root, key, name);
}

int Registry::RegKeyExists(RegRoot root, std::string_view key) {
  return backend_.KeyExists(root, key) ? 1 : 0;
}

int Registry::ListRegSubkeys(RegRoot root, std::string_view key, TextList& out) {
  std::vector<std::string> names;
  if (backend_.EnumSubkeys(root, key, names) != regerr::kSuccess) return 0;
  for (auto& name : names) out.push_front(std::move(name));
  return 1;
}


}  // namespace gd
