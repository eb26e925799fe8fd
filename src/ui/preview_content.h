// What the Preview window shows of a package: its categories, the icons of one category, the
// formats those icons hold and the format to show them in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "iconfmt/icon_loader.h"
#include "platform/ini.h"

namespace gd {

// The first category: a few well-known icons from several sections.
inline constexpr std::string_view kGeneralIcons = "General Icons";

// One icon of a category: its key in the package file and the icon it names.
struct PreviewEntry {
  std::string key;
  std::string file;
  int index = 0;
};

// "General Icons", then the package's sections in file order without its own information.
std::vector<std::string> PreviewCategories(IniStore& ini, const std::string& packageFile);
// The icons of a category in the order they are read; keys without a value are left out.
std::vector<PreviewEntry> PreviewEntries(IniStore& ini, const std::string& packageFile, std::string_view category);
// Every format text the entries' icons hold, each once (case ignored), in the order first met.
std::vector<std::string> PreviewFormats(const std::vector<PreviewEntry>& entries,
                                        ExecutableIconReader readExecutable = SystemExecutableReader());

// The shell's icon settings that decide the format shown first.
struct ShellIconLook {
  std::string iconSize;  // "Shell Icon Size", "ERROR" when missing
  std::string colorBits;  // "Shell Icon BPP", "ERROR" when missing
};
// The position in `formats` (as the drop list shows them, sorted) of the format to show: the
// one shown before when it is there, else the one nearest the shell's own icons. `formats`
// must not be empty.
std::size_t ChooseFormat(const std::vector<std::string>& formats, std::string_view shownBefore,
                         const ShellIconLook& shell);

}  // namespace gd
