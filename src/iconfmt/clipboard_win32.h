// Putting one icon image on the clipboard as a device-independent bitmap.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "iconfmt/icon_model.h"

namespace gd {

// The CF_DIB bytes of a bitmap image: its bytes with biHeight halved to the colour bitmap and
// every transparent black pixel turned into magenta (in paletted images the nearest palette
// colour). Nothing for PNG images, images too short for their bitmaps, and bitmaps the system
// cannot make.
std::optional<std::vector<std::uint8_t>> RenderClipboardImage(const IconImage& image);

// Puts one image on the clipboard as RenderClipboardImage makes it. False when it cannot be
// rendered or the clipboard is not available.
bool CopyImageToClipboard(HWND owner, const IconImage& image);

// Copies the first image of this format of the icon at index of path, or its first image when
// no image matches. False when the icon cannot be loaded or has no image, the image cannot be
// rendered, or the clipboard is not available.
bool CopyImageToClipboard(HWND owner, const std::string& path, int index, std::int32_t width, std::int32_t height,
                          std::int32_t bitDepth);

}  // namespace gd
