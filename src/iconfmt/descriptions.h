// Format texts: naming an image's size and colour depth, and reading such a text back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "iconfmt/icon_loader.h"

namespace gd {

struct ImageFormat {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitDepth = 0;
};

std::string ColourDepthName(std::int32_t bitDepth);

// "%d x %d,  %s": width, height and the colour-depth name.
std::string FormatText(const ImageFormat& format);
std::string FormatText(const IconImage& image);

// The format texts of one icon's images, last image first (each is added at the list's head).
std::optional<std::vector<std::string>> DescribeImages(const std::string& path, int index,
                                                       ExecutableIconReader readExecutable = SystemExecutableReader());

// Width and height from the text, and the bit depth from its ending when the ending is one
// of the known ones; an unknown ending leaves format.bitDepth as it was. False when the text
// has no " x ".
bool ParseFormatText(std::string_view text, ImageFormat& format);

}  // namespace gd
