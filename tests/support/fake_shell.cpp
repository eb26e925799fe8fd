// File search over the fake shell's known files and shortcuts.
#include "support/fake_shell.h"

#include "platform/path_text.h"

namespace gd::test {

std::vector<std::string> FakeShell::FindFiles(const std::string& folder, const std::string& pattern,
                                              bool recurse) {
  const std::string dir = FoldCase(AddTrailingBackslash(folder));
  std::vector<std::string> all(files.begin(), files.end());
  for (const auto& [path, shortcut] : shortcuts) all.push_back(path);
  std::vector<std::string> found;
  for (const auto& path : all) {
    const std::string folded = FoldCase(path);
    if (folded.rfind(dir, 0) != 0) continue;
    const std::string rest = path.substr(dir.size());
    if (!recurse && rest.find('\\') != std::string::npos) continue;
    if (MatchesFilePattern(FileName(rest), pattern)) found.insert(found.begin(), path);
  }
  return found;
}

}  // namespace gd::test
