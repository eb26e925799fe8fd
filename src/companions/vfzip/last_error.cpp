// Per-thread storage of the last failure's explanation, in a fixed buffer so that handing it
// out and replacing it can never fail.
#include "companions/vfzip/last_error.h"

#include <cstring>

namespace gd::vfzip {
namespace {

thread_local char g_text[1024] = "";

}  // namespace

void SetLastErrorText(const std::string& text) noexcept {
  const size_t length = text.size() < sizeof(g_text) - 1 ? text.size() : sizeof(g_text) - 1;
  std::memcpy(g_text, text.data(), length);
  g_text[length] = '\0';
}

const char* LastErrorText() noexcept { return g_text; }

}  // namespace gd::vfzip
