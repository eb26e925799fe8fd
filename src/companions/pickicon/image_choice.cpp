// Choosing the image of a group to show in the picker's list.
#include "companions/pickicon/image_choice.h"

#include <algorithm>
#include <tuple>

namespace gd::pickicon {
namespace {

// Orders images by how well they draw at the size: lower is better.
std::tuple<int, std::int64_t, std::int32_t> Rank(const IconImage& image, std::int32_t size) {
  const std::int32_t side = std::max(image.width, image.height);
  if (side == size) return {0, 0, -image.bitDepth};
  if (side > size) return {1, side, -image.bitDepth};
  return {2, -static_cast<std::int64_t>(side), -image.bitDepth};
}

}  // namespace

const IconImage* ChooseImage(const IconGroup& group, std::int32_t size) {
  const IconImage* best = nullptr;
  for (const IconImage& image : group.images) {
    if (image.bytes.empty()) continue;
    if (best == nullptr || Rank(image, size) < Rank(*best, size)) best = &image;
  }
  return best;
}

}  // namespace gd::pickicon
