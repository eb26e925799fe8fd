// Code page 1252 to UTF-8, and the re-encoding stream buffer.
#include "gdctl/output_encoding.h"

#include <array>
#include <cstdint>

namespace gd::gdctl {
namespace {

// Code page 1252's characters 0x80 to 0x9F; the five it leaves undefined keep their own
// value, as Windows maps them. From 0xA0 on, code page 1252 is Latin-1.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char16_t unit) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | (unit >> 6));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (unit >> 12));
    out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte});
  }
  return out;
}

EncodedOutput::EncodedOutput(std::ostream& stream, TextEncoder encoder)
    : stream_(stream), target_(stream.rdbuf(this)), encoder_(std::move(encoder)) {}

EncodedOutput::~EncodedOutput() {
  stream_.flush();
  stream_.rdbuf(target_);
}

EncodedOutput::int_type EncodedOutput::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char one = traits_type::to_char_type(c);
  return xsputn(&one, 1) == 1 ? c : traits_type::eof();
}

std::streamsize EncodedOutput::xsputn(const char* text, std::streamsize count) {
  const std::string encoded = encoder_(std::string_view(text, static_cast<std::size_t>(count)));
  const auto size = static_cast<std::streamsize>(encoded.size());
  return target_->sputn(encoded.data(), size) == size ? count : 0;
}

int EncodedOutput::sync() { return target_->pubsync(); }

}  // namespace gd::gdctl
