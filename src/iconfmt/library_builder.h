// Building an icon library from a list of icon references.
#pragma once

#include <string>
#include <vector>

#include "iconfmt/icon_loader.h"
#include "platform/path_text.h"

namespace gd {

// The text the user interface shows when the library cannot be written.
inline constexpr char kLibrarySaveErrorText[] = "error saving icl file";

enum class BuildLibraryResult { Written, NoReferences, WriteFailed };

// The groups that the references name, in the order in which they were added: referenceList
// holds the newest reference at its head (index 0), so it is taken from the tail to the head.
// References are split by ParseIconRef with the given context. References that do not load
// are skipped without using up a number; the others are named from the library's title
// (LibraryGroupName).
std::vector<IconGroup> CollectLibraryGroups(const std::string& libraryPath,
                                            const std::vector<std::string>& referenceList,
                                            const PathContext& context,
                                            ExecutableIconReader readExecutable = SystemExecutableReader());

BuildLibraryResult BuildIconLibrary(const std::string& libraryPath, const std::vector<std::string>& referenceList,
                                    const PathContext& context,
                                    ExecutableIconReader readExecutable = SystemExecutableReader());

}  // namespace gd
