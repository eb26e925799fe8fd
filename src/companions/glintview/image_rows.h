// The texts of one group's images as the image list shows them, and the image that stands
// for the group in the grid.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "iconfmt/icon_model.h"

namespace gd::glintview {

struct ImageRow {
  std::string number;  // from 1, in the group's order
  std::string format;  // size and colours as the icon library words them
  std::string stored;  // how the image is kept: bitmap or PNG and its bytes, and for the steps
                       // of an animation how long each shows
};

// The rows of a group in its order; `animation` when its images are an animation's steps.
std::vector<ImageRow> ImageRows(const IconGroup& group, bool animation);

// The image nearest to `size` pixels square, the deepest of equals; none when no image has bytes.
std::optional<std::size_t> GridImage(const IconGroup& group, std::int32_t size);

}  // namespace gd::glintview
