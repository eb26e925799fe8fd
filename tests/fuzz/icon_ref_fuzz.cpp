// Fuzzes icon references ("file,index") and path texts: numbers read as the C library reads
// them, references that go back and forth whole, variables that keep the rest of the path.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/path_text.h"

namespace {

const gd::PathContext kContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", gd::Os::WindowsXp};

// atoi's reading of the text, held to the range of int: strtoll saturates, so clamping it
// gives what LeadingNumber must give.
int LibraryNumber(std::string_view text) {
  const std::string terminated(text);
  const long long value = std::strtoll(terminated.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool Expands(std::string_view path) {
  return path.starts_with('"') || path.starts_with("%SystemRoot%") || path.starts_with("%ProgramFiles%");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  GD_FUZZ_CHECK(gd::LeadingNumber(input) == LibraryNumber(input));
  const std::size_t comma = input.rfind(',');
  if (comma != std::string_view::npos) {
    GD_FUZZ_CHECK(gd::LeadingNumber(input.substr(comma + 1)) == LibraryNumber(input.substr(comma + 1)));
  }

  // A reference split and made again splits into the same path and index.
  std::string path(input);
  const int index = gd::ParseIconRef(path, "", kContext);
  if (!Expands(path)) {
    std::string again = gd::MakeIconRef(path, index);
    GD_FUZZ_CHECK(gd::ParseIconRef(again, "", kContext) == index && again == path);
  }
  // A plain path keeps its commas: only the last one, the one MakeIconRef adds, is split off.
  if (!Expands(input)) {
    std::string made = gd::MakeIconRef(input, index);
    GD_FUZZ_CHECK(gd::ParseIconRef(made, "", kContext) == index && made == input);
  }

  // Expansion replaces at most the variable at the start and keeps whatever follows it.
  const std::string expanded = gd::ExpandCatalogueVariables(input, kContext);
  GD_FUZZ_CHECK(input.starts_with('%') || expanded == input);
  GD_FUZZ_CHECK(expanded.ends_with(input.substr(std::min<std::size_t>(input.size(), 14))));

  // The parts of a path fit their buffers, and a path short enough for every buffer is its parts.
  const gd::PathParts parts = gd::SplitPath(input);
  GD_FUZZ_CHECK(parts.drive.size() <= 2 && parts.folder.size() <= 255 && parts.title.size() <= 255 &&
                parts.extension.size() <= 255);
  if (size < 256) {
    GD_FUZZ_CHECK(parts.drive + parts.folder + parts.title + parts.extension == input);
    GD_FUZZ_CHECK(gd::FolderOf(input) + gd::FileName(input) == input);
  }
  return 0;
}
