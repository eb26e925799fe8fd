// The eight slot categories: their order and package section names.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace gd {

// In the order of the pages' tabs and of a package's sections.
enum class Category : int {
  Desktop,
  Start,
  Folders,
  Drives,
  Others,
  Files,
  Cursors,
  QuickLaunch,  // never in a package
};

inline constexpr int kCategoryCount = 8;
inline constexpr int kPackageCategoryCount = 7;

inline constexpr std::array<Category, kCategoryCount> kAllCategories{
    Category::Desktop, Category::Start,  Category::Folders, Category::Drives,
    Category::Others,  Category::Files,  Category::Cursors, Category::QuickLaunch};
// The categories a package holds: all but Quick Launch.
inline constexpr std::array<Category, kPackageCategoryCount> kPackageCategories{
    Category::Desktop, Category::Start,  Category::Folders, Category::Drives,
    Category::Others,  Category::Files,  Category::Cursors};

// The position of a category in per-category tables.
constexpr std::size_t Index(Category category) { return static_cast<std::size_t>(category); }

// The package file section of a category; empty for Quick Launch.
std::string_view CategorySection(Category category);

}  // namespace gd
