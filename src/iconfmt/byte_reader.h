// Bounds-checked little-endian reading of file bytes: every read checks offset and length first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gd {

// A cursor over a byte span. A read that would leave the span yields zeros and makes the
// reader fail for good, so a parser may read a whole structure and test ok() once at the end.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data, std::uint64_t position = 0) noexcept
      : data_(data), position_(position) {
    if (position > data.size()) ok_ = false;
  }

  bool ok() const noexcept { return ok_; }
  std::uint64_t position() const noexcept { return position_; }

  // True when length bytes from offset lie inside the data; no overflow for any inputs.
  bool Contains(std::uint64_t offset, std::uint64_t length) const noexcept {
    return offset <= data_.size() && length <= data_.size() - offset;
  }

  void Seek(std::uint64_t offset) noexcept {
    if (!ok_ || offset > data_.size()) {
      ok_ = false;
      return;
    }
    position_ = offset;
  }
  void Skip(std::uint64_t length) noexcept {
    if (!ok_ || !Contains(position_, length)) {
      ok_ = false;
      return;
    }
    position_ += length;
  }

  std::uint8_t U8() noexcept {
    auto bytes = Take(1);
    return bytes.empty() ? 0 : bytes[0];
  }
  std::uint16_t U16() noexcept {
    auto b = Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::uint32_t U32() noexcept {
    auto b = Take(4);
    if (b.empty()) return 0;
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int32_t I32() noexcept { return static_cast<std::int32_t>(U32()); }

  // The next length bytes, or an empty span (and failure) when they are not all there.
  std::span<const std::uint8_t> Bytes(std::uint64_t length) noexcept { return Take(length); }

  // The next length bytes as text (for chunk identifiers and stored names).
  std::string Text(std::uint64_t length) {
    auto b = Take(length);
    return std::string(b.begin(), b.end());
  }

  // True when the next bytes equal tag; consumes them either way.
  bool Tag(std::string_view tag) {
    auto b = Take(tag.size());
    return !b.empty() && std::string_view(reinterpret_cast<const char*>(b.data()), b.size()) == tag;
  }

 private:
  std::span<const std::uint8_t> Take(std::uint64_t length) noexcept {
    if (!ok_ || !Contains(position_, length)) {
      ok_ = false;
      return {};
    }
    auto result = data_.subspan(static_cast<std::size_t>(position_), static_cast<std::size_t>(length));
    position_ += length;
    return result;
  }

  std::span<const std::uint8_t> data_;
  std::uint64_t position_ = 0;
  bool ok_ = true;
};

}  // namespace gd
