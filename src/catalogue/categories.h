// The eight slot categories: their order and package section names.
#pragma once

#include <string_view>

namespace gd {

inline constexpr int kCategoryCount = 8;
inline constexpr int kPackageCategoryCount = 7;  // Quick Launch is never in a package

namespace category {
inline constexpr int kDesktop = 0;
inline constexpr int kStart = 1;
inline constexpr int kFolders = 2;
inline constexpr int kDrives = 3;
inline constexpr int kOthers = 4;
inline constexpr int kFiles = 5;
inline constexpr int kCursors = 6;
inline constexpr int kQuickLaunch = 7;
}  // namespace category

// The package file section of categories 0 to 6; empty for Quick Launch.
std::string_view CategorySection(int category);

}  // namespace gd
