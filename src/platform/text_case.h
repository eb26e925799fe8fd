// Case-insensitive comparison of single-byte Windows (code page 1252) texts, as the platform
// compares file names and keywords.
#pragma once

#include <string>
#include <string_view>

namespace gd {

char FoldCase(char c);
std::string FoldCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

}  // namespace gd
