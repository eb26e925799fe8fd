// Decides whether a name from an untrusted archive can be written under a destination folder
// on Windows, and turns it into a relative Windows path when it can.
#pragma once

#include <string>
#include <string_view>

namespace gd::vfzip {

struct EntryName {
  int code = 0;           // VFZIP_OK, or the refusal code of vfzip.h
  std::string reason;     // why it was refused, as the end of a sentence
  std::string path;       // relative path with "\" between folders, no "." parts
  bool is_folder = false; // the name ended in a separator
};

// name is ANSI text with "/" or "\" between folders, as stored in the archive.
EntryName CheckEntryName(std::string_view name);

// True when one name part (no separators) is a Windows device such as "CON" or "lpt1.txt".
bool IsDeviceName(std::string_view part);

}  // namespace gd::vfzip
