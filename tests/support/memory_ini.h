// INI files held in memory for tests, answering as the platform's profile functions do:
// case-insensitive names, NUL-separated listings, values cut to the buffer.
#pragma once

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
    std::string text;
    bool list = false;
    const File* f = FindFile(file);
    if (!section) {
      list = true;
      if (f) for (const auto& s : *f) text += s.first + '\0';
    } else if (!key) {
      list = true;
      if (const Section* s = f ? FindSection(*f, *section) : nullptr) {
        for (const auto& entry : *s) text += entry.first + '\0';
      }
    } else {
      text = fallback;
      if (const Section* s = f ? FindSection(*f, *section) : nullptr) {
        for (const auto& entry : *s) {
          if (EqualsIgnoreCase(entry.first, *key)) text = entry.second;
        }
      }
    }
    if (!list) {
      const std::size_t n = std::min(text.size(), buffer.size() - 1);
      std::copy_n(text.data(), n, buffer.data());
      buffer[n] = '\0';
      return n;
    }
    if (text.size() + 1 <= buffer.size()) {
      std::copy(text.begin(), text.end(), buffer.begin());
      buffer[text.size()] = '\0';
      return text.empty() ? 0 : text.size();
    }
    // A list that does not fit ends in two NULs and reports the buffer size less two.
    if (buffer.size() < 2) {
      buffer[0] = '\0';
      return 0;
    }
    std::copy_n(text.data(), buffer.size() - 2, buffer.data());
    buffer[buffer.size() - 2] = '\0';
    buffer[buffer.size() - 1] = '\0';
    return buffer.size() - 2;
  }

  bool WriteString(const std::string& file, const std::string& section,
                   const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override {
    File& f = files_[FoldCase(file)];
    Section* s = FindSection(f, section);
    if (!key) {
      std::erase_if(f, [&](const auto& entry) { return EqualsIgnoreCase(entry.first, section); });
      return true;
    }
    if (!s) {
      f.emplace_back(section, Section{});
      s = &f.back().second;
    }
    for (auto it = s->begin(); it != s->end(); ++it) {
      if (EqualsIgnoreCase(it->first, *key)) {
        if (value) it->second = *value; else s->erase(it);
        return true;
      }
    }
    if (value) s->emplace_back(*key, *value);
    return true;
  }

 private:
  using Section = std::vector<std::pair<std::string, std::string>>;
  using File = std::vector<std::pair<std::string, Section>>;

  const File* FindFile(const std::string& file) const {
    const auto it = files_.find(FoldCase(file));
    return it == files_.end() ? nullptr : &it->second;
  }
  static const Section* FindSection(const File& f, const std::string& name) {
    for (const auto& s : f) if (EqualsIgnoreCase(s.first, name)) return &s.second;
    return nullptr;
  }
  static Section* FindSection(File& f, const std::string& name) {
    for (auto& s : f) if (EqualsIgnoreCase(s.first, name)) return &s.second;
    return nullptr;
  }

  std::map<std::string, File> files_;
};

}  // namespace gd::test
