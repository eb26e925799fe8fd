// ParseImage: derives an image's size, depth and bitmap layout from its stored bytes.
#include "iconfmt/icon_model.h"

#include <algorithm>
#include <array>

#include "iconfmt/byte_reader.h"

namespace gd {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(std::span<const std::uint8_t> b) {
  return (static_cast<std::uint32_t>(b[0]) << 24) | (static_cast<std::uint32_t>(b[1]) << 16) |
         (static_cast<std::uint32_t>(b[2]) << 8) | b[3];
}

bool IsPng(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

// Width, height and depth of a PNG stream come from its IHDR chunk, which must come first.
bool ParsePng(IconImage& image) {
  ByteReader reader(image.bytes, kPngSignature.size());
  auto length = reader.Bytes(4);
  bool isHeader = reader.Tag("IHDR");
  auto fields = reader.Bytes(10);
  if (!reader.ok() || !isHeader || BigEndian32(length) != 13) return false;
  std::uint32_t width = BigEndian32(fields.subspan(0, 4));
  std::uint32_t height = BigEndian32(fields.subspan(4, 4));
  // The depth is that of the decoded image, as icon directories give it: forms with alpha
  // decode to 32 bits, RGB to 24, palette and grey images keep their sample bits.
  int sampleBits = fields[8];
  int depth = 0;
  switch (fields[9]) {  // colour type
    case 0: depth = sampleBits > 8 ? 8 : sampleBits; break;  // grey
    case 2: depth = 24; break;                                // RGB
    case 3: depth = sampleBits; break;                        // palette
    case 4: depth = 32; break;                                // grey and alpha
    case 6: depth = 32; break;                                // RGBA
    default: return false;
  }
  if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
  image.encoding = ImageEncoding::Png;
  image.width = static_cast<std::int32_t>(width);
  image.height = static_cast<std::int32_t>(height);
  image.bitDepth = depth;
  image.header = BitmapHeader{};
  image.header.width = image.width;
  image.header.height = static_cast<std::int32_t>(height > 0x3FFFFFFF ? 0x7FFFFFFF : height * 2);
  image.header.planes = 1;
  image.header.bitCount = static_cast<std::uint16_t>(image.bitDepth);
  image.colourCount = 0;
  image.colourTableSize = 0;
  image.xorOffset = image.andOffset = image.xorRowLength = 0;
  return true;
}

std::uint32_t ColourCount(const BitmapHeader& h) {
  if (h.clrUsed != 0) return h.clrUsed;
  switch (h.bitCount) {  // the planes play no part here
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

}  // namespace

bool ParseImage(IconImage& image) {
  if (IsPng(image.bytes)) return ParsePng(image);

  ByteReader reader(image.bytes);
  BitmapHeader h;
  h.size = reader.U32();
  h.width = reader.I32();
  h.height = reader.I32();
  h.planes = reader.U16();
  h.bitCount = reader.U16();
  h.compression = reader.U32();
  h.sizeImage = reader.U32();
  h.xPelsPerMeter = reader.I32();
  h.yPelsPerMeter = reader.I32();
  h.clrUsed = reader.U32();
  h.clrImportant = reader.U32();
  if (!reader.ok() || h.size < kBitmapHeaderSize || h.size > image.bytes.size()) return false;

  image.encoding = ImageEncoding::Bitmap;
  image.header = h;
  image.width = h.width;
  image.height = h.height / 2;
  // Two 16-bit words multiply past 31 bits only in hostile headers; keep those in range.
  std::uint32_t depth = static_cast<std::uint32_t>(h.bitCount) * h.planes;
  image.bitDepth = depth > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<std::int32_t>(depth);
  image.colourCount = ColourCount(h);
  // A huge colour count only makes the table run past the image; keep the size in 32 bits.
  std::uint64_t tableSize = h.compression == kBiBitfields ? 12 : 4ull * image.colourCount;
  image.colourTableSize = static_cast<std::uint32_t>(tableSize > 0xFFFFFFFFull ? 0xFFFFFFFFull : tableSize);
  image.xorOffset = h.size + tableSize;
  // Rows are padded to 4 bytes. Widths of 0 or less give empty rows.
  std::uint64_t bitsPerRow = h.width > 0 ? static_cast<std::uint64_t>(image.bitDepth) * static_cast<std::uint64_t>(h.width) : 0;
  image.xorRowLength = ((bitsPerRow + 31) >> 3) & ~std::uint64_t{3};
  std::uint64_t rows = image.height > 0 ? static_cast<std::uint64_t>(image.height) : 0;
  // Row lengths beyond the image cannot describe it; cap them so the product cannot overflow.
  std::uint64_t rowLength = image.xorRowLength > image.bytes.size() ? image.bytes.size() + 1ull : image.xorRowLength;
  image.andOffset = image.xorOffset + rowLength * rows;
  return true;
}

std::optional<IconImage> MakeImage(std::span<const std::uint8_t> bytes) {
  IconImage image;
  image.bytes.assign(bytes.begin(), bytes.end());
  if (!ParseImage(image)) return std::nullopt;
  return image;
}

std::uint64_t IconImage::MaskRowLength() const {
  std::uint64_t w = width > 0 ? static_cast<std::uint64_t>(width) : 0;
  return ((w + 31) >> 3) & ~std::uint64_t{3};
}

namespace {
std::span<const std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::uint64_t offset,
                                    std::uint64_t rowLength, std::int32_t rows) {
  if (rows <= 0 || rowLength > bytes.size()) return {};
  std::uint64_t length = rowLength * static_cast<std::uint64_t>(rows);
  if (offset > bytes.size() || length > bytes.size() - offset) return {};
  return std::span<const std::uint8_t>(bytes).subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}
}  // namespace

std::span<const std::uint8_t> IconImage::XorBits() const {
  if (encoding != ImageEncoding::Bitmap) return {};
  return Slice(bytes, xorOffset, xorRowLength, height);
}

std::span<const std::uint8_t> IconImage::AndMask() const {
  if (encoding != ImageEncoding::Bitmap) return {};
  return Slice(bytes, andOffset, MaskRowLength(), height);
}

std::span<const std::uint8_t> IconImage::ColourTable() const {
  if (encoding != ImageEncoding::Bitmap || colourTableSize == 0) return {};
  return Slice(bytes, header.size, colourTableSize, 1);
}

const IconImage* FindImage(const IconGroup& group, std::int32_t width, std::int32_t height,
                           std::int32_t bitDepth) {
  for (const IconImage& image : group.images) {
    if (image.width == width && image.height == height && image.bitDepth == bitDepth) return &image;
  }
  return nullptr;
}

}  // namespace gd
