// A small reader of REGEDIT4 files for test fixtures.
#include "support/reg_file.h"

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace gd::test {
namespace {

struct KeyName {
  RegRoot root;
  std::string path;
};

std::optional<KeyName> ParseKey(std::string_view name) {
  static const std::pair<std::string_view, RegRoot> kRoots[] = {
      {"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
      {"HKEY_CURRENT_USER", RegRoot::CurrentUser},
      {"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine}};
  for (const auto& [prefix, root] : kRoots) {
    if (name == prefix) return KeyName{root, ""};
    if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix &&
        name[prefix.size()] == '\\') {
      return KeyName{root, std::string(name.substr(prefix.size() + 1))};
    }
  }
  return std::nullopt;
}

// A quoted text with \\ and \" escapes; `pos` moves past the closing quote.
std::optional<std::string> ParseQuoted(std::string_view line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string text;
  for (++pos; pos < line.size(); ++pos) {
    if (line[pos] == '\\' && pos + 1 < line.size()) {
      text += line[++pos];
    } else if (line[pos] == '"') {
      ++pos;
      return text;
    } else {
      text += line[pos];
    }
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (char c : text) {
    if (c == ',' || c == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    digits += c;
    if (digits.size() == 2) {
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
      digits.clear();
    }
  }
  if (!digits.empty()) return std::nullopt;
  return bytes;
}

// Joins lines continued with a final backslash (long hex values).
std::vector<std::string> LogicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  std::string line, pending;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!pending.empty()) {
      const auto start = line.find_first_not_of(' ');
      line = pending + (start == std::string::npos ? "" : line.substr(start));
      pending.clear();
    }
    if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
      line.pop_back();
      pending = line;
      continue;
    }
    lines.push_back(line);
  }
  if (!pending.empty()) lines.push_back(pending);
  return lines;
}

}  // namespace

std::string LoadRegText(MemoryRegistry& registry, std::string_view text) {
  std::optional<KeyName> key;
  for (const std::string& line : LogicalLines(text)) {
    if (line.empty() || line[0] == ';' || line == "REGEDIT4" ||
        line == "Windows Registry Editor Version 5.00") {
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3 || line[1] == '-') return line;
      key = ParseKey(std::string_view(line).substr(1, line.size() - 2));
      if (!key) return line;
      registry.CreateKey(key->root, key->path);
      continue;
    }
    if (!key) return line;
    std::size_t pos = 0;
    std::string name;
    if (line[0] == '@') {
      pos = 1;
    } else if (auto quoted = ParseQuoted(line, pos)) {
      name = *quoted;
    } else {
      return line;
    }
    if (pos >= line.size() || line[pos] != '=') return line;
    const std::string_view value = std::string_view(line).substr(pos + 1);
    if (!value.empty() && value.front() == '"') {
      std::size_t valuePos = pos + 1;
      auto textValue = ParseQuoted(line, valuePos);
      if (!textValue) return line;
      registry.PutText(key->root, key->path, name, *textValue);
    } else if (value.rfind("dword:", 0) == 0 && value.size() == 14) {
      auto bytes = ParseHexBytes(value.substr(6));
      if (!bytes) return line;
      registry.PutNumber(key->root, key->path, name,
                         static_cast<std::uint32_t>(std::stoul(std::string(value.substr(6)), nullptr, 16)));
    } else if (value.rfind("hex:", 0) == 0 || value.rfind("hex(2):", 0) == 0 ||
               value.rfind("hex(4):", 0) == 0) {
      const bool expand = value.rfind("hex(2):", 0) == 0;
      const bool dword = value.rfind("hex(4):", 0) == 0;
      auto bytes = ParseHexBytes(value.substr(value.find(':') + 1));
      if (!bytes) return line;
      registry.Put(key->root, key->path, name,
                   expand ? regtype::kExpandString : dword ? regtype::kDword : regtype::kBinary,
                   std::move(*bytes));
    } else {
      return line;
    }
  }
  return {};
}

std::string LoadRegFile(MemoryRegistry& registry, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open " + path;
  std::ostringstream text;
  text << in.rdbuf();
  return LoadRegText(registry, text.str());
}

}  // namespace gd::test
