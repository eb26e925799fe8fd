// FormatMessage's text of an error code, trimmed to one sentence.
#include "companions/proptab/system_error_win32.h"

#include <cstdio>

namespace gd::proptab {

std::string SystemErrorText(DWORD code) {
  char text[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  if (length > 0) return std::string(text, length);
  char number[32];
  std::snprintf(number, sizeof number, "error 0x%08lX.", static_cast<unsigned long>(code));
  return number;
}

}  // namespace gd::proptab
