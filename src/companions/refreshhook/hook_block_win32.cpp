// Reads the hook handle from the shared block that the installing program filled.
#include "companions/refreshhook/hook_block_win32.h"

#include "companions/include/refreshhook_win32.h"
#include "platform/unique_handle.h"

#include <cstdint>
#include <cstring>

namespace gd::refreshhook {

HHOOK HookFromBlock() noexcept {
  const UniqueKernelHandle block(OpenFileMappingA(FILE_MAP_READ, FALSE, kHookBlockName));
  if (!block) return nullptr;
  const UniqueMappedView view(MapViewOfFile(block.get(), FILE_MAP_READ, 0, 0, kHookBlockSize));
  if (!view) return nullptr;
  std::uint32_t bits = 0;
  std::memcpy(&bits, view.get(), sizeof(bits));
  return HookFromBits(bits);
}

}  // namespace gd::refreshhook
