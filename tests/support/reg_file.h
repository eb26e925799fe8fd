// Registry fixtures kept as .reg files (REGEDIT4 text): loaded into the in-memory registry
// for native tests, and imported into the Wine prefix for tests against the real registry.
#pragma once

#include <string>
#include <string_view>

#include "support/memory_registry.h"

namespace gd::test {

// Applies the text of a .reg file: keys in brackets (a leading "-" deletes nothing here and
// is refused), "name"= or @= values as "text", dword:hex, hex:bytes or hex(2):bytes.
// Returns an empty text on success, else the first line it could not read.
std::string LoadRegText(MemoryRegistry& registry, std::string_view text);
std::string LoadRegFile(MemoryRegistry& registry, const std::string& path);

}  // namespace gd::test
