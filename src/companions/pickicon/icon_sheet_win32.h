// One file's icons made ready for the picker's list: an image list built once per file.
#pragma once

#include <string>
#include <vector>

#include "ui/image_list_win32.h"

namespace gd::pickicon {

// Why a file shows no icons.
enum class SheetProblem { None, NoPath, TooLong, NotFound, Unreadable, NoIcons };

struct IconSheet {
  UniqueImageList images;
  // The image of every group, in the file's order; I_IMAGENONE where none could be made.
  std::vector<int> imageOf;
  SheetProblem problem = SheetProblem::None;
};

// Every icon group of the file that `typed` names (environment variables are expanded, a bare
// name is looked for as the system loader does), drawn at size x size. Files whose name does
// not fit the caller's path buffer are refused before anything is read.
IconSheet LoadIconSheet(const std::string& typed, int size);

}  // namespace gd::pickicon
