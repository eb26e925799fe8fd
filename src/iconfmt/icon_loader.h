// Loading icons by path: the reader is chosen by the file's extension.
#pragma once

#include <optional>
#include <string>

#include "iconfmt/icon_model.h"

// <windows.h> maps LoadIcon to the system's LoadIconA; the program is ANSI throughout, so code
// that wants the system function names LoadIconA, and LoadIcon stays this loader's name.
// Include <windows.h> before this header.
#ifdef LoadIcon
#undef LoadIcon
#endif

namespace gd {

// Reads all icon groups (index -1) or one group of a 32-bit executable through the system
// loader. The portable build has none; Windows builds use ReadExecutableIcons.
using ExecutableIconReader = std::optional<IconFile> (*)(const std::string& path, int index);
ExecutableIconReader SystemExecutableReader();

// One icon group (index from 0) or all (index -1). ".ico" paths go to the icon reader, whose
// index is not used; anything else to the executable reader, then to the NE library reader
// without names. Cursors and animated cursors are not read here.
std::optional<IconFile> LoadIcon(const std::string& path, int index,
                                 ExecutableIconReader readExecutable = SystemExecutableReader());

// Every group of an icon, cursor, animated cursor, executable or library, named for listing.
// Names stored in a library are kept unless browserNames (the user's "Browser Names" setting
// is 1); every other group is named from the file title and its number.
std::optional<IconFile> LoadAllIcons(const std::string& path, bool browserNames,
                                     ExecutableIconReader readExecutable = SystemExecutableReader());

// Writes the icon at index of sourcePath as an .ico file at destinationPath. Icon, cursor and
// animated-cursor sources are copied unchanged (nothing happens when both paths are the same).
bool ConvertToIconFile(const std::string& sourcePath, int index, const std::string& destinationPath,
                       ExecutableIconReader readExecutable = SystemExecutableReader());

}  // namespace gd
