// The Icons & Cursors page's decisions that need no window: its tab names, the status line of
// a slot, the restore menu's words, which changes need the icon cache rebuilt, and which
// dropped files a tab takes.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue/categories.h"
#include "catalogue/icon_slot.h"
#include "platform/os_version.h"

namespace gd {

inline constexpr std::array<std::string_view, kCategoryCount> kTabNames{
    "Desktop", "Start", "Folders", "Drives", "Others", "Files", "Cursors", "Quick Launch"};

// The status line for the selected slot, none for an empty list; a "File Name: " line still
// to be shortened to the line's width.
std::string SlotStatusText(const IconSlot* slot, Category category, bool localUpdate);
inline constexpr std::string_view kFileNamePrefix = "File Name: ";

// The NT shells keep these icons in their cache: changing them asks for a rebuild.
bool ChangeNeedsCacheRebuild(Os os, Category category);

// The restore menu's second and third items on a tab.
struct RestoreMenuTexts {
  std::string current;
  std::string all;
};
RestoreMenuTexts RestoreTexts(Category category);

// Whether a tab takes a dropped file that holds `iconCount` icons.
enum class DropRefusal { None, NoIcons, NotACursor };
DropRefusal CheckDroppedFile(Category category, std::string_view file, int iconCount);
inline constexpr const char* kNoIconsFound = "No icons found in \"%s\".";
inline constexpr const char* kInvalidCursorFile = "Invalid cursor file.";
inline constexpr const char* kFileNameTooLong =
    "The name of this file is too long to be used for an icon (Windows takes at most 259 "
    "characters):\n\n%s";

}  // namespace gd
