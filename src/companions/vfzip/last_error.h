// The text that UnZipLastError hands out: one per thread, replaced by every call.
#pragma once

#include <string>

namespace gd::vfzip {

void SetLastErrorText(const std::string& text) noexcept;
const char* LastErrorText() noexcept;

}  // namespace gd::vfzip
