// The in-memory icon model that every icon reader fills and every icon writer consumes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gd {

// The BITMAPINFOHEADER fields at the start of a bitmap image, as stored.
struct BitmapHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // colour bitmap and mask together
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

inline constexpr std::uint32_t kBitmapHeaderSize = 40;
inline constexpr std::uint32_t kBiBitfields = 3;

// Modern icons keep their large images as PNG streams rather than bitmaps.
enum class ImageEncoding { Bitmap, Png };

// One image (one size and colour depth) of an icon or cursor. The bytes are kept exactly as
// stored; everything else is derived from them by ParseImage.
struct IconImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitDepth = 0;
  std::vector<std::uint8_t> bytes;

  ImageEncoding encoding = ImageEncoding::Bitmap;
  // For PNG images a header that describes them to the writers: planes 1, bit count = depth.
  BitmapHeader header;
  std::uint32_t colourCount = 0;      // entries of the colour table
  std::uint32_t colourTableSize = 0;  // bytes
  std::uint64_t xorOffset = 0;        // offsets into bytes; may lie past the end of a short image
  std::uint64_t xorRowLength = 0;
  std::uint64_t andOffset = 0;

  std::int32_t displayRate = 0;    // animated cursors: jiffies this step shows
  std::int32_t sequenceIndex = 0;  // animated cursors: the frame this step shows

  std::uint32_t size() const { return static_cast<std::uint32_t>(bytes.size()); }
  std::uint64_t MaskRowLength() const;
  // The colour bitmap and the AND mask, or empty when the image is too short to hold them.
  std::span<const std::uint8_t> XorBits() const;
  std::span<const std::uint8_t> AndMask() const;
  std::span<const std::uint8_t> ColourTable() const;
};

// One icon, cursor or animated-cursor sequence.
struct IconGroup {
  std::string name;  // at most kMaxGroupName characters; empty unless a reader or caller names it
  std::vector<IconImage> images;
};

inline constexpr std::size_t kMaxGroupName = 255;

// One loaded icon source.
struct IconFile {
  std::vector<IconGroup> groups;
  // Executables only: the icon-group resource names in enumeration order ("#%d" for ids).
  std::vector<std::string> resourceNames;
};

// Fills the derived fields of an image from its bytes. False when the bytes hold neither a
// bitmap header that fits inside them nor a PNG stream with its IHDR chunk.
bool ParseImage(IconImage& image);

// Builds an image from bytes and parses it.
std::optional<IconImage> MakeImage(std::span<const std::uint8_t> bytes);

// The first image whose width, height and bit depth all equal the wanted ones.
const IconImage* FindImage(const IconGroup& group, std::int32_t width, std::int32_t height,
                           std::int32_t bitDepth);

// A cap on the image bytes that one load may hold, so that directories whose entries all name
// the same large span (or animations that copy frames many times) cannot exhaust memory.
class LoadBudget {
 public:
  static constexpr std::uint64_t kDefaultBytes = 256ull << 20;
  explicit LoadBudget(std::uint64_t bytes = kDefaultBytes) : left_(bytes) {}
  bool Take(std::uint64_t bytes) {
    if (bytes > left_) return false;
    left_ -= bytes;
    return true;
  }

 private:
  std::uint64_t left_;
};

}  // namespace gd
