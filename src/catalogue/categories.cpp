// Names of the slot categories.
#include "catalogue/categories.h"

namespace gd {
namespace {

constexpr std::array<std::string_view, kCategoryCount> kSections{
    "Desktop Icons", "Start Icons", "Folder Icons", "Drive Icons",
    "Other Icons",   "File Icons",  "Cursors",      ""};

}  // namespace

std::string_view CategorySection(Category category) { return kSections[Index(category)]; }

}  // namespace gd
