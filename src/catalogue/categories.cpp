// Names of the slot categories.
#include "catalogue/categories.h"

#include <array>

namespace gd {
namespace {

constexpr std::array<std::string_view, kCategoryCount> kSections{
    "Desktop Icons", "Start Icons", "Folder Icons", "Drive Icons",
    "Other Icons",   "File Icons",  "Cursors",      ""};

bool Valid(int category) { return category >= 0 && category < kCategoryCount; }

}  // namespace

std::string_view CategorySection(int category) {
  return Valid(category) ? kSections[static_cast<std::size_t>(category)] : std::string_view{};
}

}  // namespace gd
