// The program's binding to the product's zip library VFZip.dll, loaded for each operation.
#pragma once

#include "platform/prompt.h"

#include <string>
#include <vector>

namespace gd {

// The text of the load failure, shown with the caption "Error" and the exclamation icon.
inline constexpr const char* kZipLibraryLoadError =
    "Error: Failed to load VFZip.dll.\n\nPlease reinstall the application to correct this "
    "problem.";

// What an unpacking came to: the library's result code (0 success, -1 when the library could
// not be loaded or lacks "UnZipFiles", else a code of companions/include/vfzip.h) and, on
// failure, a sentence saying why, naming the refused entry where there is one.
struct UnzipOutcome {
  int code = 0;
  std::string reason;
};

// library_path is the product-family value "VFZip" ("ERROR" when it is missing); the prompt
// shows the load failure. Unpacks every file ("*.*") of zip_file into destination, creating
// it when needed. True when the library reported success; outcome, when given, says why not.
bool UnzipArchive(const std::string& library_path, Prompt& prompt, const std::string& zip_file,
                  const std::string& destination, UnzipOutcome* outcome = nullptr);

// Packs the named files of `folder` (names without a folder of their own) into a new
// zip_file, replacing any file of that name; each is stored under its name. True when the
// library ran and reported success for every file.
bool ZipFiles(const std::string& library_path, Prompt& prompt, const std::string& zip_file,
              const std::string& folder, const std::vector<std::string>& names);

}  // namespace gd
