// Format texts of icon images and their parsing.
#include "iconfmt/descriptions.h"

#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

struct DepthEnding {
  const char* ending;
  std::int32_t bitDepth;
};

// The endings read back, from the comma on. The 15-bit name has no ending of its own.
constexpr DepthEnding kEndings[] = {
    {",   2 Colors", 1},
    {",  16 Colors", 4},
    {",  256 Colors", 8},
    {",  True Colors (16-bit)", 16},
    {",  True Colors (24-bit)", 24},
    {",  Windows XP", 32},
};

}  // namespace

std::string ColourDepthName(std::int32_t bitDepth) {
  switch (bitDepth) {
    case 1: return " 2 colors";
    case 4: return "16 colors";
    case 8: return "256 colors";
    case 15: return "True colors (15-bit)";
    case 16: return "True colors (16-bit)";
    case 24: return "True colors (24-bit)";
    case 32: return "Windows XP";
    default: return "Unknown Colors";
  }
}

std::string FormatText(const ImageFormat& format) {
  return std::to_string(format.width) + " x " + std::to_string(format.height) + ",  " +
         ColourDepthName(format.bitDepth);
}

std::string FormatText(const IconImage& image) {
  return FormatText(ImageFormat{image.width, image.height, image.bitDepth});
}

std::optional<std::vector<std::string>> DescribeImages(const std::string& path, int index,
                                                       ExecutableIconReader readExecutable) {
  auto file = LoadIcon(path, index, readExecutable);
  if (!file || file->groups.empty()) return std::nullopt;
  const auto& images = file->groups.front().images;
  std::vector<std::string> list;
  for (auto image = images.rbegin(); image != images.rend(); ++image) list.push_back(FormatText(*image));
  return list;
}

bool ParseFormatText(std::string_view text, ImageFormat& format) {
  std::size_t cross = text.find(" x ");
  if (cross == std::string_view::npos) return false;
  format.width = LeadingNumber(text.substr(0, cross));
  std::string_view rest = text.substr(cross + 3);
  format.height = LeadingNumber(rest);
  std::size_t comma = rest.find(",  ");
  if (comma == std::string_view::npos) return true;
  std::string_view ending = rest.substr(comma);
  for (const DepthEnding& known : kEndings) {
    if (EqualsIgnoreCase(ending, known.ending)) {
      format.bitDepth = known.bitDepth;
      break;
    }
  }
  return true;
}

}  // namespace gd
