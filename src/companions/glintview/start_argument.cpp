// Reading the start argument with the program's own icon reference rules.
#include "glintview/start_argument.h"

#include "platform/path_text.h"

namespace gd::glintview {

std::optional<IconRef> ParseStartArgument(std::string_view commandTail) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = commandTail.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t last = commandTail.find_last_not_of(kBlanks);
  IconRef ref{std::string(commandTail.substr(first, last - first + 1)), 0};
  ref.index = ParseIconRef(ref.path, "", PathContext{});
  if (ref.path.empty()) return std::nullopt;
  return ref;
}

}  // namespace gd::glintview
