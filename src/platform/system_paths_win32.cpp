// Reads the Windows, system and program files directories.
#include <windows.h>

#include "platform/system_paths.h"

namespace gd {

std::string WindowsDirectory() {
  char buffer[kMaxPath] = {};
  const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
  return length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string SystemDirectory() {
  char buffer[kMaxPath] = {};
  const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
  return length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ProgramFilesDirectory(Registry& registry) {
  return registry.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                           "ProgramFilesDir");
}

PathContext SystemPathContext(Registry& registry, Os osVersion) {
  return PathContext{WindowsDirectory(), SystemDirectory(), ProgramFilesDirectory(registry),
                     osVersion};
}

}  // namespace gd
