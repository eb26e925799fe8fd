// VFZip.dll through LoadLibraryA and GetProcAddress, freed again after every call.
#include "platform/zip_library.h"

#include "companions/include/vfzip.h"
#include "platform/unique_handle.h"

#include <windows.h>

namespace gd {
namespace {

UniqueModule LoadZipLibrary(const std::string& library_path, Prompt& prompt) {
  // "ERROR" is the sentinel of a registry text that could not be read, not a library name:
  // asking the loader for it would search the path for a stranger's ERROR.dll.
  UniqueModule module;
  if (!library_path.empty() && library_path != "ERROR") {
    module.reset(LoadLibraryA(library_path.c_str()));
  }
  if (!module) {
    PromptRequest request;
    request.text = kZipLibraryLoadError;
    request.caption = "Error";
    request.icon = PromptIcon::Exclamation;
    request.buttons = PromptButtons::Ok;
    prompt.Ask(request);
  }
  return module;
}

template <typename Function>
Function Export(const UniqueModule& module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
}

}  // namespace

bool UnzipArchive(const std::string& library_path, Prompt& prompt, const std::string& zip_file,
                  const std::string& destination, UnzipOutcome* outcome) {
  UnzipOutcome result;
  UniqueModule module = LoadZipLibrary(library_path, prompt);
  if (!module) {
    result.code = -1;
    result.reason = "VFZip.dll could not be loaded.";
  } else if (auto unzip = Export<VfzipUnZipFilesFn>(module, "UnZipFiles"); unzip == nullptr) {
    result.code = -1;
    result.reason = "VFZip.dll has no \"UnZipFiles\".";
  } else {
    result.code = unzip(destination.c_str(), zip_file.c_str(), "*.*", 0, 1, 1);
    if (result.code != 0) {
      // Older builds of the library may not explain themselves.
      auto last_error = Export<VfzipLastErrorFn>(module, "UnZipLastError");
      const char* reason = last_error != nullptr ? last_error() : nullptr;
      result.reason = reason != nullptr && *reason != '\0'
                          ? reason
                          : "VFZip.dll failed with code " + std::to_string(result.code) + ".";
    }
  }
  const bool ok = result.code == 0;
  if (outcome != nullptr) *outcome = std::move(result);
  return ok;
}

bool ZipFiles(const std::string& library_path, Prompt& prompt, const std::string& zip_file,
              const std::string& folder, const std::vector<std::string>& names) {
  if (names.empty()) return false;
  UniqueModule module = LoadZipLibrary(library_path, prompt);
  if (!module) return false;
  auto zip = Export<VfzipZipFilesFn>(module, "ZipFiles");
  if (zip == nullptr) return false;
  // One file at a time, by its full path, with no recursion: the archive holds exactly these
  // files, whatever else the folder holds. The first starts the archive afresh.
  bool first = true;
  for (const std::string& name : names) {
    const std::string pattern = folder + "\\" + name;
    if (zip(zip_file.c_str(), pattern.c_str(), 0, first ? 1 : 0, 1) != 0) return false;
    first = false;
  }
  return true;
}

}  // namespace gd
