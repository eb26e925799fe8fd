// The names given to icon groups when they are listed and when they go into a library.
#pragma once

#include <cstddef>
#include <string>

namespace gd {

// Group n (from 1) of count groups listed from a file: the title, a dot and n padded with
// zeros to the digits of count ("Pack.01" to "Pack.12"). At most 255 characters.
std::string ListedGroupName(const std::string& title, std::size_t n, std::size_t count);

// Group n (from 1) of a library built from referenceCount references: "Pack 1" for fewer than
// 10 or 100 and more references; for 10 to 99, "Pack 001" to "Pack 009", then "Pack 010" on.
std::string LibraryGroupName(const std::string& title, std::size_t n, std::size_t referenceCount);

}  // namespace gd
