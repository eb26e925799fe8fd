// Path parts, icon reference splitting and path variable expansion.
#include "platform/path_text.h"

#include <climits>
#include <cstdint>

#include "platform/text_case.h"

namespace gd {
namespace {

constexpr std::size_t kDriveBuffer = 3;
constexpr std::size_t kPartBuffer = 256;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string Cut(std::string_view text, std::size_t bufferSize) {
  return std::string(text.substr(0, bufferSize - 1));
}

}  // namespace

int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{INT_MAX} + 1) value = std::int64_t{INT_MAX} + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = Cut(path.substr(0, 2), kDriveBuffer);
    path.remove_prefix(2);
  }
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsSeparator(path[i])) nameStart = i + 1;
  }
  parts.folder = Cut(path.substr(0, nameStart), kPartBuffer);
  const std::string_view name = path.substr(nameStart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    parts.title = Cut(name, kPartBuffer);
  } else {
    parts.title = Cut(name.substr(0, dot), kPartBuffer);
    parts.extension = Cut(name.substr(dot), kPartBuffer);
  }
  return parts;
}

std::string FileTitle(std::string_view path) { return SplitPath(path).title; }

std::string FileName(std::string_view path) {
  const PathParts parts = SplitPath(path);
  return parts.title + parts.extension;
}

std::string FolderOf(std::string_view path) {
  const PathParts parts = SplitPath(path);
  return parts.drive + parts.folder;
}

std::string ExtensionOf(std::string_view path) { return SplitPath(path).extension; }

std::string LastFolderName(std::string_view path) {
  std::string folder = SplitPath(path).folder;
  if (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
  const std::size_t last = folder.find_last_of("\\/");
  if (last == std::string::npos) return std::string(path);
  return folder.substr(last + 1);
}

std::string AddTrailingBackslash(std::string_view path) {
  std::string result(path);
  if (result.empty() || result.back() != '\\') result += '\\';
  return result;
}

std::string RemoveTrailingBackslash(std::string_view path) {
  std::string result(path);
  while (!result.empty() && result.back() == '\\') result.pop_back();
  return result;
}

bool FitsPathBuffer(std::string_view path) { return path.size() < kMaxPath; }

int ParseIconRef(std::string& text, std::string_view windowsDir, const PathContext& context) {
  if (!text.empty() && text.front() == '"') {
    text.erase(0, 1);
    const std::size_t closing = text.find('"');
    if (closing != std::string::npos) text.erase(closing, 1);
  }
  static constexpr std::string_view kSystemRoot = "%SystemRoot%";
  static constexpr std::string_view kProgramFiles = "%ProgramFiles%";
  if (text.starts_with(kSystemRoot)) {
    const std::string_view dir = windowsDir.empty() ? context.windowsDir : windowsDir;
    text.replace(0, kSystemRoot.size(), dir);
  } else if (text.starts_with(kProgramFiles)) {
    text.replace(0, kProgramFiles.size(), context.programFilesDir);
  }
  const std::size_t comma = text.rfind(',');
  if (comma == std::string::npos) return 0;
  const int index = LeadingNumber(std::string_view(text).substr(comma + 1));
  text.erase(comma);
  return index;
}

std::string ExpandCatalogueVariables(std::string_view path, const PathContext& context) {
  if (path.empty() || path.front() != '%') return std::string(path);
  static constexpr std::string_view kWinPath = "%WinPath%";
  static constexpr std::string_view kAccessories = "%Accessories%";
  static constexpr std::string_view kProgramFiles = "%ProgramFiles%";
  static constexpr std::size_t kWinSysPathLength = 12;  // "%WinSysPath%"
  if (StartsWithIgnoreCase(path, kWinPath)) {
    return context.windowsDir + std::string(path.substr(kWinPath.size()));
  }
  if (StartsWithIgnoreCase(path, kAccessories)) {
    std::string result = context.programFilesDir;
    if (result.empty() || result == "ERROR") result = "c:\\program files";
    result += '\\';
    const bool windows95Family =
        context.osVersion >= Os::Windows95 && context.osVersion <= Os::WindowsMe;
    if (!windows95Family) result += "Windows NT\\";
    result += "Accessories";
    return result + std::string(path.substr(kAccessories.size()));
  }
  if (StartsWithIgnoreCase(path, kProgramFiles)) {
    return context.programFilesDir + std::string(path.substr(kProgramFiles.size()));
  }
  const std::size_t skip = std::min(path.size(), kWinSysPathLength);
  return context.systemDir + std::string(path.substr(skip));
}

std::string MakeIconRef(std::string_view path, int index) {
  return std::string(path) + "," + std::to_string(index);
}

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  if (!pattern.empty() && pattern.front() == '*') {
    return EndsWithIgnoreCase(name, pattern.substr(1));
  }
  return EqualsIgnoreCase(name, pattern);
}

}  // namespace gd
