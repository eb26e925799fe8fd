// The program's INI reading helpers over any profile-like store.
#include "platform/ini.h"

#include <cstring>
#include <vector>

namespace gd {
namespace {

// Walks NUL-separated names in the first `length` characters of `buffer`.
std::vector<std::string> SplitNames(const std::vector<char>& buffer, std::size_t length) {
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos < length) {
    const std::size_t len = strnlen(buffer.data() + pos, length - pos);
    if (len > 0) names.emplace_back(buffer.data() + pos, len);
    pos += len + 1;
  }
  return names;
}

}  // namespace

bool ReadIniValue(IniStore& store, const std::string& section, const std::string& key,
                  std::string& out, const std::string& file) {
  std::vector<char> buffer(kIniValueBufferSize, '\0');
  const std::size_t length = store.GetString(file, section, key, "", buffer);
  out.assign(buffer.data(), strnlen(buffer.data(), std::min(length, buffer.size() - 1)));
  return !out.empty();
}

int ListIniSections(IniStore& store, const std::string& file, TextList& out) {
  std::vector<char> buffer(kIniSectionListBufferSize, '\0');
  const std::size_t length = store.GetString(file, std::nullopt, std::nullopt, "", buffer);
  if (length < 2) return 0;
  std::vector<std::string> names = SplitNames(buffer, std::min(length, buffer.size()));
  // A list that did not fit comes back as the buffer size less two, its last name cut short:
  // that name is no section of the file.
  if (length + 2 >= buffer.size() && !names.empty()) names.pop_back();
  int count = 0;
  for (auto& name : names) {
    out.push_front(std::move(name));
    ++count;
  }
  return count;
}

}  // namespace gd
