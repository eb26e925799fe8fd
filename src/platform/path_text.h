// Path texts: the parts of a path, icon reference splitting and the catalogue's path
// variables. Pure text work; the system directories come in through PathContext.
#pragma once

#include <string>
#include <string_view>

#include "platform/os_version.h"

namespace gd {

inline constexpr std::size_t kMaxPath = 260;  // buffer size; paths hold at most 259 characters

// What the variables stand for on the running system.
struct PathContext {
  std::string windowsDir;       // WindowsDir
  std::string systemDir;        // SystemDir
  std::string programFilesDir;  // "ProgramFilesDir", or "ERROR" when it cannot be read
  Os osVersion = Os::Unknown;            // OsVersion code
};

// The four parts of a path as the platform's _splitpath gives them (each cut to its buffer:
// drive 3 bytes, the others 256).
struct PathParts {
  std::string drive;
  std::string folder;
  std::string title;
  std::string extension;
};
PathParts SplitPath(std::string_view path);

std::string FileTitle(std::string_view path);
std::string FileName(std::string_view path);
std::string FolderOf(std::string_view path);
std::string ExtensionOf(std::string_view path);
std::string LastFolderName(std::string_view path);
std::string AddTrailingBackslash(std::string_view path);
std::string RemoveTrailingBackslash(std::string_view path);
bool FitsPathBuffer(std::string_view path);

// Splits an icon reference in place: leaves the plain path in `text` and returns the index.
// `windowsDir` may be empty, then `context.windowsDir` stands for "%SystemRoot%".
// The decimal number at the start of `text` as the C library's atoi reads it (blanks, a
// sign, digits; 0 when there are none), held to the range of int instead of overflowing.
int LeadingNumber(std::string_view text);

int ParseIconRef(std::string& text, std::string_view windowsDir, const PathContext& context);
std::string ExpandCatalogueVariables(std::string_view path, const PathContext& context);
// "%s,%d": the text of an icon reference.
std::string MakeIconRef(std::string_view path, int index);

// The name matching of FindFiles: "*.*" matches all, "*rest" matches names ending in rest,
// any other pattern must equal the name; case is ignored.
bool MatchesFilePattern(std::string_view name, std::string_view pattern);

}  // namespace gd
