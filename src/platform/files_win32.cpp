// FindFirstFileA-based existence test and recursive file search.
#include <windows.h>

#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/unique_handle.h"

namespace gd {

bool FileExists(const std::string& path) {
  // Wildcards would make the search find some other entry; an over-long path names nothing.
  if (path.empty() || !FitsPathBuffer(path) || path.find_first_of("*?") != std::string::npos) {
    return false;
  }
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA(path.c_str(), &data));
  return static_cast<bool>(find);
}

void FindFiles(std::string& folder, const std::string& pattern, bool recurse, TextList& out,
               int& count) {
  folder = AddTrailingBackslash(folder);
  const std::string query = folder + "*.*";
  if (!FitsPathBuffer(query)) return;
  WIN32_FIND_DATAA data;
  UniqueFind find(FindFirstFileA(query.c_str(), &data));
  if (!find) return;
  do {
    const std::string name = data.cFileName;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (recurse && !name.empty() && name.front() != '.') {
        std::string sub = folder + name + "\\";
        FindFiles(sub, pattern, recurse, out, count);
      }
    } else if (MatchesFilePattern(name, pattern)) {
      out.push_front(folder + name);
      ++count;
    }
  } while (FindNextFileA(find.get(), &data));
}

}  // namespace gd
