// ZipFiles: writes a standard zip archive of the files that match a pattern.
#pragma once

#include <string>

namespace gd::vfzip {

struct ZipRequest {
  std::string archive;
  std::string pattern;  // a name pattern, optionally after a folder
  bool recurse = true;
  bool replace = true;
  bool compress = true;
};

// Returns VFZIP_OK or a code of vfzip.h, with the reason in why.
int ZipFiles(const ZipRequest& request, std::string& why);

}  // namespace gd::vfzip
