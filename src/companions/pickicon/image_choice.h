// Which image of an icon group stands for the whole group in the picker's list.
#pragma once

#include <cstdint>

#include "iconfmt/icon_model.h"

namespace gd::pickicon {

// The image that draws best at size x size: that size exactly if the group has it, else the
// nearest larger one (shrinking loses less than stretching), else the largest; among equal
// sizes the deepest colour, and among equals the first (an animation's first frame). None
// when no image holds any bytes.
const IconImage* ChooseImage(const IconGroup& group, std::int32_t size);

}  // namespace gd::pickicon
