// UTF-8 and ANSI conversion through UTF-16, as Windows offers it.
#include "companions/vfzip/name_codec.h"

#include <windows.h>

#include <vector>

namespace gd::vfzip {
namespace {

bool ToWide(UINT code_page, DWORD flags, const std::string& text, std::vector<wchar_t>& wide) {
  wide.clear();
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(code_page, flags, text.data(), length, nullptr, 0);
  if (needed <= 0) return false;
  wide.resize(static_cast<size_t>(needed));
  return MultiByteToWideChar(code_page, flags, text.data(), length, wide.data(), needed) ==
         needed;
}

}  // namespace

bool Utf8ToAnsi(const std::string& utf8, std::string& ansi) {
  ansi.clear();
  std::vector<wchar_t> wide;
  if (!ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, wide)) return false;
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  BOOL used_default = FALSE;
  const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &used_default);
  if (needed <= 0 || used_default) return false;
  ansi.resize(static_cast<size_t>(needed));
  used_default = FALSE;
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, ansi.data(),
                          needed, nullptr, &used_default) != needed ||
      used_default) {
    ansi.clear();
    return false;
  }
  return true;
}

bool AnsiToUtf8(const std::string& ansi, std::string& utf8) {
  utf8.clear();
  std::vector<wchar_t> wide;
  if (!ToWide(CP_ACP, MB_ERR_INVALID_CHARS, ansi, wide)) return false;
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return false;
  utf8.resize(static_cast<size_t>(needed));
  if (WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr,
                          nullptr) != needed) {
    utf8.clear();
    return false;
  }
  return true;
}

}  // namespace gd::vfzip
