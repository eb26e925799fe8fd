// A console of Windows shows its own code page; pipes and files get UTF-8.
#include <windows.h>

#include "gdctl/output_encoding.h"

namespace gd::gdctl {

TextEncoder EncoderForStandardHandle(int handle) {
  const HANDLE stream = GetStdHandle(handle == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetFileType(stream) != FILE_TYPE_CHAR || !GetConsoleMode(stream, &mode)) return Cp1252ToUtf8;
  const UINT console = GetConsoleOutputCP();
  return [console](std::string_view text) {
    std::string out;
    for (const char c : text) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out += c;
        continue;
      }
      wchar_t wide = 0;
      char bytes[8] = {};
      MultiByteToWideChar(1252, 0, &c, 1, &wide, 1);
      const int length = WideCharToMultiByte(console, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
      out.append(bytes, static_cast<std::size_t>(length > 0 ? length : 0));
    }
    return out;
  };
}

}  // namespace gd::gdctl
