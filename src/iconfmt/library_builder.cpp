// Building an icon library: load each referenced icon, name it, write the library.
#include "iconfmt/library_builder.h"

#include "iconfmt/group_naming.h"
#include "iconfmt/icl_writer.h"
#include "platform/path_text.h"

namespace gd {

std::vector<IconGroup> CollectLibraryGroups(const std::string& libraryPath,
                                            const std::vector<std::string>& referenceList,
                                            const PathContext& context, ExecutableIconReader readExecutable) {
  const std::string title = FileTitle(libraryPath);
  std::vector<IconGroup> groups;
  for (auto ref = referenceList.rbegin(); ref != referenceList.rend(); ++ref) {
    std::string path = *ref;
    int index = ParseIconRef(path, "", context);
    auto file = LoadIcon(path, index, readExecutable);
    if (!file || file->groups.empty()) continue;
    IconGroup group = std::move(file->groups.front());
    group.name = LibraryGroupName(title, groups.size() + 1, referenceList.size());
    groups.push_back(std::move(group));
  }
  return groups;
}

BuildLibraryResult BuildIconLibrary(const std::string& libraryPath, const std::vector<std::string>& referenceList,
                                    const PathContext& context, ExecutableIconReader readExecutable) {
  if (referenceList.empty()) return BuildLibraryResult::NoReferences;
  auto groups = CollectLibraryGroups(libraryPath, referenceList, context, readExecutable);
  return WriteIconLibrary(libraryPath, groups) ? BuildLibraryResult::Written : BuildLibraryResult::WriteFailed;
}

}  // namespace gd
