// Converts names between the archive's UTF-8 and the process's ANSI code page.
#pragma once

#include <string>

namespace gd::vfzip {

// False when the text is not valid UTF-8 or holds a character that the ANSI code page cannot
// show exactly. Look-alike substitutes are refused, never used: a full-width dot must not
// become a real one.
bool Utf8ToAnsi(const std::string& utf8, std::string& ansi);

// False when the text is not valid in the ANSI code page.
bool AnsiToUtf8(const std::string& ansi, std::string& utf8);

}  // namespace gd::vfzip
