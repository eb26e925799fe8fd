// File existence and the file search that plugin and package lookups share.
#pragma once

#include <string>

#include "platform/registry.h"

namespace gd {

// True when a search for exactly this path finds an entry (file or folder).
bool FileExists(const std::string& path);

// Puts every file under `folder` matching `pattern` at the front of `out` and adds their
// number to `count`; `folder` gets a final backslash if it had none.
void FindFiles(std::string& folder, const std::string& pattern, bool recurse, TextList& out,
               int& count);

}  // namespace gd
