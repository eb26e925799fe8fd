// INI files held in memory for tests, answering as the platform's profile functions do:
// case-insensitive names, NUL-separated listings, values cut to the buffer.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/ini.h"
#include "platform/text_case.h"

namespace gd::test {

class MemoryIni final : public IniStore {
 public:
  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override {
    if (buffer.empty()) return 0;
    File& f = files_[FoldCase(file)];
    const Section* s = section ? Find(f, *section) : nullptr;
    if (section && key) {  // a value, cut to the buffer
      std::string text = fallback;
      if (s) for (const auto& [name, value] : *s) if (EqualsIgnoreCase(name, *key)) text = value;
      return Copy(text, buffer, buffer.size() - 1, 1);
    }
    std::string list;  // the section or key names, each ended by a NUL
    if (!section) for (const auto& entry : f) list += entry.first + '\0';
    if (s) for (const auto& entry : *s) list += entry.first + '\0';
    // A list that does not fit ends in two NULs and reports the buffer size less two.
    if (list.size() + 1 <= buffer.size()) return Copy(list, buffer, list.size(), 1);
    return Copy(list, buffer, buffer.size() < 2 ? 0 : buffer.size() - 2, 2);
  }

  bool WriteString(const std::string& file, const std::string& section, const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override {
    File& f = files_[FoldCase(file)];
    if (!key) {
      std::erase_if(f, [&](const auto& entry) { return EqualsIgnoreCase(entry.first, section); });
      return true;
    }
    Section* s = Find(f, section);
    if (!s) s = &f.emplace_back(section, Section{}).second;
    const auto it = std::find_if(s->begin(), s->end(), [&](const auto& e) { return EqualsIgnoreCase(e.first, *key); });
    if (it == s->end()) {
      if (value) s->emplace_back(*key, *value);
    } else if (value) {
      it->second = *value;
    } else {
      s->erase(it);
    }
    return true;
  }

 private:
  using Section = std::vector<std::pair<std::string, std::string>>;
  using File = std::vector<std::pair<std::string, Section>>;
  static std::size_t Copy(const std::string& text, std::span<char> buffer, std::size_t n, std::size_t nuls) {
    n = std::min(n, text.size());
    std::copy_n(text.data(), n, buffer.data());
    std::fill_n(buffer.data() + n, std::min(nuls, buffer.size() - n), '\0');
    return n;
  }
  static Section* Find(File& f, const std::string& name) {
    for (auto& s : f) if (EqualsIgnoreCase(s.first, name)) return &s.second;
    return nullptr;
  }
  std::map<std::string, File> files_;
};

}  // namespace gd::test
