// Folder creation with the ANSI file API.
#include "companions/vfzip/folders.h"

#include <windows.h>

namespace gd::vfzip {
namespace {

// Where the first creatable level starts: after "C:\", "\\server\share\" or a leading "\".
size_t FirstLevel(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && path[2] == '\\' ? 3 : 2;
  if (path.rfind("\\\\", 0) == 0) {
    size_t server_end = path.find('\\', 2);
    if (server_end == std::string::npos) return path.size();
    size_t share_end = path.find('\\', server_end + 1);
    return share_end == std::string::npos ? path.size() : share_end + 1;
  }
  return (!path.empty() && path[0] == '\\') ? 1 : 0;
}

}  // namespace

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolderTree(const std::string& path) {
  if (path.empty()) return false;
  for (size_t at = path.find('\\', FirstLevel(path)); at != std::string::npos;
       at = path.find('\\', at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);  // existing levels fail harmlessly
  }
  CreateDirectoryA(path.c_str(), nullptr);
  return IsFolder(path);
}

bool CreateSubfolders(const std::string& base, const std::string& relative) {
  std::string path = base;
  size_t start = 0;
  while (start < relative.size()) {
    size_t end = relative.find('\\', start);
    if (end == std::string::npos) end = relative.size();
    path += '\\';
    path.append(relative, start, end - start);
    if (!CreateDirectoryA(path.c_str(), nullptr) && !IsFolder(path)) return false;
    start = end + 1;
  }
  return IsFolder(path);
}

}  // namespace gd::vfzip
