// UnZipFiles: checks an untrusted archive entry by entry, then extracts the matching files.
#pragma once

#include <string>

namespace gd::vfzip {

struct UnzipRequest {
  std::string destination;
  std::string archive;
  std::string pattern;
  bool flatten = false;
  bool overwrite = true;
  bool create_destination = true;
};

// Returns VFZIP_OK or a code of vfzip.h, with the reason in why.
int UnzipFiles(const UnzipRequest& request, std::string& why);

}  // namespace gd::vfzip
