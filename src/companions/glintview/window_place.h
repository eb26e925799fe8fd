// Where the user left the browser's window, kept in the registry between runs.
#pragma once

#include <optional>

#include "platform/registry.h"

namespace gd::glintview {

inline constexpr char kPlaceKey[] = "Software\\Quillmoor\\Glimmerdeck\\Glintview";

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The place kept last time; nothing unless all four values are decimal numbers and the size
// is not empty.
std::optional<WindowPlace> ReadWindowPlace(Registry& registry);
void WriteWindowPlace(Registry& registry, const WindowPlace& place);

}  // namespace gd::glintview
