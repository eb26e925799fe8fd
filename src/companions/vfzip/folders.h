// Making folders for extracted files.
#pragma once

#include <string>

namespace gd::vfzip {

bool IsFolder(const std::string& path);

// Creates an absolute folder path with every missing parent. True when it exists afterwards.
bool CreateFolderTree(const std::string& path);

// Creates base\a, base\a\b, ... for relative = "a\b"; base must exist. True when the last one
// exists afterwards as a folder.
bool CreateSubfolders(const std::string& base, const std::string& relative);

}  // namespace gd::vfzip
