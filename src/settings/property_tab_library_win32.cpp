// Runs the "Icon" property tab library's self-registration exports.
#include "settings/property_tab_library_win32.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace gd {

PropertyTabLibrary::PropertyTabLibrary(const std::string& appPath) : path_(appPath + "\\proptab.dll") {}

bool PropertyTabLibrary::Available() {
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool PropertyTabLibrary::SetRegistered(bool registered) {
  const UniqueModule library(LoadLibraryA(path_.c_str()));
  if (!library) return false;
  using Registration = HRESULT(STDAPICALLTYPE*)();
  const auto run = reinterpret_cast<Registration>(reinterpret_cast<void*>(
      GetProcAddress(library.get(), registered ? "DllRegisterServer" : "DllUnregisterServer")));
  return run != nullptr && SUCCEEDED(run());
}

}  // namespace gd
