// Shell answers fixed by a test: which files exist, special folders, drives and shortcuts;
// and a notice box that records what it was asked.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/notice.h"
#include "platform/path_text.h"
#include "platform/shell_queries.h"
#include "platform/text_case.h"

namespace gd::test {

class FakeShell final : public ShellQueries {
 public:
  struct Shortcut {
    std::string target, iconFile;
    int iconIndex = 0;
  };
  struct Drive {
    std::string root;
    unsigned type = 3;  // fixed
    std::string displayName;
  };

  std::set<std::string> files;  // compared without regard to case
  std::map<int, std::string> specialFolders;
  std::vector<Drive> drives;
  std::map<std::string, Shortcut> shortcuts;  // by full path
  std::map<std::string, int> iconCounts;

  bool FileExists(const std::string& path) override {
    for (const auto& file : files) if (EqualsIgnoreCase(file, path)) return true;
    return shortcuts.count(path) > 0;
  }
  std::optional<std::string> SpecialFolderPath(int folder) override {
    return specialFolders.count(folder) ? std::optional(specialFolders.at(folder)) : std::nullopt;
  }
  std::vector<std::string> DriveRoots() override {
    std::vector<std::string> roots;
    for (const auto& drive : drives) roots.push_back(drive.root);
    return roots;
  }
  unsigned DriveType(const std::string& root) override {
    for (const auto& drive : drives) if (drive.root == root) return drive.type;
    return 1;  // no root directory
  }
  std::string DisplayName(const std::string& path) override {
    for (const auto& drive : drives) if (drive.root == path) return drive.displayName;
    return {};
  }
  // Files directly in `folder` (or below it with `recurse`) whose names match, last first.
  std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern, bool recurse) override {
    const std::string dir = FoldCase(AddTrailingBackslash(folder));
    std::vector<std::string> all(files.begin(), files.end()), found;
    for (const auto& [path, shortcut] : shortcuts) all.push_back(path);
    for (const auto& path : all) {
      const std::string rest = path.substr(std::min(dir.size(), path.size()));
      if (!FoldCase(path).starts_with(dir) || (!recurse && rest.find('\\') != std::string::npos)) continue;
      if (MatchesFilePattern(FileName(rest), pattern)) found.insert(found.begin(), path);
    }
    return found;
  }
  bool ReadShortcut(const std::string& shortcut, std::string& target, std::string& iconFile, int& iconIndex) override {
    if (!shortcuts.count(shortcut)) return false;
    const Shortcut& found = shortcuts.at(shortcut);
    target = found.target, iconFile = found.iconFile, iconIndex = found.iconIndex;
    return true;
  }
  int IconCount(const std::string& file) override { return iconCounts.count(file) ? iconCounts.at(file) : 0; }
};

class RecordingNotice final : public NoticeBox {
 public:
  NoticeResult answer;
  std::vector<PromptRequest> shown;
  NoticeResult Show(const PromptRequest& request) override { return shown.push_back(request), answer; }
};

}  // namespace gd::test
