// Registry fixtures kept as .reg files (REGEDIT4 text): loaded into the in-memory registry for
// native tests, and copied from there into the real registry for tests under Wine.
#pragma once

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/memory_registry.h"

namespace gd::test {

// Applies the text of a .reg file: keys in brackets (a leading "-" deletes nothing here and
// is refused), "name"= or @= values as "text", dword:hex, hex:bytes or hex(2):bytes, long hex
// values continued with a backslash. Returns an empty text, or the first line it cannot read.
inline std::string LoadRegText(MemoryRegistry& registry, std::string_view text) {
  // A quoted text with \\ and \" escapes from `at`, which moves past the closing quote.
  const auto quoted = [](const std::string& line, std::size_t& at) -> std::optional<std::string> {
    std::string text;
    for (++at; at < line.size(); text += line[at++]) {
      if (line[at] == '"') return ++at, text;
      if (line[at] == '\\' && at + 1 < line.size()) ++at;
    }
    return std::nullopt;
  };
  std::optional<std::pair<RegRoot, std::string>> key;
  std::istringstream in{std::string(text)};
  for (std::string line, next; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (line.ends_with("\\") && line.find("=hex") != std::string::npos && std::getline(in, next)) {
      if (!next.empty() && next.back() == '\r') next.pop_back();
      line = line.substr(0, line.size() - 1) + next.substr(std::min(next.find_first_not_of(' '), next.size()));
    }
    if (line.empty() || line[0] == ';' || line == "REGEDIT4") continue;
    if (line[0] == '[') {
      key.reset();
      for (auto [prefix, root] : {std::pair{"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
                                  {"HKEY_CURRENT_USER", RegRoot::CurrentUser}, {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine}}) {
        const std::string name = line.substr(1, line.size() - 2), start = std::string(prefix) + "\\";
        if (line.back() != ']' || (name != prefix && !name.starts_with(start))) continue;
        key.emplace(root, name.substr(std::min(start.size(), name.size())));
      }
      if (!key) return line;
      registry.CreateKey(key->first, key->second);
      continue;
    }
    std::size_t at = line[0] == '@' ? 1 : 0;
    const auto name = at == 1 ? std::optional<std::string>("") : line[0] == '"' ? quoted(line, at) : std::nullopt;
    if (!key || !name || at >= line.size() || line[at++] != '=') return line;
    const std::string value = line.substr(at);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = value.find(':') + 1; value.starts_with("hex") && i < value.size(); i += 3) {
      const auto hex = [&](std::size_t j) { return j < value.size() && std::isxdigit(static_cast<unsigned char>(value[j])); };
      if (!hex(i) || !hex(i + 1) || (i + 2 < value.size() && value[i + 2] != ',')) return line;
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(value.substr(i, 2), nullptr, 16)));
    }
    if (value.starts_with('"')) {
      const auto text = quoted(line, at);
      if (!text) return line;
      registry.PutText(key->first, key->second, *name, *text);
    } else if (value.starts_with("dword:") && value.size() == 14 &&
               value.find_first_not_of("0123456789abcdefABCDEF", 6) == std::string::npos) {
      registry.PutNumber(key->first, key->second, *name, static_cast<std::uint32_t>(std::stoul(value.substr(6), nullptr, 16)));
    } else if (value.starts_with("hex:") || value.starts_with("hex(2):")) {
      registry.Put(key->first, key->second, *name, value[3] == ':' ? regtype::kBinary : regtype::kExpandString, bytes);
    } else {
      return line;
    }
  }
  return {};
}

inline std::string LoadRegFile(MemoryRegistry& registry, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return in ? LoadRegText(registry, text.str()) : "cannot open " + path;
}

}  // namespace gd::test
