// Describing a group's images for the image list and choosing the grid's picture.
#include "glintview/image_rows.h"

#include <cstdlib>

#include "iconfmt/descriptions.h"

namespace gd::glintview {
namespace {

// A step of an animated cursor whose frame is missing has no bytes.
std::string Stored(const IconImage& image, bool animation) {
  if (image.bytes.empty()) return "no image: its frame is missing";
  std::string text = (image.encoding == ImageEncoding::Png ? "PNG, " : "bitmap, ") + std::to_string(image.size()) + " bytes";
  // Steps show for a number of jiffies, sixtieths of a second.
  if (animation) text += "; shows " + std::to_string(image.displayRate) + "/60 s";
  return text;
}

}  // namespace

std::vector<ImageRow> ImageRows(const IconGroup& group, bool animation) {
  std::vector<ImageRow> rows;
  rows.reserve(group.images.size());
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    const IconImage& image = group.images[i];
    rows.push_back({std::to_string(i + 1), image.bytes.empty() ? std::string("-") : FormatText(image), Stored(image, animation)});
  }
  return rows;
}

std::optional<std::size_t> GridImage(const IconGroup& group, std::int32_t size) {
  std::optional<std::size_t> best;
  auto distance = [size](const IconImage& image) { return std::abs(image.width - size) + std::abs(image.height - size); };
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    const IconImage& image = group.images[i];
    if (image.bytes.empty()) continue;
    if (!best) {
      best = i;
      continue;
    }
    const IconImage& chosen = group.images[*best];
    const int nearer = distance(chosen) - distance(image);
    if (nearer > 0 || (nearer == 0 && image.bitDepth > chosen.bitDepth)) best = i;
  }
  return best;
}

}  // namespace gd::glintview
