// Making a system icon from the image of one format.
#pragma once

#include <cstdint>
#include <string>

#include "iconfmt/icon_model.h"
#include "platform/unique_handle.h"

namespace gd {

// A system icon from one image's bytes, at the image's own size. None when the system cannot
// make one (for instance from a PNG image on systems that cannot draw them).
UniqueIcon CreateIconFromImage(const IconImage& image);

// The icon at index of path in the first image of exactly this width, height and bit depth;
// none when the icon cannot be loaded or no image matches.
UniqueIcon CreateIconForFormat(const std::string& path, int index, std::int32_t width, std::int32_t height,
                               std::int32_t bitDepth);

}  // namespace gd
