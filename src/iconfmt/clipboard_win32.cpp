// Clipboard copies of icon images, with transparent black pixels keyed to magenta.
#include "iconfmt/clipboard_win32.h"

#include <cstring>

#include "iconfmt/icon_loader.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);

void StoreHeight(std::vector<std::uint8_t>& bytes, std::int32_t height) {
  auto value = static_cast<std::uint32_t>(height);
  for (int i = 0; i < 4; ++i) bytes[8 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool MaskBit(std::span<const std::uint8_t> mask, std::uint64_t rowLength, std::int32_t x, std::int32_t row) {
  std::uint64_t at = rowLength * static_cast<std::uint64_t>(row) + static_cast<std::uint64_t>(x) / 8;
  return (mask[static_cast<std::size_t>(at)] & (0x80 >> (x % 8))) != 0;
}

class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> RenderClipboardImage(const IconImage& image) {
  auto colours = image.XorBits();
  auto mask = image.AndMask();
  if (image.encoding != ImageEncoding::Bitmap || colours.empty() || mask.empty()) return std::nullopt;

  // The section is made from a plain 40-byte header describing the colour bitmap alone, and
  // the image's own colour table.
  auto table = image.ColourTable();
  if (table.size() != image.colourTableSize) return std::nullopt;
  BITMAPINFOHEADER header{};
  header.biSize = kBitmapHeaderSize;
  header.biWidth = image.width;
  header.biHeight = image.height;
  header.biPlanes = image.header.planes;
  header.biBitCount = image.header.bitCount;
  header.biCompression = image.header.compression;
  header.biClrUsed = image.header.clrUsed;
  header.biClrImportant = image.header.clrImportant;
  std::vector<std::uint8_t> info(sizeof header + table.size());
  std::memcpy(info.data(), &header, sizeof header);
  std::memcpy(info.data() + sizeof header, table.data(), table.size());

  UniqueScreenDc screen(GetDC(nullptr));
  if (!screen) return std::nullopt;
  void* bits = nullptr;
  UniqueGdiObject section(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                           &bits, nullptr, 0));
  if (!section || !bits) return std::nullopt;
  std::memcpy(bits, colours.data(), colours.size());
  UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  if (!dc) return std::nullopt;
  HGDIOBJ previous = SelectObject(dc.get(), section.get());

  const std::uint64_t maskRow = image.MaskRowLength();
  for (std::int32_t x = 0; x < image.width; ++x) {
    for (std::int32_t y = 0; y < image.height; ++y) {
      // Device rows run top-down, the mask's rows bottom-up.
      bool transparent = MaskBit(mask, maskRow, x, image.height - 1 - y);
      if (transparent && GetPixel(dc.get(), x, y) == RGB(0, 0, 0)) SetPixelV(dc.get(), x, y, kKeyColour);
    }
  }
  GdiFlush();
  SelectObject(dc.get(), previous);

  std::vector<std::uint8_t> result = image.bytes;
  std::memcpy(result.data() + static_cast<std::size_t>(image.xorOffset), bits, colours.size());
  StoreHeight(result, image.height);
  return result;
}

bool CopyImageToClipboard(HWND owner, const IconImage& image) {
  auto dib = RenderClipboardImage(image);
  if (!dib) return false;

  ClipboardSession clipboard(owner);
  if (!clipboard.open() || !EmptyClipboard()) return false;
  UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, dib->size()));
  if (!memory) return false;
  void* target = GlobalLock(memory.get());
  if (!target) return false;
  std::memcpy(target, dib->data(), dib->size());
  GlobalUnlock(memory.get());
  if (!SetClipboardData(CF_DIB, memory.get())) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

bool CopyImageToClipboard(HWND owner, const std::string& path, int index, std::int32_t width, std::int32_t height,
                          std::int32_t bitDepth) {
  auto file = LoadIcon(path, index);
  if (!file || file->groups.empty() || file->groups.front().images.empty()) return false;
  const IconGroup& group = file->groups.front();
  const IconImage* image = FindImage(group, width, height, bitDepth);
  return CopyImageToClipboard(owner, image ? *image : group.images.front());
}

}  // namespace gd
