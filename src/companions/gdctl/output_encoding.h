// gdctl's texts are the program's own code page 1252; what reaches the reader comes in one
// encoding for every command: UTF-8 in a pipe or a file, the console's own code page on a
// console.
#pragma once

#include <functional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace gd::gdctl {

using TextEncoder = std::function<std::string(std::string_view cp1252)>;

std::string Cp1252ToUtf8(std::string_view text);

// The encoder for the stream that the standard handle (1 output, 2 error) is: the console's
// code page on a console of Windows, else UTF-8.
TextEncoder EncoderForStandardHandle(int handle);

// Re-encodes everything written to `stream` while it lives.
class EncodedOutput final : public std::streambuf {
 public:
  EncodedOutput(std::ostream& stream, TextEncoder encoder);
  ~EncodedOutput() override;
  EncodedOutput(const EncodedOutput&) = delete;
  EncodedOutput& operator=(const EncodedOutput&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  std::ostream& stream_;
  std::streambuf* target_;
  TextEncoder encoder_;
};

}  // namespace gd::gdctl
