// Reading animated cursors (.ani, RIFF form "ACON") into one group of animation steps.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "iconfmt/icon_model.h"

namespace gd {

// One unnamed group with one image per step: the bytes of the first image of the frame that
// the step shows, its display rate and (with a sequence) its frame number. Steps whose frame
// does not exist keep no bytes.
std::optional<IconFile> ReadAniBytes(std::span<const std::uint8_t> data);
std::optional<IconFile> ReadAniFile(const std::string& path);

}  // namespace gd
