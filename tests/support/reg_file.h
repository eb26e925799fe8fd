// Registry fixtures kept as .reg files (REGEDIT4 text): loaded into the in-memory registry for
// native tests, and copied from there into the real registry for tests under Wine.
#pragma once

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/memory_registry.h"

namespace gd::test {
namespace reg_text {

// A quoted text with \\ and \" escapes; `pos` moves past the closing quote.
inline std::optional<std::string> Quoted(std::string_view line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string text;
  for (++pos; pos < line.size(); text += line[pos++]) {
    if (line[pos] == '"') return ++pos, text;
    if (line[pos] == '\\' && pos + 1 < line.size()) ++pos;
  }
  return std::nullopt;
}

inline std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (char c : text) {
    if (c == ',' || c == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    digits += c;
    if (digits.size() == 2) bytes.push_back(static_cast<std::uint8_t>(std::stoul(std::exchange(digits, ""), nullptr, 16)));
  }
  if (!digits.empty()) return std::nullopt;
  return bytes;
}

// The lines of the text, with hex values continued by a final backslash joined into one.
inline std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  std::string pending;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!pending.empty()) line = std::exchange(pending, "") + line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
      pending = line.substr(0, line.size() - 1);
    } else {
      lines.push_back(line);
    }
  }
  if (!pending.empty()) lines.push_back(pending);
  return lines;
}

}  // namespace reg_text

// Applies the text of a .reg file: keys in brackets (a leading "-" deletes nothing here and
// is refused), "name"= or @= values as "text", dword:hex, hex:bytes or hex(2):bytes.
// Returns an empty text on success, else the first line it could not read.
inline std::string LoadRegText(MemoryRegistry& registry, std::string_view text) {
  static const std::pair<std::string_view, RegRoot> kRoots[] = {{"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
                                                                {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
                                                                {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine}};
  std::optional<std::pair<RegRoot, std::string>> key;
  for (const std::string& line : reg_text::Lines(text)) {
    if (line.empty() || line[0] == ';' || line == "REGEDIT4") continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3 || line[1] == '-') return line;
      const std::string name = line.substr(1, line.size() - 2);
      key.reset();
      for (const auto& [prefix, root] : kRoots) {
        if (name == prefix) key.emplace(root, "");
        if (name.starts_with(std::string(prefix) + "\\")) key.emplace(root, name.substr(prefix.size() + 1));
      }
      if (!key) return line;
      registry.CreateKey(key->first, key->second);
      continue;
    }
    std::size_t pos = line[0] == '@' ? 1 : 0;
    const auto name = pos == 1 ? std::optional<std::string>("") : reg_text::Quoted(line, pos);
    if (!key || !name || pos >= line.size() || line[pos] != '=') return line;
    const std::string_view value = std::string_view(line).substr(++pos);
    const auto& [root, path] = *key;
    if (value.starts_with('"')) {
      const auto quoted = reg_text::Quoted(line, pos);
      if (!quoted) return line;
      registry.PutText(root, path, *name, *quoted);
    } else if (value.starts_with("dword:") && value.size() == 14 && reg_text::HexBytes(value.substr(6))) {
      registry.PutNumber(root, path, *name, static_cast<std::uint32_t>(std::stoul(std::string(value.substr(6)), nullptr, 16)));
    } else if (value.starts_with("hex:") || value.starts_with("hex(2):")) {
      auto bytes = reg_text::HexBytes(value.substr(value.find(':') + 1));
      if (!bytes) return line;
      registry.Put(root, path, *name, value[3] == ':' ? regtype::kBinary : regtype::kExpandString, std::move(*bytes));
    } else {
      return line;
    }
  }
  return {};
}

inline std::string LoadRegFile(MemoryRegistry& registry, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open " + path;
  std::ostringstream text;
  text << in.rdbuf();
  return LoadRegText(registry, text.str());
}

}  // namespace gd::test
