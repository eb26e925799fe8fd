// The icon in every size its file holds, made ready to draw side by side with their sizes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "companions/proptab/item_icon_win32.h"
#include "platform/unique_handle.h"

namespace gd::proptab {

struct IconPreview {
  int width = 0;
  int height = 0;
  UniqueIcon icon;
};

// One preview per size, smallest first, each from the deepest colours held at that size.
// Empty when the icon cannot be read or drawn.
std::vector<IconPreview> LoadPreviews(const IconRef& icon);

// "16 x 16" for one preview; "16 x 16, 32 x 32" for all, or a note that there are none.
std::string SizeLabel(const IconPreview& preview);
std::string PreviewSummary(const std::vector<IconPreview>& previews);

// Draws the previews in rows across `area` with "16 x 16" under each, in the DC's font;
// sizes taller than the area are drawn scaled down and keep their real size in the label.
void DrawPreviews(HDC dc, const RECT& area, const std::vector<IconPreview>& previews);

}  // namespace gd::proptab
