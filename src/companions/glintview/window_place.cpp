// The window's place as four decimal texts: "Left", "Top", "Width" and "Height".
#include "glintview/window_place.h"

#include <charconv>
#include <string>

namespace gd::glintview {
namespace {

std::optional<int> ReadNumber(Registry& registry, const char* name) {
  const std::string text = registry.ReadText(RegRoot::CurrentUser, kPlaceKey, name);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowPlace> ReadWindowPlace(Registry& registry) {
  const auto left = ReadNumber(registry, "Left");
  const auto top = ReadNumber(registry, "Top");
  const auto width = ReadNumber(registry, "Width");
  const auto height = ReadNumber(registry, "Height");
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
  return WindowPlace{*left, *top, *width, *height};
}

void WriteWindowPlace(Registry& registry, const WindowPlace& place) {
  registry.WriteRegString(RegRoot::CurrentUser, kPlaceKey, "Left", std::to_string(place.left));
  registry.WriteRegString(RegRoot::CurrentUser, kPlaceKey, "Top", std::to_string(place.top));
  registry.WriteRegString(RegRoot::CurrentUser, kPlaceKey, "Width", std::to_string(place.width));
  registry.WriteRegString(RegRoot::CurrentUser, kPlaceKey, "Height", std::to_string(place.height));
}

}  // namespace gd::glintview
