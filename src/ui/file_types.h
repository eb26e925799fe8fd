// The file types the Add File Format dialog offers and the rules for adding one: every
// extension registered with a class, a new extension the user makes up, and the types that
// are refused or already listed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/slot_catalogue.h"
#include "platform/ini.h"
#include "platform/registry.h"

namespace gd {

// One row of the list: the extension in capitals without its dot, the type's name, and the
// icon the type shows (none: the generic document icon).
struct FileTypeRow {
  std::string extension;
  std::string typeName;
  std::optional<std::string> iconFile;
  int iconIndex = 0;
};

// Every subkey of HKEY_CLASSES_ROOT that starts with "." and names a class.
std::vector<FileTypeRow> ListFileTypes(Registry& registry, std::string_view windowsDir);

// A new extension as typed: its message when refused, else the row to add (no dot, capitals).
struct NewExtension {
  std::optional<std::string> refusal;
  FileTypeRow row;
};
NewExtension MakeNewExtension(std::string_view extension, std::string_view description);

// The row for a dropped file's extension (everything after the first dot of its name, as
// spelled there); none when the name has no dot.
std::optional<FileTypeRow> DroppedFileType(std::string_view path);

// Adding ".<extension>": refused for the types the shell draws from the file itself or that the
// program must leave alone, and for types listed already; else "file icons.ini" lists it and
// "File Type" names it.
enum class AddRefusal { None, Protected, AlreadyListed };
AddRefusal AddFileType(std::string_view extension, SlotCatalogue& catalogue);
inline constexpr const char* kProtectedType =
    "You cannot change the icon for this file type. Please select another and try again.";
inline constexpr const char* kTypeListed = "File extension already exists, please select another.";

}  // namespace gd
