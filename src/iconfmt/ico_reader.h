// Reading .ico and .cur files into the icon model.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "iconfmt/icon_model.h"

namespace gd {

// One unnamed group holding every image of the file in directory order. Nothing when the
// header is refused or any image lies outside the data or has no readable header.
std::optional<IconFile> ReadIcoBytes(std::span<const std::uint8_t> data);
std::optional<IconFile> ReadIcoFile(const std::string& path);

}  // namespace gd
